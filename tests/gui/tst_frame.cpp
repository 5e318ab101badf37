// The skinned frame: caption buttons, the system menu, moving, resizing, maximizing, rolling up
// and minimizing, through real mouse events on the window.
#include <QApplication>
#include <QScreen>

#include "harness.h"

class FrameTest : public QObject {
  Q_OBJECT

 private:
  TbsBusinessSkinForm* frame() { return Form1->bsBusinessSkinForm1; }
  void clickButton(TbsSkinCaptionButton::Kind kind) {
    QTest::mouseClick(frame()->CaptionButton(kind), Qt::LeftButton);
  }
  QRect workArea() { return Form1->screen()->availableGeometry(); }
  QPoint captionPoint() { return QPoint(120, 12); }
  // Presses at `from` (form coordinates), moves by `by` in steps, releases.
  void drag(const QPoint& from, const QPoint& by) {
    QTest::mousePress(Form1, Qt::LeftButton, {}, from);
    const QPoint start = Form1->mapToGlobal(from);
    for (int step = 1; step <= 4; ++step) {
      const QPoint global = start + by * step / 4;
      QTest::mouseMove(Form1, Form1->mapFromGlobal(global));
    }
    QTest::mouseRelease(Form1, Qt::LeftButton, {}, Form1->mapFromGlobal(start + by));
  }
  QStringList systemMenuItems() {
    QTest::mouseClick(frame()->CaptionButton(TbsSkinCaptionButton::SystemMenu), Qt::LeftButton);
    QMenu* menu = OpenPopup();
    const QStringList items = menu ? ItemTexts(menu) : QStringList{"no menu"};
    CloseOpenPopups();
    return items;
  }

  MessageBoxRecorder* boxes_ = nullptr;
  QList<QRect> designed_;

