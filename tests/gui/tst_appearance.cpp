// The skinned look, the entry box's own menu and input method, the author link and the icon.
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QTextLayout>

#include "harness.h"
#include "platform/forms/sysutils.h"
#include "platform/skin/skinmenu.h"
#include "platform/system/keyboard.h"
#include "platform/system/shell.h"

namespace {

// A keyboard-layout service that records what is asked of it.
class FakeLayouts : public TKeyboardLayouts {
 public:
  bool doubleByte = true;
  bool activationWorks = true;
  std::string active = "xkb:us";
  std::vector<TKeyboardLayout> installed{{"xkb:us", "English (US)"},
                                         {"pinyin", "中文 (简体) - 全拼"},
                                         {"anthy", "Japanese - Anthy"}};
  std::vector<std::string> activations;

  bool DoubleByteSystem() const override { return doubleByte; }
  std::string ActiveLayout() override { return active; }
  std::vector<TKeyboardLayout> InstalledLayouts() override { return installed; }
  bool ActivateLayout(const std::string& id) override {
    activations.push_back(id);
    if (activationWorks) active = id;
    return activationWorks;
  }
};

// The stored skin's files, to build skins that lack one entry.
QMap<QString, QByteArray> StoredSkinFiles() {
  QFile file(":/skins/OSVista.skn");
  file.open(QIODevice::ReadOnly);
  const QByteArray archive = qUncompress(file.readAll());
  QMap<QString, QByteArray> files;
  for (qsizetype at = 0; at < archive.size();) {
    const qsizetype nameEnd = archive.indexOf('\n', at);
    const qsizetype sizeEnd = archive.indexOf('\n', nameEnd + 1);
    const qsizetype size = archive.mid(nameEnd + 1, sizeEnd - nameEnd - 1).toLongLong();
    files.insert(QString::fromUtf8(archive.mid(at, nameEnd - at)), archive.mid(sizeEnd + 1, size));
    at = sizeEnd + 1 + size;
  }
  return files;
}

// The stored skin without the named section.
QByteArray SkinWithout(const QString& section) {
  QMap<QString, QByteArray> files = StoredSkinFiles();
  QStringList kept;
  bool skipping = false;
  for (const QString& line : QString::fromUtf8(files["skin.ini"]).split('\n')) {
    if (line.startsWith('[')) skipping = line == "[" + section + "]";
    if (!skipping) kept << line;
  }
  files["skin.ini"] = kept.join('\n').toUtf8();
  QByteArray archive;
  for (auto it = files.begin(); it != files.end(); ++it)
    archive += it.key().toUtf8() + '\n' + QByteArray::number(it.value().size()) + '\n' + it.value();
  return qCompress(archive);
}

int CellHeight(const QFont& font) { return QFontMetrics(font).height(); }

}  // namespace

class AppearanceTest : public QObject {
  Q_OBJECT

 private:
  MessageBoxRecorder* boxes_ = nullptr;
  FakeLayouts* layouts_ = nullptr;
  std::vector<std::pair<std::string, unsigned>> launches_;

  void hover(QWidget* widget) {
    QTest::mouseMove(widget, widget->rect().center());
    QTest::qWait(20);
  }
  void unhover() {
    QTest::mouseMove(Form1->ClientArea(), QPoint(600, 500));
    QTest::qWait(20);
  }
  QMenu* openEditMenu(QContextMenuEvent::Reason reason, const QPoint& at = QPoint(20, 8)) {
    QContextMenuEvent request(reason, at, Form1->bsSkinEdit1->mapToGlobal(at));
    QApplication::sendEvent(Form1->bsSkinEdit1, &request);
    return OpenPopup();
  }
  QMap<QString, bool> enabledItems(QMenu* menu) {
    QMap<QString, bool> items;
    for (QAction* a : menu->actions())
      if (!a->isSeparator()) items[a->text()] = a->isEnabled();
    return items;
  }

