#include "application.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QSessionManager>
#include <exception>

#include "ansi.h"
#include "form.h"
#include "messagebox.h"
#include "platform/system/keyboard.h"
#include "sysutils.h"

TApplication* Application = nullptr;

TApplication::TApplication(int& argc, char** argv)
    : qt_(std::make_unique<QApplication>(argc, argv)) {
  Application = this;
  // The program's icon, for the taskbar and the task switcher; no form declares one of its own.
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 72, 96, 128}) {
    const QString file = QStringLiteral(":/icons/brenvik-%1.png").arg(size);
    if (QFile::exists(file)) icon.addFile(file, QSize(size, size));
  }
  if (!icon.isNull()) QApplication::setWindowIcon(icon);
  QGuiApplication::setDesktopFileName(QStringLiteral("brenvik"));
  TakeStartupKeyboardLayout();
  // The main form's close ends the program, through its close query; nothing else does.
  qt_->setQuitOnLastWindowClosed(false);
  qt_->installEventFilter(this);
  connect(qt_.get(), &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
    if (!QueryEndSession()) manager.cancel();
  });
}

TApplication::~TApplication() {
  // The forms go first, newest first, while the toolkit still exists.
  for (auto it = forms_.rbegin(); it != forms_.rend(); ++it) delete it->data();
  forms_.clear();
  qt_->removeEventFilter(this);
  qt_.reset();
  if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {}

TForm* TApplication::MainForm() const { return mainForm_; }

void TApplication::SetTitle(const QString& title) {
  title_ = title;
  QGuiApplication::setApplicationDisplayName(title);
  for (const auto& form : forms_)
    if (form) form->setWindowTitle(title);
}

void TApplication::AddForm(TForm* form) {
  form->setWindowTitle(title_);
  form->DoCreate();
  forms_.emplace_back(form);
  if (!mainForm_) {
    mainForm_ = form;
    terminated_ = false;
    endSessionApproved_ = false;
  }
}

void TApplication::Run() {
  if (!mainForm_) return;
  mainForm_->ShowAtStart();
  qt_->exec();
}

void TApplication::Terminate() {
  terminated_ = true;
  QCoreApplication::exit(0);
}

bool TApplication::Invoke(const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (const Exception& e) {
    ShowException(e.Message());
  } catch (const std::bad_alloc&) {
    ShowException(SOutOfMemory);
  } catch (const std::exception& e) {
    ShowException(e.what());
  } catch (...) {
    ShowException("Unknown failure");
  }
  return false;
}

void TApplication::ShowException(std::string_view message) {
  QWidget* parent = QApplication::activeWindow();
  if (!parent && mainForm_ && mainForm_->isVisible()) parent = mainForm_;
  ShowMessageBox(parent, {title_, FromAnsi(ErrorBoxText(message)), QMessageBox::Critical,
                          QMessageBox::Ok});
}

bool TApplication::QueryEndSession() {
  endSessionApproved_ = mainForm_ && mainForm_->CloseQuery();
  return endSessionApproved_ || !mainForm_;
}

bool TApplication::eventFilter(QObject* watched, QEvent* event) {
  // When the session ends after the close query has answered yes, the toolkit asks the windows
  // to close once more; the lists were saved already, so the loop simply ends.
  if (watched == qt_.get() && event->type() == QEvent::Quit && endSessionApproved_) {
    QCoreApplication::exit(0);
    return true;
  }
  return QObject::eventFilter(watched, event);
}
