// The list commands and the selection rules, driven through the real window with mouse, keys
// and context-menu events.
#include <QApplication>
#include <QScrollBar>

#include "harness.h"
#include "platform/forms/ansi.h"
#include "platform/system/tickcount.h"

class ListCommandsTest : public QObject {
  Q_OBJECT

 private:
  TbsSkinListBox* pending() { return Form1->bsSkinListBox1; }
  TbsSkinListBox* completed() { return Form1->bsSkinListBox2; }
  TbsSkinEdit* entry() { return Form1->bsSkinEdit1; }
  void clickAdd() { QTest::mouseClick(Form1->bsSkinXFormButton1, Qt::LeftButton); }
  void choose(TbsSkinListBox* list, int rightClickRow, const QString& item) {
    const QPoint at = rightClickRow >= 0 ? RowCenter(list, rightClickRow) : QPoint(5, 5);
    RightClick(list->RowArea()->viewport(), at);
    ChooseItem(item);
  }

  std::uint64_t now_ = 100000;
  MessageBoxRecorder* boxes_ = nullptr;

 private Q_SLOTS:
  void init() {
    SetTickCountSource([this] { return now_; });
    boxes_ = new MessageBoxRecorder;
    OpenMainWindow();
  }
  void cleanup() {
    CloseMainWindow();
    delete boxes_;
    SetTickCountSource({});
  }

