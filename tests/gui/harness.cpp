#include "harness.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "platform/forms/ansi.h"

MessageBoxRecorder::MessageBoxRecorder() {
  SetMessageBoxHook([this](const TMessageBoxRequest& r) { boxes_.append(r); });
}

MessageBoxRecorder::~MessageBoxRecorder() { SetMessageBoxHook({}); }

QStringList MessageBoxRecorder::Texts() const {
  QStringList texts;
  for (const auto& box : boxes_) texts << box.text;
  return texts;
}

namespace {
std::unique_ptr<QTemporaryDir> directory;
}

QString EnterNewDirectory() {
  directory = std::make_unique<QTemporaryDir>();
  QDir::setCurrent(directory->path());
  qputenv("PWD", directory->path().toLocal8Bit());
  return directory->path();
}

QString CurrentListDirectory() { return QDir::currentPath(); }

void WriteFile(const QString& name, const QByteArray& bytes) {
  QFile file(name);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
    qFatal("cannot write %s", qPrintable(name));
}

QByteArray ReadFile(const QString& name) {
  QFile file(name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TForm1* OpenMainWindow(StartIn where) {
  if (where == StartIn::NewDirectoryWithEmptyLists) {
    EnterNewDirectory();
    WriteFile("daiban.txt", {});
    WriteFile("wancheng.txt", {});
  }
  Application->CreateForm(Form1);
  Form1->ShowAtStart();
  if (!QTest::qWaitForWindowActive(Form1)) qWarning("the main window did not become active");
  return Form1;
}

void CloseMainWindow() {
  CloseOpenPopups();
  // A press whose release went to a menu that has closed since would otherwise seem held down
  // in the next test.
  for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
    if (QApplication::mouseButtons() & b) QTest::mouseRelease(Form1, b, {}, QPoint(-50, -50));
  delete Form1;
  Form1 = nullptr;
}

QStringList Rows(const TbsSkinListBox* list) {
  QStringList rows;
  for (int i = 0; i < list->Items().Count(); ++i) rows << FromAnsi(list->Items()[i]);
  return rows;
}

void SetRows(TbsSkinListBox* list, const QStringList& rows) {
  list->Items().Clear();
  for (const QString& row : rows) list->Items().Add(ToAnsi(row).value());
}

QPoint RowCenter(const TbsSkinListBox* list, int row) {
  return list->RowArea()->RowRect(row).center();
}

void ClickRow(TbsSkinListBox* list, int row) {
  QTest::mouseClick(list->RowArea()->viewport(), Qt::LeftButton, {}, RowCenter(list, row));
}

void RightClick(QWidget* widget, const QPoint& pos) {
  QTest::mousePress(widget, Qt::RightButton, {}, pos);
  QContextMenuEvent menu(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
  QApplication::sendEvent(widget, &menu);
  QTest::mouseRelease(widget, Qt::RightButton, {}, pos);
}

QMenu* OpenPopup() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

QStringList ItemTexts(const QMenu* menu) {
  QStringList texts;
  for (QAction* a : menu->actions()) texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
  return texts;
}

void ChooseItem(const QString& text) {
  QMenu* menu = OpenPopup();
  if (!menu) {
    qWarning("no menu is open");
    return;
  }
  for (QAction* a : menu->actions()) {
    if (a->text() == text) {
      QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
      QTest::qWait(0);
      // The offscreen platform leaves no window active once a popup closes; a window system
      // gives the activation back to the window.
      if (!QApplication::activeWindow() && Form1 && Form1->isVisible()) {
        Form1->activateWindow();
        if (!QTest::qWaitForWindowActive(Form1)) qWarning("the main window did not become active");
      }
      return;
    }
  }
  qWarning("no such menu item: %s", qPrintable(text));
}

void CloseOpenPopups() {
  while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

void Type(const QString& text) {
  // Qt Test knows key codes only for ASCII; other characters arrive as text, as from an
  // input method that commits them key by key.
  for (QChar c : text) {
    QWidget* target = QApplication::focusWidget();
    if (c.unicode() < 0x80)
      QTest::keyClick(target, c.toLatin1());
    else
      QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
}
