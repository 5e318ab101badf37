#include "messagebox.h"

#include <QApplication>
#include <QAbstractButton>
#include <QClipboard>
#include <QKeyEvent>

namespace {
TMessageBoxHook& Hook() {
  static TMessageBoxHook hook;
  return hook;
}

// A message box whose text Ctrl+C copies, as a system message box's does.
class TMessageBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->matches(QKeySequence::Copy)) {
      const QString rule = QStringLiteral("---------------------------\n");
      QString copy = rule + windowTitle() + u'\n' + rule + text() + u'\n' + rule;
      for (QAbstractButton* button : buttons()) copy += button->text().remove(u'&') + u' ';
      copy += u'\n' + rule;
      QGuiApplication::clipboard()->setText(copy);
      event->accept();
      return;
    }
    QMessageBox::keyPressEvent(event);
  }
};

}  // namespace

void SetMessageBoxHook(TMessageBoxHook hook) { Hook() = std::move(hook); }

void ShowMessageBox(QWidget* parent, const TMessageBoxRequest& request) {
  if (Hook()) {
    Hook()(request);
    return;
  }
  TMessageBox box(request.icon, request.caption, request.text, request.buttons, parent);
  box.setWindowModality(Qt::ApplicationModal);
  box.setObjectName("errorMessageBox");
  // Without a window manager nobody gives a new window the keyboard; Enter must reach OK.
  box.show();
  box.activateWindow();
  box.exec();
}
