#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <new>
#include <string_view>
#include <vector>

class QApplication;
class TForm;

// The application object: the toolkit, the title, the forms, the message loop, and the one place
// where a failure that escapes a handler is caught and shown.
class TApplication : public QObject {
  Q_OBJECT

 public:
  TApplication(int& argc, char** argv);
  ~TApplication() override;

  void Initialize();

  // Read by the taskbar, the task switcher and every error message box.
  const QString& Title() const { return title_; }
  void SetTitle(const QString& title);

  // Creates a form. The reference points at the form before its construction begins, so that
  // handlers run during construction can reach it, and is cleared if construction fails. The
  // first form created becomes the main form. The form's creation handler runs here.
  template <class T>
  void CreateForm(T*& reference);

  // Shows the main form and runs the message loop until Terminate().
  void Run();
  // Ends the message loop; Terminated() tells that it was asked for, until a new main form.
  void Terminate();
  bool Terminated() const { return terminated_; }

  TForm* MainForm() const;

  // Runs a handler. A failure that escapes it is shown in the error message box, and false is
  // returned; the program then goes on.
  bool Invoke(const std::function<void()>& handler);
  void ShowException(std::string_view message);

  // The session manager asks whether the session may end: the main form's close query runs once
  // and answers. When the session then ends nothing is asked or saved again.
  bool QueryEndSession();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AddForm(TForm* form);

  std::unique_ptr<QApplication> qt_;
  QString title_;
  std::vector<QPointer<TForm>> forms_;
  QPointer<TForm> mainForm_;
  bool endSessionApproved_ = false;
  bool terminated_ = false;
};

extern TApplication* Application;

template <class T>
void TApplication::CreateForm(T*& reference) {
  void* memory = ::operator new(sizeof(T));
  reference = static_cast<T*>(memory);
  T* form = nullptr;
  try {
    form = new (memory) T(nullptr);
  } catch (...) {
    reference = nullptr;
    ::operator delete(memory);
    throw;
  }
  AddForm(form);
}
