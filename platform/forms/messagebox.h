#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

// What a message box was asked to show.
struct TMessageBoxRequest {
  QString caption;
  QString text;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
};

// While a hook is set, message boxes go to it and return at once instead of waiting for the user,
// so that no test ever blocks on one. An empty hook restores the real box.
using TMessageBoxHook = std::function<void(const TMessageBoxRequest&)>;
void SetMessageBoxHook(TMessageBoxHook hook);

// A box modal to all of the program's windows, with one OK button.
void ShowMessageBox(QWidget* parent, const TMessageBoxRequest& request);
