// The list files as the window reads them at creation and writes them at every close query.
#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "harness.h"

class ListFilesWindowTest : public QObject {
  Q_OBJECT

 private:
  MessageBoxRecorder* boxes_ = nullptr;
  QString path(const QString& name) { return QDir::current().absoluteFilePath(name); }

 private Q_SLOTS:
  void init() { boxes_ = new MessageBoxRecorder; }
  void cleanup() {
    if (Form1) CloseMainWindow();
    delete boxes_;
  }

  void creationLoadsBothListsWithNothingSelected() {
    EnterNewDirectory();
    WriteFile("daiban.txt", "买牛奶\r\ncall mum\n\nlast");
    WriteFile("wancheng.txt", "done\r\n");
    OpenMainWindow(StartIn::CurrentDirectory);
    QCOMPARE(Rows(Form1->bsSkinListBox1), (QStringList{"买牛奶", "call mum", "", "last"}));
    QCOMPARE(Rows(Form1->bsSkinListBox2), QStringList{"done"});
    QCOMPARE(Form1->bsSkinListBox1->ItemIndex(), -1);
    QCOMPARE(Form1->bsSkinListBox2->ItemIndex(), -1);
    QVERIFY(boxes_->Boxes().isEmpty());
  }

  void aFirstStartShowsTheOpenFailureBeforeTheWindow() {
    EnterNewDirectory();
    bool visibleDuringBox = true;
    SetMessageBoxHook([&](const TMessageBoxRequest&) { visibleDuringBox = Form1->isVisible(); });
    OpenMainWindow(StartIn::CurrentDirectory);
    delete boxes_;
    boxes_ = new MessageBoxRecorder;
    QVERIFY(!visibleDuringBox);
    QVERIFY(Form1->isVisible());
    QVERIFY(Rows(Form1->bsSkinListBox1).isEmpty());
    Form1->close();
    QVERIFY(Application->Terminated());
    QCOMPARE(ReadFile("daiban.txt"), QByteArray());
    QCOMPARE(ReadFile("wancheng.txt"), QByteArray());
  }

  void aFirstStartShowsOneBoxWithTheFullPath() {
    EnterNewDirectory();
    OpenMainWindow(StartIn::CurrentDirectory);
    QCOMPARE(boxes_->Texts(),
             QStringList{"Cannot open file \"" + path("daiban.txt") + "\". No such file or directory."});
  }

  void theCompletedListLoadsWhenThePendingListCannot() {
    EnterNewDirectory();
    QDir().mkdir("daiban.txt");
    WriteFile("wancheng.txt", "done\r\n");
    OpenMainWindow(StartIn::CurrentDirectory);
    QCOMPARE(boxes_->Texts(), QStringList{"Cannot open file \"" + path("daiban.txt") + "\". Is a directory."});
    QCOMPARE(Rows(Form1->bsSkinListBox2), QStringList{"done"});
  }

  void eachFailureAtCreationGetsItsBoxInOrder() {
    EnterNewDirectory();
    QDir().mkdir("daiban.txt");
    QDir().mkdir("wancheng.txt");
    OpenMainWindow(StartIn::CurrentDirectory);
    QCOMPARE(boxes_->Texts(),
             (QStringList{"Cannot open file \"" + path("daiban.txt") + "\". Is a directory.",
                          "Cannot open file \"" + path("wancheng.txt") + "\". Is a directory."}));
    QVERIFY(Form1->isVisible());
  }

  void closingWritesBothListsAsTheyAreNow() {
    OpenMainWindow();
    SetRows(Form1->bsSkinListBox1, {"a", " b ", "买"});
    ClickRow(Form1->bsSkinListBox1, 1);
    RightClick(Form1->bsSkinListBox1->RowArea()->viewport(), RowCenter(Form1->bsSkinListBox1, 1));
    ChooseItem("设置为完成事项");
    Press(Qt::Key_F4, Qt::AltModifier);
    QVERIFY(Application->Terminated());
    QCOMPARE(ReadFile("daiban.txt"), QByteArray("a\r\n买\r\n"));
    QCOMPARE(ReadFile("wancheng.txt"), QByteArray(" b \r\n"));
    QVERIFY(boxes_->Boxes().isEmpty());
  }

  void aFailedPendingSaveWritesNothingAndKeepsTheWindowOpen() {
    OpenMainWindow();
    SetRows(Form1->bsSkinListBox1, {"p"});
    SetRows(Form1->bsSkinListBox2, {"c"});
    QFile::setPermissions("daiban.txt", QFile::ReadOwner);
    Form1->close();
    QCOMPARE(boxes_->Texts(),
             QStringList{"Cannot create file \"" + path("daiban.txt") + "\". Permission denied."});
    QVERIFY(Form1->isVisible());
    QVERIFY(!Application->Terminated());
    QCOMPARE(ReadFile("wancheng.txt"), QByteArray());
    QCOMPARE(Rows(Form1->bsSkinListBox1), QStringList{"p"});
    // Writable again: the next close saves both and ends the program.
    QFile::setPermissions("daiban.txt", QFile::ReadOwner | QFile::WriteOwner);
    Form1->close();
    QVERIFY(Application->Terminated());
    QCOMPARE(ReadFile("daiban.txt"), QByteArray("p\r\n"));
    QCOMPARE(ReadFile("wancheng.txt"), QByteArray("c\r\n"));
  }

  void aFailedCompletedSaveComesAfterThePendingListWasWritten() {
    OpenMainWindow();
    SetRows(Form1->bsSkinListBox1, {"p"});
    QFile::remove("wancheng.txt");
    QDir().mkdir("wancheng.txt");
    Form1->close();
    QCOMPARE(boxes_->Texts(),
             QStringList{"Cannot create file \"" + path("wancheng.txt") + "\". Is a directory."});
    QVERIFY(Form1->isVisible());
    QCOMPARE(ReadFile("daiban.txt"), QByteArray("p\r\n"));
  }

  void theEndOfTheSessionSavesOnce() {
    OpenMainWindow();
    SetRows(Form1->bsSkinListBox1, {"before"});
    QVERIFY(Application->QueryEndSession());
    QCOMPARE(ReadFile("daiban.txt"), QByteArray("before\r\n"));
    // Changes after the answer are not saved by the session's end.
    Form1->bsSkinListBox1->Items().Add("after");
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(qApp, &quit);
    QCOMPARE(ReadFile("daiban.txt"), QByteArray("before\r\n"));
  }

  void aRefusedEndOfSessionShowsWhy() {
    OpenMainWindow();
    QFile::setPermissions("daiban.txt", QFile::ReadOwner);
    QVERIFY(!Application->QueryEndSession());
    QCOMPARE(boxes_->Boxes().size(), 1);
    QVERIFY(Form1->isVisible());
  }
};

BRENVIK_GUI_TEST_MAIN(ListFilesWindowTest)
#include "tst_listfiles.moc"