 private Q_SLOTS:
  void init() {
    boxes_ = new MessageBoxRecorder;
    layouts_ = new FakeLayouts;
    SetKeyboardLayoutsForTesting(layouts_);
    launches_.clear();
    SetWinExecHookForTesting([this](const std::string& line, unsigned show) {
      launches_.emplace_back(line, show);
      return 33u;
    });
    QGuiApplication::clipboard()->clear();
    OpenMainWindow();
  }
  void cleanup() {
    if (Form1) CloseMainWindow();
    SetKeyboardLayoutsForTesting(nullptr);
    SetWinExecHookForTesting({});
    delete layouts_;
    delete boxes_;
  }

  void theStoredSkinIsDecodedWithEveryEntry() {
    TbsSkinData* skin = Form1->bsSkinData1;
    QCOMPARE(Form1->bsCompressedStoredSkin1->CompressedData().isEmpty(), false);
    QCOMPARE(skin->CompressedStoredSkin(), Form1->bsCompressedStoredSkin1);
    QVERIFY(skin->SkinnableForm());
    QVERIFY(skin->EnableSkinEffects());
    QCOMPARE(skin->SkinName(), QStringLiteral("OSVista"));
    for (const char* name : {"stdlabel", "edit", "button", "listbox", "frame", "caption",
                             "popupwindow", "menuitem", "hint"})
      QVERIFY2(skin->Entry(name), name);
    // Names match exactly, case included.
    QVERIFY(!skin->Entry("StdLabel"));
    QVERIFY(!skin->Entry("Edit"));
    QCOMPARE(Form1->bsSkinButtonLabel1->SkinDataName(), QStringLiteral("stdlabel"));
    QCOMPARE(Form1->bsSkinLinkLabel1->SkinDataName(), QStringLiteral("stdlabel"));
    QCOMPARE(Form1->bsSkinEdit1->SkinDataName(), QStringLiteral("edit"));
    QCOMPARE(Form1->bsSkinXFormButton1->SkinDataName(), QStringLiteral("button"));
    QCOMPARE(Form1->bsSkinListBox1->SkinDataName(), QStringLiteral("listbox"));
  }

  void aDamagedSkinIsAClearError() {
    TbsSkinData skin(nullptr);
    bool failed = false;
    try {
      skin.LoadCompressed("not a skin");
    } catch (const Exception& e) {
      failed = e.Message() == "The stored skin is damaged";
    }
    QVERIFY(failed);
  }

  void theSkinSetsHeightsAndKeepsTheRest() {
    QCOMPARE(Form1->bsSkinEdit1->geometry(), QRect(80, 24, 417, 19));
    QCOMPARE(Form1->bsSkinXFormButton1->geometry(), QRect(515, 22, 75, 21));
    QCOMPARE(Form1->bsSkinListBox1->ItemHeight(), 19);
    QCOMPARE(Form1->bsSkinListBox2->ItemHeight(), 19);
    QCOMPARE(Form1->bsSkinListBox1->geometry(), QRect(16, 56, 577, 193));
    SetRows(Form1->bsSkinListBox1, {"a", "b"});
    QCOMPARE(Form1->bsSkinListBox1->RowArea()->RowRect(1).top(), 19);
  }

  void everyControlFallsBackWithoutItsEntry_data() {
    QTest::addColumn<QString>("entry");
    QTest::newRow("stdlabel") << "stdlabel";
    QTest::newRow("edit") << "edit";
    QTest::newRow("button") << "button";
    QTest::newRow("listbox") << "listbox";
  }
  void everyControlFallsBackWithoutItsEntry() {
    QFETCH(QString, entry);
    Form1->bsSkinData1->LoadCompressed(SkinWithout(entry));
    QVERIFY(!Form1->bsSkinData1->Entry(entry));
    if (entry == "stdlabel") {
      for (TbsSkinStdLabel* label : {static_cast<TbsSkinStdLabel*>(Form1->bsSkinButtonLabel1),
                                     static_cast<TbsSkinStdLabel*>(Form1->bsSkinLinkLabel1)}) {
        hover(label);
        QTRY_COMPARE(label->CurrentFontColor(), QColor(0, 0, 255));
        QCOMPARE(label->CurrentFont().family(), QStringLiteral("Arial"));
        QCOMPARE(CellHeight(label->CurrentFont()), 14);
      }
      QCOMPARE(Form1->bsSkinLinkLabel1->CurrentFont().underline(), true);
    } else if (entry == "edit") {
      QCOMPARE(Form1->bsSkinEdit1->geometry(), QRect(80, 24, 417, 18));
      QCOMPARE(CellHeight(Form1->bsSkinEdit1->font()), 14);
    } else if (entry == "button") {
      QCOMPARE(Form1->bsSkinXFormButton1->geometry(), QRect(515, 22, 75, 25));
    } else {
      QCOMPARE(Form1->bsSkinListBox1->ItemHeight(), 20);
      QCOMPARE(Form1->bsSkinListBox2->ItemHeight(), 20);
    }
    // The other controls keep the skin.
    if (entry != "edit") QCOMPARE(Form1->bsSkinEdit1->height(), 19);
    if (entry != "listbox") QCOMPARE(Form1->bsSkinListBox1->ItemHeight(), 19);
  }

