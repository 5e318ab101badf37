#pragma once

#include <QContextMenuEvent>
#include <QList>
#include <QMenu>
#include <QTest>

#include "app/form1.h"
#include "platform/forms/application.h"
#include "platform/forms/messagebox.h"

// Collects the message boxes shown while it lives, so that nothing waits for a user.
class MessageBoxRecorder {
 public:
  MessageBoxRecorder();
  ~MessageBoxRecorder();
  const QList<TMessageBoxRequest>& Boxes() const { return boxes_; }
  QStringList Texts() const;
  void Clear() { boxes_.clear(); }

 private:
  QList<TMessageBoxRequest> boxes_;
};

// Makes a new empty directory the current one, as the program's start folder, and returns it.
QString EnterNewDirectory();
QString CurrentListDirectory();
// Writes a file of the current directory with exactly these bytes.
void WriteFile(const QString& name, const QByteArray& bytes);
QByteArray ReadFile(const QString& name);

// Creates the main window as the program does, shows it and waits until it is active. Unless
// told to use the current directory as it is, it starts in a new directory with both list
// files present and empty.
enum class StartIn { NewDirectoryWithEmptyLists, CurrentDirectory };
TForm1* OpenMainWindow(StartIn where = StartIn::NewDirectoryWithEmptyLists);
void CloseMainWindow();

// Texts of a list's rows, decoded.
QStringList Rows(const TbsSkinListBox* list);
void SetRows(TbsSkinListBox* list, const QStringList& rows);

// The centre of a row in its row area's viewport.
QPoint RowCenter(const TbsSkinListBox* list, int row);
void ClickRow(TbsSkinListBox* list, int row);

// A right click as the window system delivers it: press, the context-menu request, release.
void RightClick(QWidget* widget, const QPoint& pos);

// The pop-up menu now open, if any.
QMenu* OpenPopup();
QStringList ItemTexts(const QMenu* menu);
// Clicks the item with that text in the open menu, and lets the menu close.
void ChooseItem(const QString& text);
void CloseOpenPopups();

// Types as a user does: into whatever widget has the focus.
void Type(const QString& text);
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

#define BRENVIK_GUI_TEST_MAIN(TestClass)                       \
  int main(int argc, char** argv) {                            \
    qputenv("QT_QPA_PLATFORM", "offscreen");                   \
    TApplication application(argc, argv);                      \
    Application->SetTitle(QStringLiteral("Brenvik"));          \
    TestClass test;                                            \
    return QTest::qExec(&test, argc, argv);                    \
  }