  void addAppendsTheEntryText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("empty box adds nothing") << QString() << QStringList();
    QTest::newRow("blanks are an item") << "   " << QStringList{"   "};
    QTest::newRow("Chinese text") << "买牛奶" << QStringList{"买牛奶"};
    QTest::newRow("blanks around are kept") << "  a b  " << QStringList{"  a b  "};
  }
  void addAppendsTheEntryText() {
    QFETCH(QString, typed);
    QFETCH(QStringList, rows);
    Type(typed);
    clickAdd();
    QCOMPARE(Rows(pending()), rows);
    QCOMPARE(entry()->text(), typed);
    QVERIFY(boxes_->Boxes().isEmpty());
  }

  void addTwiceAppendsTwoCopiesAndKeepsSelection() {
    SetRows(pending(), {"a", "b", "c"});
    ClickRow(pending(), 1);
    entry()->setFocus();
    entry()->clear();
    Type("new");
    clickAdd();
    clickAdd();
    QCOMPARE(Rows(pending()), (QStringList{"a", "b", "c", "new", "new"}));
    QCOMPARE(pending()->ItemIndex(), 1);
    QCOMPARE(entry()->text(), QStringLiteral("new"));
    // The Add button never takes the focus, so typing goes on in the entry box.
    QCOMPARE(QApplication::focusWidget(), entry());
  }

  void enterAndEscapeInTheEntryBoxAddNothing() {
    Type("item");
    Press(Qt::Key_Return);
    Press(Qt::Key_Enter);
    Press(Qt::Key_Escape);
    Press(Qt::Key_Space);
    QVERIFY(Rows(pending()).isEmpty());
    QCOMPARE(entry()->text(), QStringLiteral("item "));
    QVERIFY(Form1->isVisible());
  }

  void completeMovesTheSelectedRowToTheEnd() {
    SetRows(pending(), {"A", "B", "C"});
    SetRows(completed(), {"x", "y"});
    ClickRow(completed(), 0);
    ClickRow(pending(), 1);
    choose(pending(), 1, "设置为完成事项");
    QCOMPARE(Rows(pending()), (QStringList{"A", "C"}));
    QCOMPARE(pending()->ItemIndex(), -1);
    QCOMPARE(Rows(completed()), (QStringList{"x", "y", "B"}));
    QCOMPARE(completed()->ItemIndex(), 0);
    // At once again: no row is selected, so nothing happens.
    choose(pending(), 0, "设置为完成事项");
    QCOMPARE(Rows(pending()), (QStringList{"A", "C"}));
    QCOMPARE(Rows(completed()), (QStringList{"x", "y", "B"}));
  }

  void reopenPutsTheItemAtTheEndOfThePendingList() {
    SetRows(pending(), {"A", "B", "C"});
    ClickRow(pending(), 0);
    choose(pending(), 0, "设置为完成事项");
    ClickRow(completed(), 0);
    choose(completed(), 0, "设置为待办事项");
    QCOMPARE(Rows(pending()), (QStringList{"B", "C", "A"}));
    QVERIFY(Rows(completed()).isEmpty());
    QCOMPARE(completed()->ItemIndex(), -1);
    // Picking "A" happened at the first click only; the pending selection is untouched.
    QCOMPARE(pending()->ItemIndex(), -1);
  }

  void commandsActOnTheSelectedOneOfEqualRows_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("pendingAfter");
    QTest::addColumn<QStringList>("completedAfter");
    QTest::newRow("complete") << "设置为完成事项" << QStringList{"same", "other"}
                              << QStringList{"same"};
    QTest::newRow("delete") << "删除该事项" << QStringList{"same", "other"} << QStringList{};
  }
  void commandsActOnTheSelectedOneOfEqualRows() {
    QFETCH(QString, item);
    QFETCH(QStringList, pendingAfter);
    QFETCH(QStringList, completedAfter);
    SetRows(pending(), {"same", "other", "same"});
    ClickRow(pending(), 2);
    choose(pending(), 2, item);
    QCOMPARE(Rows(pending()), pendingAfter);
    QCOMPARE(Rows(completed()), completedAfter);
    QCOMPARE(pending()->ItemIndex(), -1);
  }

  void menuCommandsWithoutSelectionDoNothing_data() {
    QTest::addColumn<bool>("onPending");
    QTest::addColumn<QString>("item");
    QTest::newRow("complete") << true << "设置为完成事项";
    QTest::newRow("delete pending") << true << "删除该事项";
    QTest::newRow("reopen") << false << "设置为待办事项";
    QTest::newRow("delete completed") << false << "删除该事项";
  }
  void menuCommandsWithoutSelectionDoNothing() {
    QFETCH(bool, onPending);
    QFETCH(QString, item);
    SetRows(pending(), {"p1", "p2"});
    SetRows(completed(), {"c1", "c2"});
    choose(onPending ? pending() : completed(), 1, item);
    QCOMPARE(Rows(pending()), (QStringList{"p1", "p2"}));
    QCOMPARE(Rows(completed()), (QStringList{"c1", "c2"}));
    QVERIFY(boxes_->Boxes().isEmpty());
  }

  void rightClickNeverChangesTheSelection() {
    SetRows(pending(), {"a", "b", "c"});
    ClickRow(pending(), 0);
    entry()->setFocus();
    RightClick(pending()->RowArea()->viewport(), RowCenter(pending(), 2));
    QVERIFY(OpenPopup());
    QCOMPARE(pending()->ItemIndex(), 0);
    ChooseItem("删除该事项");
    // The row selected before the menu opened is the one deleted, not the one clicked.
    QCOMPARE(Rows(pending()), (QStringList{"b", "c"}));
    QCOMPARE(Form1->focusWidget(), entry());
  }

  void popupOpensOverAnyPartOfTheList_data() {
    QTest::addColumn<QString>("part");
    QTest::newRow("a row") << "row";
    QTest::newRow("blank area below the rows") << "blank";
    QTest::newRow("the outer frame") << "frame";
    QTest::newRow("the scroll bar") << "scrollbar";
  }
  void popupOpensOverAnyPartOfTheList() {
    QFETCH(QString, part);
    QStringList many;
    for (int i = 0; i < 40; ++i) many << QString::number(i);
    SetRows(completed(), many);
    QVERIFY(QTest::qWaitFor([&] { return completed()->RowArea()->verticalScrollBar()->isVisible(); }));
    QWidget* target = completed()->RowArea()->viewport();
    QPoint at = RowCenter(completed(), 1);
    if (part == "blank") {
      SetRows(completed(), {"only"});
      at = QPoint(30, target->height() - 5);
    } else if (part == "frame") {
      target = completed();
      at = QPoint(1, 1);
    } else if (part == "scrollbar") {
      target = completed()->RowArea()->verticalScrollBar();
      at = QPoint(target->width() / 2, target->height() / 2);
    }
    RightClick(target, at);
    QMenu* menu = OpenPopup();
    QVERIFY(menu);
    QCOMPARE(ItemTexts(menu), (QStringList{"设置为待办事项", "删除该事项"}));
    QVERIFY(menu->geometry().contains(target->mapToGlobal(at) + QPoint(2, 2)));
    QCOMPARE(completed()->ItemIndex(), -1);
  }

  void popupFromTheKeyboardOpensAtTheTopLeftCorner_data() {
    QTest::addColumn<bool>("menuKey");
    QTest::newRow("menu key") << true;
    QTest::newRow("Shift+F10") << false;
  }
  void popupFromTheKeyboardOpensAtTheTopLeftCorner() {
    QFETCH(bool, menuKey);
    SetRows(pending(), {"a"});
    Press(Qt::Key_Tab);
    QWidget* rows = pending()->RowArea();
    QCOMPARE(QApplication::focusWidget(), rows);
    if (menuKey) {
      // The window system turns the menu key into a keyboard context-menu request.
      QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(3, 3), rows->mapToGlobal(QPoint(3, 3)));
      QApplication::sendEvent(rows, &request);
    } else {
      Press(Qt::Key_F10, Qt::ShiftModifier);
    }
    QMenu* menu = OpenPopup();
    QVERIFY(menu);
    QCOMPARE(ItemTexts(menu), (QStringList{"设置为完成事项", "删除该事项"}));
    QCOMPARE(menu->pos(), pending()->mapToGlobal(QPoint(0, 0)));
  }

  void pickCopiesTheClickedRowIntoTheEntryBox() {
    SetRows(pending(), {"  first  ", "", "third"});
    Type("typed");
    ClickRow(pending(), 0);
    QCOMPARE(entry()->text(), QStringLiteral("  first  "));
    QCOMPARE(QApplication::focusWidget(), pending()->RowArea());
    ClickRow(pending(), 1);
    QCOMPARE(entry()->text(), QString());
    // Double click: no more than a click.
    QTest::mouseDClick(pending()->RowArea()->viewport(), Qt::LeftButton, {}, RowCenter(pending(), 2));
    QCOMPARE(entry()->text(), QStringLiteral("third"));
    QCOMPARE(Rows(pending()), (QStringList{"  first  ", "", "third"}));
  }

  void pickedRowIsNotChangedByEditingAndAdding() {
    SetRows(pending(), {"milk"});
    ClickRow(pending(), 0);
    entry()->setFocus();
    entry()->end(false);
    Type(" x");
    clickAdd();
    QCOMPARE(Rows(pending()), (QStringList{"milk", "milk x"}));
  }

  void selectingCompletedRowsNeverTouchesTheEntryBox() {
    SetRows(completed(), {"done"});
    Type("keep");
    ClickRow(completed(), 0);
    Press(Qt::Key_Home);
    Type("d");
    QCOMPARE(completed()->ItemIndex(), 0);
    QCOMPARE(entry()->text(), QStringLiteral("keep"));
  }

  void blankAreaClickSelectsNothing() {
    SetRows(pending(), {"a"});
    Type("typed");
    QTest::mouseClick(pending()->RowArea()->viewport(), Qt::LeftButton, {},
                      QPoint(20, pending()->RowArea()->viewport()->height() - 3));
    QCOMPARE(pending()->ItemIndex(), -1);
    QCOMPARE(entry()->text(), QStringLiteral("typed"));
  }

  void navigationKeysSelectAndPick_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");
    QTest::newRow("down from none") << -1 << int(Qt::Key_Down) << 0;
    QTest::newRow("down") << 1 << int(Qt::Key_Down) << 2;
    QTest::newRow("up") << 2 << int(Qt::Key_Up) << 1;
    QTest::newRow("home") << 3 << int(Qt::Key_Home) << 0;
    QTest::newRow("end") << 0 << int(Qt::Key_End) << 29;
    QTest::newRow("page down") << 0 << int(Qt::Key_PageDown) << 8;
    QTest::newRow("page up clamps") << 3 << int(Qt::Key_PageUp) << 0;
  }
  void navigationKeysSelectAndPick() {
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, expected);
    QStringList rows;
    for (int i = 0; i < 30; ++i) rows << QStringLiteral("row %1").arg(i);
    SetRows(pending(), rows);
    pending()->SetItemIndex(start);
    pending()->RowArea()->setFocus();
    Press(Qt::Key(key));
    QCOMPARE(pending()->ItemIndex(), expected);
    QCOMPARE(entry()->text(), rows[expected]);
    // The selected row is brought into view by the list's own navigation.
    QVERIFY(pending()->RowArea()->viewport()->rect().contains(
        pending()->RowArea()->RowRect(expected)));
  }

  void navigationAtTheEndRaisesNoClick() {
    SetRows(pending(), {"a", "b"});
    ClickRow(pending(), 1);
    entry()->setText("typed");
    pending()->RowArea()->setFocus();
    Press(Qt::Key_Down);
    QCOMPARE(pending()->ItemIndex(), 1);
    QCOMPARE(entry()->text(), QStringLiteral("typed"));
  }

  void typeAheadFindsTheFirstMatchingRow_data() {
    QTest::addColumn<QStringList>("keys");  // "+N" advances the clock by N ms
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("entryText");
    QTest::newRow("a p selects Apple") << QStringList{"a", "p"} << 0 << "Apple";
    QTest::newRow("a p r selects apricot") << QStringList{"a", "p", "r"} << 1 << "apricot";
    QTest::newRow("case ignored") << QStringList{"A", "P", "R"} << 1 << "apricot";
    QTest::newRow("no match changes nothing") << QStringList{"z"} << -1 << "typed";
    QTest::newRow("a miss keeps the last match") << QStringList{"a", "p", "x"} << 0 << "Apple";
    QTest::newRow("pause starts a new prefix") << QStringList{"a", "+500", "b"} << 2 << "banana";
    QTest::newRow("just under the pause goes on") << QStringList{"a", "+499", "p", "r"} << 1 << "apricot";
    QTest::newRow("Chinese prefix") << QStringList{"买"} << 3 << "买牛奶";
    QTest::newRow("backspace shortens the prefix")
        << QStringList{"a", "p", "r", "\b"} << 0 << "Apple";
    QTest::newRow("backspace to empty selects row 0") << QStringList{"b", "\b"} << 0 << "Apple";
    QTest::newRow("backspace after a pause selects row 0")
        << QStringList{"b", "+600", "\b"} << 0 << "Apple";
  }
  void typeAheadFindsTheFirstMatchingRow() {
    QFETCH(QStringList, keys);
    QFETCH(int, expected);
    QFETCH(QString, entryText);
    SetRows(pending(), {"Apple", "apricot", "banana", "买牛奶"});
    entry()->setText("typed");
    pending()->RowArea()->setFocus();
    for (const QString& key : keys) {
      if (key.startsWith('+')) {
        now_ += key.mid(1).toULongLong();
      } else if (key == "\b") {
        Press(Qt::Key_Backspace);
      } else {
        Type(key);
      }
    }
    QCOMPARE(pending()->ItemIndex(), expected);
    QCOMPARE(entry()->text(), entryText);
  }

  void typeAheadRepeatsTheClickOnTheSameRow() {
    SetRows(pending(), {"Apple", "apricot"});
    pending()->RowArea()->setFocus();
    Type("a");
    QCOMPARE(entry()->text(), QStringLiteral("Apple"));
    entry()->setText("changed");
    now_ += 1000;
    Type("a");
    QCOMPARE(entry()->text(), QStringLiteral("Apple"));
  }

  void backspaceInAnEmptyListDoesNothing() {
    pending()->RowArea()->setFocus();
    now_ += 1000;
    Press(Qt::Key_Backspace);
    QCOMPARE(pending()->ItemIndex(), -1);
    QVERIFY(boxes_->Boxes().isEmpty());
  }

  void aFullListReportsAndKeepsTheLists_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("add") << "add";
    QTest::newRow("complete") << "complete";
  }
  void aFullListReportsAndKeepsTheLists() {
    QFETCH(QString, command);
    SetRows(pending(), {"a", "b"});
    SetRows(completed(), {"c"});
    pending()->Items().SetMaxCount(2);
    completed()->Items().SetMaxCount(1);
    if (command == "add") {
      Type("new");
      clickAdd();
    } else {
      ClickRow(pending(), 0);
      choose(pending(), 0, "设置为完成事项");
    }
    QCOMPARE(boxes_->Texts(), QStringList{"Unable to insert a line."});
    QCOMPARE(boxes_->Boxes().first().caption, QStringLiteral("Brenvik"));
    QCOMPARE(boxes_->Boxes().first().icon, QMessageBox::Critical);
    QCOMPARE(boxes_->Boxes().first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(Rows(pending()), (QStringList{"a", "b"}));
    QCOMPARE(Rows(completed()), QStringList{"c"});
    // The lists stay usable.
    pending()->Items().SetMaxCount(10);
    entry()->setText("later");
    clickAdd();
    QCOMPARE(Rows(pending()).last(), QStringLiteral("later"));
  }

  void rowsAreBytesKeptExactly() {
    // Bytes that are not UTF-8 survive a move between the lists untouched.
    pending()->Items().Add(std::string("\xff\xfe raw \x80", 9));
    ClickRow(pending(), 0);
    choose(pending(), 0, "设置为完成事项");
    QCOMPARE(std::string(completed()->Items()[0]), std::string("\xff\xfe raw \x80", 9));
  }

  void longRowsComeBackWhole() {
    const QString longRow(100000, QLatin1Char('x'));
    SetRows(pending(), {longRow});
    ClickRow(pending(), 0);
    QCOMPARE(entry()->text().size(), longRow.size());
    clickAdd();
    QCOMPARE(Rows(pending()).last(), longRow);
  }
};

BRENVIK_GUI_TEST_MAIN(ListCommandsTest)
#include "tst_listcommands.moc"