  void labelsTakeTheSkinsHoverColour() {
    for (TbsSkinStdLabel* label : {static_cast<TbsSkinStdLabel*>(Form1->bsSkinButtonLabel1),
                                   static_cast<TbsSkinStdLabel*>(Form1->bsSkinButtonLabel2),
                                   static_cast<TbsSkinStdLabel*>(Form1->bsSkinLinkLabel1)}) {
      hover(label);
      QTRY_COMPARE(label->CurrentFontColor(), QColor(0, 128, 255));
      unhover();
      QTRY_COMPARE(label->CurrentFontColor(), QColor(0, 0, 0));
    }
  }

  void hoverColourIsDrawn() {
    // Text drawn blue shows pixels far bluer than red; black text on grey shows none.
    auto blueDrawn = [](QWidget* w) {
      const QImage image = w->grab().toImage();
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          if (qBlue(image.pixel(x, y)) - qRed(image.pixel(x, y)) > 100) return true;
      return false;
    };
    TbsSkinButtonLabel* label = Form1->bsSkinButtonLabel1;
    unhover();
    QTRY_COMPARE(label->CurrentFontColor(), QColor(0, 0, 0));
    QVERIFY(!blueDrawn(label));
    hover(label);
    QTRY_COMPARE(label->CurrentFontColor(), QColor(0, 128, 255));
    QVERIFY(blueDrawn(label));
  }

