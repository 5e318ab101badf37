#include "messagebox.h"

#include <QApplication>

namespace {
TMessageBoxHook& Hook() {
  static TMessageBoxHook hook;
  return hook;
}
}  // namespace

void SetMessageBoxHook(TMessageBoxHook hook) { Hook() = std::move(hook); }

void ShowMessageBox(QWidget* parent, const TMessageBoxRequest& request) {
  if (Hook()) {
    Hook()(request);
    return;
  }
  QMessageBox box(request.icon, request.caption, request.text, request.buttons, parent);
  box.setWindowModality(Qt::ApplicationModal);
  box.setObjectName("errorMessageBox");
  box.exec();
}
