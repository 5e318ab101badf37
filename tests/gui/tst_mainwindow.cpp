// The main window as a whole: its layout, focus, accessibility, the close paths and the
// failure boundary, driven through real events.
#include <QAccessible>
#include <QApplication>
#include <QScreen>
#include <QScrollBar>

#include "harness.h"
#include "platform/forms/sysutils.h"

namespace {

// A form that records whether its reference was set before its construction began.
class ProbeForm : public TForm {
 public:
  static inline ProbeForm* reference = nullptr;
  static inline bool seenBeforeConstruction = false;
  static inline bool fail = false;
  explicit ProbeForm(QWidget* parent) : TForm(parent) {
    seenBeforeConstruction = static_cast<void*>(reference) == static_cast<void*>(this);
    if (fail) throw Exception("construction failed");
  }
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  MessageBoxRecorder* boxes_ = nullptr;
  int closeQueries_ = 0;
  bool failCloseQuery_ = false;

  // Counts close queries and can make them fail, around the window's own handler.
  void watchCloseQueries() {
    auto original = Form1->OnCloseQuery;
    Form1->OnCloseQuery = [this, original](TObject* sender, bool& canClose) {
      ++closeQueries_;
      if (failCloseQuery_) throw EFCreateError("Cannot create file \"/x/daiban.txt\". Access denied");
      original(sender, canClose);
    };
  }

 private Q_SLOTS:
  void init() {
    boxes_ = new MessageBoxRecorder;
    closeQueries_ = 0;
    failCloseQuery_ = false;
    OpenMainWindow();
    watchCloseQueries();
  }
  void cleanup() {
    if (Form1) CloseMainWindow();
    delete boxes_;
  }

  void windowIsPlacedAndSizedAsDesigned() {
    QCOMPARE(Form1->frameGeometry(), QRect(192, 107, 624, 546));
    QCOMPARE(Form1->ClientArea()->geometry(), QRect(7, 27, 610, 512));
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Brenvik"));
    QCOMPARE(Form1->Caption(), QStringLiteral("Brenvik V1.0  By Tamsel"));
    QVERIFY(Form1->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(Form1->windowState(), Qt::WindowNoState);
  }

  void controlsHaveTheirDesignedPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::newRow("pending caption") << "bsSkinButtonLabel1" << QRect(-1, 26, 81, 17) << "待办事项";
    QTest::newRow("completed caption") << "bsSkinButtonLabel2" << QRect(10, 256, 79, 17) << "已完成事项";
    // The stored skin sets the heights of these two; their left, top and width stay.
    QTest::newRow("entry box") << "bsSkinEdit1" << QRect(80, 24, 417, 19) << "";
    QTest::newRow("Add button") << "bsSkinXFormButton1" << QRect(515, 22, 75, 21) << "添加";
    QTest::newRow("pending list") << "bsSkinListBox1" << QRect(16, 56, 577, 193) << "";
    QTest::newRow("completed list") << "bsSkinListBox2" << QRect(16, 280, 577, 177) << "";
  }
  void controlsHaveTheirDesignedPlaces() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    auto* widget = Form1->ClientArea()->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    if (auto* label = qobject_cast<TbsSkinStdLabel*>(widget)) QCOMPARE(label->Caption(), caption);
    if (auto* button = qobject_cast<TbsSkinXFormButton*>(widget)) QCOMPARE(button->Caption(), caption);
  }

  void linkShowsItsWholeCaption() {
    TbsSkinLinkLabel* link = Form1->bsSkinLinkLabel1;
    QCOMPARE(link->Caption(), QStringLiteral("点击访问作者(Tamsel)的博客   20100314"));
    QCOMPARE(link->pos(), QPoint(184, 472));
    QCOMPARE(link->height(), 14);
    QVERIFY(link->width() >= 197);
    QVERIFY(link->width() >= QFontMetrics(link->font()).horizontalAdvance(link->Caption()));
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
  }

  void menusHoldTheirItemsInOrder() {
    QCOMPARE(Form1->bsSkinListBox1->PopupMenu(), Form1->bsSkinPopupMenu1);
    QCOMPARE(Form1->bsSkinListBox2->PopupMenu(), Form1->bsSkinPopupMenu2);
    QCOMPARE(Form1->bsSkinPopupMenu1->Items(), (std::vector<TMenuItem*>{Form1->N1, Form1->N3}));
    QCOMPARE(Form1->bsSkinPopupMenu2->Items(), (std::vector<TMenuItem*>{Form1->N2, Form1->N4}));
    QCOMPARE(Form1->N1->Caption(), QStringLiteral("设置为完成事项"));
    QCOMPARE(Form1->N2->Caption(), QStringLiteral("设置为待办事项"));
    QCOMPARE(Form1->N3->Caption(), QStringLiteral("删除该事项"));
    QCOMPARE(Form1->N4->Caption(), QStringLiteral("删除该事项"));
  }