 private Q_SLOTS:
  void init() {
    boxes_ = new MessageBoxRecorder;
    OpenMainWindow();
    designed_.clear();
    for (QWidget* w : Form1->ClientArea()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
      designed_ << w->geometry();
  }
  void cleanup() {
    CloseMainWindow();
    delete boxes_;
  }

  void frameMetricsComeFromTheSkin() {
    QCOMPARE(frame()->CaptionHeight(), 27);
    QCOMPARE(frame()->Borders(), QMargins(7, 27, 7, 7));
    QCOMPARE(Form1->minimumSize(), QSize(200, 34));
    for (auto kind : {TbsSkinCaptionButton::SystemMenu, TbsSkinCaptionButton::Minimize,
                      TbsSkinCaptionButton::Maximize, TbsSkinCaptionButton::RollUp,
                      TbsSkinCaptionButton::Close}) {
      TbsSkinCaptionButton* b = frame()->CaptionButton(kind);
      QVERIFY(b->isVisible());
      QCOMPARE(b->focusPolicy(), Qt::NoFocus);
      QVERIFY(b->geometry().bottom() < 27);
    }
  }

  void maximizeFillsTheWorkAreaAndRestoreBringsTheBoundsBack_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("buttons") << "button";
    QTest::newRow("system menu") << "menu";
    QTest::newRow("double click on the caption") << "dblclick";
  }
  void maximizeFillsTheWorkAreaAndRestoreBringsTheBoundsBack() {
    QFETCH(QString, how);
    const QRect before = Form1->geometry();
    auto toggle = [&](const QString& item) {
      if (how == "button") {
        clickButton(TbsSkinCaptionButton::Maximize);
      } else if (how == "menu") {
        QTest::mouseClick(frame()->CaptionButton(TbsSkinCaptionButton::SystemMenu), Qt::LeftButton);
        ChooseItem(item);
      } else {
        QTest::mouseDClick(Form1, Qt::LeftButton, {}, captionPoint());
      }
    };
    toggle("Maximize");
    QCOMPARE(frame()->FrameState(), TbsFrameState::Maximized);
    QCOMPARE(Form1->geometry(), workArea());
    QCOMPARE(frame()->CaptionButton(TbsSkinCaptionButton::Maximize)->text(), QStringLiteral("Restore"));
    // Controls neither move nor stretch; the extra space stays empty.
    QList<QRect> now;
    for (QWidget* w : Form1->ClientArea()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
      now << w->geometry();
    QCOMPARE(now, designed_);
    toggle("Restore");
    QCOMPARE(frame()->FrameState(), TbsFrameState::Normal);
    QCOMPARE(Form1->geometry(), before);
  }

  void rollUpLeavesTheCaptionBarAndRollDownBringsTheHeightBack() {
    const QRect before = Form1->geometry();
    clickButton(TbsSkinCaptionButton::RollUp);
    QCOMPARE(frame()->FrameState(), TbsFrameState::RolledUp);
    QCOMPARE(Form1->geometry(), QRect(before.topLeft(), QSize(before.width(), 34)));
    QCOMPARE(Form1->ClientArea()->height(), 0);
    QCOMPARE(systemMenuItems(), (QStringList{"Minimize", "Maximize", "Restore", "-", "Close"}));
    QTest::mouseDClick(Form1, Qt::LeftButton, {}, captionPoint());
    QCOMPARE(frame()->FrameState(), TbsFrameState::Normal);
    QCOMPARE(Form1->geometry(), before);
    QCOMPARE(Form1->ClientArea()->size(), QSize(610, 512));
  }

  void rollingUpAMaximizedWindowComesBackMaximized() {
    clickButton(TbsSkinCaptionButton::Maximize);
    clickButton(TbsSkinCaptionButton::RollUp);
    QCOMPARE(Form1->height(), 34);
    QCOMPARE(Form1->width(), workArea().width());
    clickButton(TbsSkinCaptionButton::RollUp);
    QCOMPARE(frame()->FrameState(), TbsFrameState::Maximized);
    QCOMPARE(Form1->geometry(), workArea());
  }

  void systemMenuHoldsTheItemsOfTheState() {
    QCOMPARE(systemMenuItems(), (QStringList{"Minimize", "Maximize", "Roll up", "-", "Close"}));
    clickButton(TbsSkinCaptionButton::Maximize);
    QCOMPARE(systemMenuItems(), (QStringList{"Minimize", "Restore", "Roll up", "-", "Close"}));
  }

  void rightPressOnTheCaptionOpensTheSystemMenuAtThePointer() {
    QTest::mousePress(Form1, Qt::RightButton, {}, captionPoint());
    QMenu* menu = OpenPopup();
    QVERIFY(menu);
    QCOMPARE(menu->objectName(), QStringLiteral("systemMenu"));
    QCOMPARE(menu->pos(), Form1->mapToGlobal(captionPoint()));
    ChooseItem("Roll up");
    QCOMPARE(frame()->FrameState(), TbsFrameState::RolledUp);
  }

  void draggingTheCaptionMovesTheWindow() {
    const QPoint before = Form1->pos();
    drag(captionPoint(), QPoint(40, 25));
    QCOMPARE(Form1->pos(), before + QPoint(40, 25));
    QCOMPARE(Form1->size(), QSize(624, 546));
  }

  void aMaximizedWindowDoesNotMoveOrResize() {
    clickButton(TbsSkinCaptionButton::Maximize);
    drag(captionPoint(), QPoint(40, 25));
    drag(QPoint(Form1->width() - 2, Form1->height() - 2), QPoint(-100, -100));
    QCOMPARE(Form1->geometry(), workArea());
  }

  void resizingStopsAtTheSkinsMinimum_data() {
    QTest::addColumn<QString>("grip");
    QTest::addColumn<QPoint>("by");
    QTest::addColumn<QRect>("expected");  // relative to the designed bounds' top-left
    QTest::newRow("bottom-right corner inwards") << "br" << QPoint(-900, -900) << QRect(0, 0, 200, 34);
    QTest::newRow("right border") << "r" << QPoint(-100, 50) << QRect(0, 0, 524, 546);
    QTest::newRow("bottom border") << "b" << QPoint(80, -46) << QRect(0, 0, 624, 500);
    QTest::newRow("left border") << "l" << QPoint(24, 0) << QRect(24, 0, 600, 546);
    QTest::newRow("top grip") << "t" << QPoint(0, 46) << QRect(0, 46, 624, 500);
    QTest::newRow("top-left corner inwards") << "tl" << QPoint(900, 900) << QRect(424, 512, 200, 34);
  }
  void resizingStopsAtTheSkinsMinimum() {
    QFETCH(QString, grip);
    QFETCH(QPoint, by);
    QFETCH(QRect, expected);
    const int w = Form1->width(), h = Form1->height();
    const QPoint at = grip == "br" ? QPoint(w - 2, h - 2)
                    : grip == "r"  ? QPoint(w - 2, h / 2)
                    : grip == "b"  ? QPoint(w / 2, h - 2)
                    : grip == "l"  ? QPoint(2, h / 2)
                    : grip == "t"  ? QPoint(w / 2, 1)
                                   : QPoint(1, 1);
    const QPoint origin = Form1->pos();
    drag(at, by);
    QCOMPARE(Form1->geometry(), expected.translated(origin));
    QCOMPARE(frame()->FrameState(), TbsFrameState::Normal);
  }

  void resizingStopsAtTheWorkArea() {
    drag(QPoint(Form1->width() - 2, Form1->height() - 2), QPoint(5000, 5000));
    QVERIFY(Form1->width() <= workArea().width());
    QVERIFY(Form1->height() <= workArea().height());
  }

  void hitTestFindsTheBorders_data() {
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("edges");
    QTest::newRow("caption") << QPoint(300, 12) << 0;
    QTest::newRow("client") << QPoint(300, 300) << 0;
    QTest::newRow("left border") << QPoint(3, 300) << int(Qt::LeftEdge);
    QTest::newRow("right border") << QPoint(620, 300) << int(Qt::RightEdge);
    QTest::newRow("bottom border") << QPoint(300, 542) << int(Qt::BottomEdge);
    QTest::newRow("top grip") << QPoint(300, 1) << int(Qt::TopEdge);
    QTest::newRow("bottom-left corner") << QPoint(10, 543) << int(Qt::LeftEdge | Qt::BottomEdge);
    QTest::newRow("right border near the top") << QPoint(621, 8) << int(Qt::RightEdge | Qt::TopEdge);
    QTest::newRow("outside") << QPoint(700, 300) << 0;
  }
  void hitTestFindsTheBorders() {
    QFETCH(QPoint, pos);
    QFETCH(int, edges);
    QCOMPARE(int(FrameHitTest(QSize(624, 546), pos, QMargins(7, 27, 7, 7), 4, 16)), edges);
  }

  void bordersShowTheResizeCursor() {
    QTest::mouseMove(Form1, QPoint(Form1->width() - 2, Form1->height() - 2));
    QTRY_COMPARE(Form1->cursor().shape(), Qt::SizeFDiagCursor);
    QTest::mouseMove(Form1, QPoint(2, 300));
    QTRY_COMPARE(Form1->cursor().shape(), Qt::SizeHorCursor);
    QTest::mouseMove(Form1, captionPoint());
    QTRY_COMPARE(Form1->cursor().shape(), Qt::ArrowCursor);
    // The controls keep their own cursors whatever the frame showed last.
    QCOMPARE(Form1->ClientArea()->cursor().shape(), Qt::ArrowCursor);
  }

  void minimizeSendsTheWindowToTheTaskbar() {
    clickButton(TbsSkinCaptionButton::Maximize);
    clickButton(TbsSkinCaptionButton::Minimize);
    QVERIFY(Form1->windowState() & Qt::WindowMinimized);
    // Restored from the taskbar, it is as it was.
    Form1->showNormal();
    QCOMPARE(frame()->FrameState(), TbsFrameState::Maximized);
    QCOMPARE(Form1->geometry(), workArea());
  }
};

BRENVIK_GUI_TEST_MAIN(FrameTest)
#include "tst_frame.moc"