  void fontsHaveTheirCellHeights_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("bold");
    QTest::newRow("caption label") << "label" << 14 << false;
    QTest::newRow("link") << "link" << 14 << false;
    QTest::newRow("entry box") << "edit" << 14 << false;
    QTest::newRow("Add button") << "button" << 14 << false;
    QTest::newRow("list rows") << "list" << 14 << false;
    QTest::newRow("window caption") << "caption" << 16 << true;
  }
  void fontsHaveTheirCellHeights() {
    QFETCH(QString, control);
    QFETCH(int, height);
    QFETCH(bool, bold);
    const QFont font = control == "label"    ? Form1->bsSkinButtonLabel1->CurrentFont()
                       : control == "link"   ? Form1->bsSkinLinkLabel1->CurrentFont()
                       : control == "edit"   ? Form1->bsSkinEdit1->font()
                       : control == "button" ? Form1->bsSkinXFormButton1->font()
                       : control == "list"   ? MakeFont(Form1->bsSkinListBox1->RowFont())
                                             : Form1->bsBusinessSkinForm1->CaptionFont();
    QCOMPARE(font.family(), QStringLiteral("Arial"));
    QCOMPARE(CellHeight(font), height);
    QCOMPARE(font.bold(), bold);
    // Arial resolves to a font with the same metrics.
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
  }

  void chineseTextIsDrawnWithAChineseFont() {
    QTextLayout layout(Form1->bsSkinButtonLabel1->Caption(), Form1->bsSkinButtonLabel1->CurrentFont());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    bool chinese = false;
    for (const QGlyphRun& run : layout.glyphRuns()) {
      const QString family = run.rawFont().familyName();
      chinese = chinese ||
                QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese);
      for (quint32 glyph : run.glyphIndexes()) QVERIFY2(glyph != 0, "a character without a glyph");
    }
    QVERIFY(chinese);
  }

  void theCaptionIsWhiteWhenActiveAndSilverWhenNot() {
    TbsBusinessSkinForm* frame = Form1->bsBusinessSkinForm1;
    QVERIFY(Form1->isActiveWindow());
    QCOMPARE(frame->CaptionColor(), QColor(255, 255, 255));
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(frame->CaptionColor(), QColor(192, 192, 192));
  }

  void colorsOfTheSkinTable() {
    QCOMPARE(Form1->bsSkinXFormButton1->CurrentFontColor(), QColor(0, 0, 0));
    QTest::mousePress(Form1->bsSkinXFormButton1, Qt::LeftButton);
    QCOMPARE(Form1->bsSkinXFormButton1->CurrentFontColor(), QColor(0, 0, 0));
    QTest::mouseRelease(Form1->bsSkinXFormButton1, Qt::LeftButton);
    QCOMPARE(Form1->bsSkinListBox1->RowFont().color, QColor(0, 0, 0));
    QCOMPARE(Form1->bsSkinListBox1->SelectedFontColor(), QColor(0, 0, 0));
    QCOMPARE(Form1->bsSkinEdit1->palette().color(QPalette::Text), QColor(0, 0, 0));
  }

  void theLinkIsUnderlinedAtTheTopLeftWithTheHand() {
    TbsSkinLinkLabel* link = Form1->bsSkinLinkLabel1;
    QVERIFY(link->UseUnderLine());
    QVERIFY(link->CurrentFont().underline());
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    // The text starts at the label's left edge: the leftmost dark pixel is in the first columns.
    const QImage image = link->grab().toImage();
    int left = image.width();
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) < 128) left = std::min(left, x);
    QVERIFY(left <= 2);
  }

  void allThreeMenusLookAlike() {
    QList<const TbsSkinMenuStyle*> styles;
    SetRows(Form1->bsSkinListBox1, {"a"});
    SetRows(Form1->bsSkinListBox2, {"b"});
    for (TbsSkinListBox* list : {Form1->bsSkinListBox1, Form1->bsSkinListBox2}) {
      RightClick(list->RowArea()->viewport(), RowCenter(list, 0));
      auto* menu = qobject_cast<TbsSkinMenu*>(OpenPopup());
      QVERIFY(menu);
      styles << menu->SkinStyle();
      CloseOpenPopups();
    }
    auto* editMenu = qobject_cast<TbsSkinMenu*>(openEditMenu(QContextMenuEvent::Mouse));
    QVERIFY(editMenu);
    styles << editMenu->SkinStyle();
    QCOMPARE(Form1->bsSkinPopupMenu1->SkinData(), Form1->bsSkinData1);
    for (const TbsSkinMenuStyle* style : styles) {
      QCOMPARE(style->SkinData(), Form1->bsSkinData1);
      QCOMPARE(style->ItemHeight(), 20);
      QCOMPARE(style->ItemFont().family, QStringLiteral("Arial"));
      QCOMPARE(style->ItemFont().height, 14);
      QCOMPARE(style->ItemFont().color, QColor(0, 0, 0));
    }
  }

  void entryBoxMenuItemsAreEnabledWhenTheyCanAct_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("select");  // "none", "part", "all"
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QStringList>("enabled");
    QTest::newRow("empty box, empty clipboard") << "" << "none" << "" << QStringList{};
    QTest::newRow("typed text") << "abc" << "none" << "" << QStringList{"Undo", "Select All"};
    QTest::newRow("part selected") << "abc" << "part" << ""
                                   << QStringList{"Undo", "Cut", "Copy", "Delete", "Select All"};
    QTest::newRow("all selected") << "abc" << "all" << ""
                                  << QStringList{"Undo", "Cut", "Copy", "Delete"};
    QTest::newRow("text in the clipboard") << "" << "none" << "paste me" << QStringList{"Paste"};
  }
  void entryBoxMenuItemsAreEnabledWhenTheyCanAct() {
    QFETCH(QString, text);
    QFETCH(QString, select);
    QFETCH(QString, clipboard);
    QFETCH(QStringList, enabled);
    if (!clipboard.isEmpty()) QGuiApplication::clipboard()->setText(clipboard);
    Type(text);
    if (select == "part") Form1->bsSkinEdit1->setSelection(0, 1);
    if (select == "all") Form1->bsSkinEdit1->selectAll();
    QMenu* menu = openEditMenu(QContextMenuEvent::Mouse);
    QVERIFY(menu);
    QCOMPARE(ItemTexts(menu),
             (QStringList{"Undo", "-", "Cut", "Copy", "Paste", "Delete", "-", "Select All"}));
    QStringList on;
    const auto items = enabledItems(menu);
    for (const char* item : {"Undo", "Cut", "Copy", "Paste", "Delete", "Select All"})
      if (items.value(item)) on << item;
    QCOMPARE(on, enabled);
  }

  void entryBoxMenuActsOnTheTextAndTheClipboard() {
    Type("hello world");
    Form1->bsSkinEdit1->setSelection(0, 6);
    openEditMenu(QContextMenuEvent::Mouse);
    ChooseItem("Cut");
    QCOMPARE(Form1->bsSkinEdit1->text(), QStringLiteral("world"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("hello "));
    Form1->bsSkinEdit1->setFocus();
    Form1->bsSkinEdit1->end(false);
    openEditMenu(QContextMenuEvent::Mouse);
    ChooseItem("Paste");
    QCOMPARE(Form1->bsSkinEdit1->text(), QStringLiteral("worldhello "));
    openEditMenu(QContextMenuEvent::Mouse);
    ChooseItem("Undo");
    QCOMPARE(Form1->bsSkinEdit1->text(), QStringLiteral("world"));
    openEditMenu(QContextMenuEvent::Mouse);
    ChooseItem("Select All");
    QCOMPARE(Form1->bsSkinEdit1->selectedText(), QStringLiteral("world"));
    openEditMenu(QContextMenuEvent::Mouse);
    ChooseItem("Delete");
    QCOMPARE(Form1->bsSkinEdit1->text(), QString());
  }

  void entryBoxMenuOpensAtThePointerOrAtTheCentre() {
    QMenu* menu = openEditMenu(QContextMenuEvent::Mouse, QPoint(30, 6));
    QVERIFY(menu);
    QCOMPARE(menu->pos(), Form1->bsSkinEdit1->mapToGlobal(QPoint(30, 6)));
    CloseOpenPopups();
    menu = openEditMenu(QContextMenuEvent::Keyboard);
    QVERIFY(menu);
    QCOMPARE(menu->pos(), Form1->bsSkinEdit1->mapToGlobal(Form1->bsSkinEdit1->rect().center()));
    CloseOpenPopups();
    Form1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
    Form1->bsSkinEdit1->setFocus();
    Press(Qt::Key_F10, Qt::ShiftModifier);
    menu = OpenPopup();
    QVERIFY(menu);
    QCOMPARE(menu->pos(), Form1->bsSkinEdit1->mapToGlobal(Form1->bsSkinEdit1->rect().center()));
  }

  void theEntryBoxTakesInputMethodText() {
    QInputMethodEvent preedit(QStringLiteral("mai"), {});
    QApplication::sendEvent(Form1->bsSkinEdit1, &preedit);
    QCOMPARE(Form1->bsSkinEdit1->text(), QString());  // composing, not yet text
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("买牛奶"));
    QApplication::sendEvent(Form1->bsSkinEdit1, &commit);
    QCOMPARE(Form1->bsSkinEdit1->text(), QStringLiteral("买牛奶"));
    QVERIFY(Form1->bsSkinEdit1->testAttribute(Qt::WA_InputMethodEnabled));
  }

  void theInputMethodFollowsTheEntryBoxsFocus() {
    // The window opened with the focus in the entry box.
    QCOMPARE(Form1->bsSkinEdit1->ImeName(), QStringLiteral("中文 (简体) - 全拼"));
    QCOMPARE(layouts_->active, std::string("pinyin"));
    ClickRow(Form1->bsSkinListBox1, 0);
    QCOMPARE(layouts_->active, std::string("xkb:us"));
    QTest::mouseClick(Form1->bsSkinEdit1, Qt::LeftButton);
    QCOMPARE(layouts_->active, std::string("pinyin"));
    // The Add button leaves the focus, and the input method, where they are.
    QTest::mouseClick(Form1->bsSkinXFormButton1, Qt::LeftButton);
    QCOMPARE(layouts_->active, std::string("pinyin"));
    // Whatever the user chose meanwhile, leaving brings back the start-up layout.
    layouts_->active = "anthy";
    Press(Qt::Key_Tab);
    QCOMPARE(layouts_->active, std::string("xkb:us"));
    QVERIFY(boxes_->Boxes().isEmpty());
  }

  void inputMethodCases_data() {
    QTest::addColumn<bool>("doubleByte");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("startup");
    QTest::addColumn<QStringList>("activations");  // at the start, then after Tab
    QTest::newRow("single-byte system never switches") << false << true << "xkb:us" << QStringList{};
    QTest::newRow("not installed: the start-up layout")
        << true << false << "xkb:us" << QStringList{"xkb:us", "xkb:us"};
    QTest::newRow("start-up layout is the input method")
        << true << true << "pinyin" << QStringList{"pinyin"};
  }
  void inputMethodCases() {
    QFETCH(bool, doubleByte);
    QFETCH(bool, installed);
    QFETCH(QString, startup);
    QFETCH(QStringList, activations);
    CloseMainWindow();
    layouts_->doubleByte = doubleByte;
    if (!installed) layouts_->installed.erase(layouts_->installed.begin() + 1);
    layouts_->active = startup.toStdString();
    SetKeyboardLayoutsForTesting(layouts_);
    layouts_->activations.clear();
    OpenMainWindow();
    Press(Qt::Key_Tab);
    QStringList seen;
    for (const std::string& id : layouts_->activations) seen << QString::fromStdString(id);
    QCOMPARE(seen, activations);
  }

  void aFailedSwitchIsNotReported() {
    layouts_->activationWorks = false;
    Press(Qt::Key_Tab);
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(boxes_->Boxes().isEmpty());
    QCOMPARE(QApplication::focusWidget(), Form1->bsSkinEdit1);
  }

  void theLinkStartsTheExplorerOncePerClick() {
    QTest::mouseClick(Form1->bsSkinLinkLabel1, Qt::LeftButton, {}, QPoint(10, 7));
    QCOMPARE(launches_.size(), std::size_t(1));
    QCOMPARE(launches_[0].first, std::string("explorer.exe  http://tamsel.example.com/"));
    QCOMPARE(launches_[0].second, 5u);
    QTest::mouseClick(Form1->bsSkinLinkLabel1, Qt::LeftButton, {}, QPoint(10, 7));
    QCOMPARE(launches_.size(), std::size_t(2));
    // Pressed on the link, released elsewhere: no click.
    QTest::mousePress(Form1->bsSkinLinkLabel1, Qt::LeftButton, {}, QPoint(10, 7));
    QTest::mouseRelease(Form1->bsSkinLinkLabel1, Qt::LeftButton, {}, QPoint(10, 40));
    QCOMPARE(launches_.size(), std::size_t(2));
  }

  void aFailedStartShowsNothing() {
    SetWinExecHookForTesting([](const std::string&, unsigned) { return 2u; });
    QTest::mouseClick(Form1->bsSkinLinkLabel1, Qt::LeftButton, {}, QPoint(10, 7));
    QVERIFY(boxes_->Boxes().isEmpty());
    QCOMPARE(QApplication::focusWidget(), Form1->bsSkinEdit1);
  }

  void theProgramsIconHasEightSizes() {
    const QIcon icon = QApplication::windowIcon();
    QList<QSize> sizes = icon.availableSizes();
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    QCOMPARE(sizes, (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {72, 72},
                                  {96, 96}, {128, 128}}));
    for (QSize size : sizes) {
      const QImage image = icon.pixmap(size).toImage();
      QVERIFY(image.hasAlphaChannel());
      QCOMPARE(image.depth(), 32);
    }
  }
};

BRENVIK_GUI_TEST_MAIN(AppearanceTest)
#include "tst_appearance.moc"