  void typingGoesStraightIntoTheEntryBox() {
    QCOMPARE(QApplication::focusWidget(), Form1->bsSkinEdit1);
    Type("abc");
    QCOMPARE(Form1->bsSkinEdit1->text(), QStringLiteral("abc"));
  }

  void tabOrderSkipsTheAddButton() {
    QWidget* entry = Form1->bsSkinEdit1;
    QWidget* pending = Form1->bsSkinListBox1->RowArea();
    QWidget* completed = Form1->bsSkinListBox2->RowArea();
    const QList<QWidget*> forward{pending, completed, entry, pending};
    for (QWidget* next : forward) {
      Press(Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), next);
    }
    const QList<QWidget*> backward{entry, completed, pending, entry};
    for (QWidget* next : backward) {
      Press(Qt::Key_Backtab, Qt::ShiftModifier);
      QCOMPARE(QApplication::focusWidget(), next);
    }
  }

  void addButtonNeverTakesTheFocus() {
    TbsSkinXFormButton* add = Form1->bsSkinXFormButton1;
    QCOMPARE(add->focusPolicy(), Qt::NoFocus);
    Form1->bsSkinListBox1->RowArea()->setFocus();
    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), Form1->bsSkinListBox1->RowArea());
    // Space and Enter reach the focused control, never the button.
    Form1->bsSkinEdit1->setFocus();
    Type("x");
    Press(Qt::Key_Space);
    Press(Qt::Key_Return);
    QVERIFY(Rows(Form1->bsSkinListBox1).isEmpty());
  }

  void captionLabelClicksChangeNothing() {
    Form1->bsSkinListBox1->Items().Add("a");
    Type("typed");
    QTest::mouseClick(Form1->bsSkinButtonLabel1, Qt::LeftButton);
    QTest::mouseClick(Form1->bsSkinButtonLabel2, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), Form1->bsSkinEdit1);
    QCOMPARE(Form1->bsSkinEdit1->text(), QStringLiteral("typed"));
    QCOMPARE(Rows(Form1->bsSkinListBox1), QStringList{"a"});
    QCOMPARE(Form1->bsSkinListBox1->ItemIndex(), -1);
  }

  void noScrollBarsOnTheWindow() {
    for (QScrollBar* bar : Form1->findChildren<QScrollBar*>()) {
      QWidget* owner = bar->parentWidget();
      while (owner && !qobject_cast<TbsSkinListBox*>(owner)) owner = owner->parentWidget();
      QVERIFY2(owner, "a scroll bar outside the lists");
    }
  }

  void everyControlHasARoleAndAName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("pending caption") << "bsSkinButtonLabel1" << int(QAccessible::StaticText) << "待办事项";
    QTest::newRow("completed caption") << "bsSkinButtonLabel2" << int(QAccessible::StaticText) << "已完成事项";
    QTest::newRow("link") << "bsSkinLinkLabel1" << int(QAccessible::Link)
                          << "点击访问作者(Tamsel)的博客   20100314";
    QTest::newRow("entry box") << "bsSkinEdit1" << int(QAccessible::EditableText) << "新事项";
    QTest::newRow("Add button") << "bsSkinXFormButton1" << int(QAccessible::Button) << "添加";
    QTest::newRow("pending list") << "bsSkinListBox1" << int(QAccessible::Grouping) << "待办事项";
    QTest::newRow("pending rows") << "bsSkinListBox1/rowArea" << int(QAccessible::List) << "待办事项";
    QTest::newRow("completed rows") << "bsSkinListBox2/rowArea" << int(QAccessible::List) << "已完成事项";
    QTest::newRow("close button") << "Close" << int(QAccessible::Button) << "Close";
  }
  void everyControlHasARoleAndAName() {
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QString, accessibleName);
    QWidget* widget = Form1;
    for (const QString& part : name.split('/')) widget = widget->findChild<QWidget*>(part);
    QVERIFY(widget);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);
    QCOMPARE(int(iface->role()), role);
    QCOMPARE(iface->text(QAccessible::Name), accessibleName);
  }

  void listRowsAreReadableByAssistiveTechnology() {
    SetRows(Form1->bsSkinListBox1, {"买牛奶", "call"});
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(Form1->bsSkinListBox1->RowArea());
    QVERIFY(list && list->childCount() >= 2);
    QCOMPARE(list->child(0)->text(QAccessible::Name), QStringLiteral("买牛奶"));
  }

  void closePathsRunTheCloseQueryOnceAndTerminate_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("close button") << "button";
    QTest::newRow("Alt+F4") << "altf4";
    QTest::newRow("system menu") << "menu";
    QTest::newRow("window manager") << "wm";
  }
  void closePathsRunTheCloseQueryOnceAndTerminate() {
    QFETCH(QString, path);
    if (path == "button") {
      QTest::mouseClick(Form1->bsBusinessSkinForm1->CaptionButton(TbsSkinCaptionButton::Close),
                        Qt::LeftButton);
    } else if (path == "altf4") {
      Press(Qt::Key_F4, Qt::AltModifier);
    } else if (path == "menu") {
      QTest::mouseClick(Form1->bsBusinessSkinForm1->CaptionButton(TbsSkinCaptionButton::SystemMenu),
                        Qt::LeftButton);
      ChooseItem("Close");
    } else {
      Form1->close();  // what a window manager's close request or the taskbar's Close leads to
    }
    QCOMPARE(closeQueries_, 1);
    QVERIFY(Application->Terminated());
    QVERIFY(!Form1->isVisible());
    QVERIFY(boxes_->Boxes().isEmpty());
  }

  void aFailedCloseQueryKeepsTheWindowOpen() {
    Form1->bsSkinListBox1->Items().Add("keep me");
    failCloseQuery_ = true;
    Press(Qt::Key_F4, Qt::AltModifier);
    QCOMPARE(boxes_->Texts(), QStringList{"Cannot create file \"/x/daiban.txt\". Access denied."});
    QVERIFY(Form1->isVisible());
    QVERIFY(!Application->Terminated());
    QCOMPARE(Rows(Form1->bsSkinListBox1), QStringList{"keep me"});
    // Once the cause is gone, closing again closes.
    failCloseQuery_ = false;
    Press(Qt::Key_F4, Qt::AltModifier);
    QCOMPARE(closeQueries_, 2);
    QVERIFY(Application->Terminated());
  }

  void endOfSessionAsksOnceAndSavesNothingAfterwards() {
    QVERIFY(Application->QueryEndSession());
    QCOMPARE(closeQueries_, 1);
    QVERIFY(Form1->isVisible());
    // The session ends: the toolkit's quit must not run a second close query.
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(qApp, &quit);
    QCOMPARE(closeQueries_, 1);
  }

  void endOfSessionIsRefusedWhenTheCloseQueryFails() {
    failCloseQuery_ = true;
    QVERIFY(!Application->QueryEndSession());
    QCOMPARE(boxes_->Boxes().size(), 1);
    QVERIFY(Form1->isVisible());
    // The session goes on; the next close asks again.
    failCloseQuery_ = false;
    Form1->close();
    QCOMPARE(closeQueries_, 2);
    QVERIFY(Application->Terminated());
  }

  void aFailingHandlerIsShownAndTheProgramGoesOn_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << "Stream write error" << "Stream write error.";
    QTest::newRow("ends in a full stop") << "Done." << "Done.";
    QTest::newRow("ends in a blank") << "Trailing " << "Trailing ";
    QTest::newRow("ends in a Chinese character") << "拒绝访问" << "拒绝访问.";
    QTest::newRow("ends in an ideographic full stop") << "拒绝访问。" << "拒绝访问。.";
    QTest::newRow("empty") << "" << "";
  }
  void aFailingHandlerIsShownAndTheProgramGoesOn() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    Form1->bsSkinXFormButton1->OnClick = [message](TObject*) {
      throw Exception(message.toStdString());
    };
    QTest::mouseClick(Form1->bsSkinXFormButton1, Qt::LeftButton);
    QCOMPARE(boxes_->Texts(), QStringList{shown});
    QCOMPARE(boxes_->Boxes().first().caption, QStringLiteral("Brenvik"));
    QCOMPARE(boxes_->Boxes().first().icon, QMessageBox::Critical);
    QVERIFY(Form1->isVisible());
    // Other handlers still run.
    SetRows(Form1->bsSkinListBox1, {"a"});
    ClickRow(Form1->bsSkinListBox1, 0);
    QCOMPARE(Form1->bsSkinEdit1->text(), QStringLiteral("a"));
  }

  void theFormIsReachableBeforeItsConstructionAndClearedOnFailure() {
    ProbeForm::fail = false;
    Application->CreateForm(ProbeForm::reference);
    QVERIFY(ProbeForm::seenBeforeConstruction);
    QVERIFY(ProbeForm::reference);
    delete ProbeForm::reference;

    ProbeForm::fail = true;
    bool thrown = false;
    try {
      Application->CreateForm(ProbeForm::reference);
    } catch (const Exception& e) {
      thrown = e.Message() == "construction failed";
    }
    QVERIFY(thrown);
    QVERIFY(ProbeForm::seenBeforeConstruction);
    QCOMPARE(ProbeForm::reference, nullptr);
  }

  void theMainFormIsTheFirstCreated() {
    QCOMPARE(Application->MainForm(), Form1);
    ProbeForm::fail = false;
    Application->CreateForm(ProbeForm::reference);
    QCOMPARE(Application->MainForm(), Form1);
    // Closing another form does not end the program.
    ProbeForm::reference->close();
    QVERIFY(!Application->Terminated());
    delete ProbeForm::reference;
  }
};

BRENVIK_GUI_TEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
