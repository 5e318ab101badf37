#include "skinedit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <limits>

#include "platform/forms/ansi.h"
#include "platform/forms/sysutils.h"
#include "platform/system/keyboard.h"
#include "skinform.h"
#include "skinpaint.h"

TbsSkinEdit::TbsSkinEdit(QWidget* parent) : QLineEdit(parent) {
  // The edit sets no limit of its own: a picked row of any length comes back whole.
  setMaxLength(std::numeric_limits<int>::max());
  setFrame(false);
  setTextMargins(3, 0, 3, 0);
  setFocusPolicy(Qt::StrongFocus);
  ChangeSkinData();
}

std::string TbsSkinEdit::Text() const {
  QString value = text();
  if (const qsizetype nul = value.indexOf(QChar(0)); nul >= 0) value.truncate(nul);
  std::optional<std::string> bytes = ToAnsi(value);
  if (!bytes)
    throw Exception("No mapping for the Unicode character exists in the target multi-byte code page");
  return *std::move(bytes);
}

void TbsSkinEdit::SetText(std::string_view bytes) { setText(FromAnsi(bytes)); }

void TbsSkinEdit::SetDefaultFont(const TFontSpec& font) {
  defaultFont_ = font;
  ChangeSkinData();
}

void TbsSkinEdit::ChangeSkinData() {
  TFontSpec font = defaultFont_;
  int height = DesignedBounds().height();
  QPalette pal = palette();
  // Without the skin's picture the box is drawn in the system's window colour.
  pal.setColor(QPalette::Base, QGuiApplication::palette().color(QPalette::Base));
  picture_ = QPixmap();
  if (const TbsSkinEntry* entry = SkinEntry()) {
    font = entry->Font(defaultFont_);
    picture_ = entry->Picture(QStringLiteral("Picture"));
    if (!picture_.isNull()) height = picture_.height();
  }
  pal.setColor(QPalette::Text, font.color);
  setPalette(pal);
  setFont(MakeFont(font));
  setGeometry(DesignedBounds().x(), DesignedBounds().y(), DesignedBounds().width(), height);
  update();
}

void TbsSkinEdit::SetImeName(const QString& name) {
  imeName_ = name;
  imeLayout_.clear();
  if (name.isEmpty() || !KeyboardLayouts().DoubleByteSystem()) return;
  for (const TKeyboardLayout& layout : KeyboardLayouts().InstalledLayouts()) {
    if (QString::fromUtf8(layout.name).compare(name, Qt::CaseInsensitive) == 0) {
      imeLayout_ = layout.id;
      break;
    }
  }
}

void TbsSkinEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // A menu of the box's own takes no focus from it on a system with focus-less menus.
  if (event->reason() == Qt::PopupFocusReason || imeName_.isEmpty() ||
      !KeyboardLayouts().DoubleByteSystem())
    return;
  if (imeLayout_.empty())
    KeyboardLayouts().ActivateLayout(StartupKeyboardLayout());
  else if (imeLayout_ != StartupKeyboardLayout())
    KeyboardLayouts().ActivateLayout(imeLayout_);
}

void TbsSkinEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (event->reason() == Qt::PopupFocusReason || imeName_.isEmpty() ||
      !KeyboardLayouts().DoubleByteSystem())
    return;
  KeyboardLayouts().ActivateLayout(StartupKeyboardLayout());
}

void TbsSkinEdit::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
  // From the keyboard the menu opens at the box's centre, from the mouse at the pointer.
  ShowMenu(event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                        : mapToGlobal(rect().center()));
}

void TbsSkinEdit::ShowMenu(const QPoint& global) {
  if (menu_) menu_->close();
  auto* menu = new TbsSkinMenu(MenuSkinOf(this));
  menu->setObjectName("editMenu");
  const bool writable = !isReadOnly();
  const bool selection = hasSelectedText();
  const bool plain = echoMode() == QLineEdit::Normal;
  auto add = [&](const QString& caption, bool enabled, auto action) {
    QAction* item = menu->AddItem(caption);
    item->setEnabled(enabled);
    connect(item, &QAction::triggered, this, action);
  };
  add(QStringLiteral("Undo"), writable && isUndoAvailable(), [this] { undo(); });
  menu->addSeparator();
  add(QStringLiteral("Cut"), writable && selection && plain, [this] { cut(); });
  add(QStringLiteral("Copy"), selection && plain, [this] { copy(); });
  add(QStringLiteral("Paste"), writable && !QGuiApplication::clipboard()->text().isEmpty(),
      [this] { paste(); });
  add(QStringLiteral("Delete"), writable && selection, [this] { del(); });
  menu->addSeparator();
  add(QStringLiteral("Select All"), !text().isEmpty() && selectedText() != text(),
      [this] { selectAll(); });
  menu_ = menu;
  menu->popup(global);
}

void TbsSkinEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
    ShowMenu(mapToGlobal(rect().center()));
    event->accept();
    return;
  }
  // Enter and Escape do nothing here: there is no default button and nothing to cancel.
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
      event->accept();
      return;
    default:
      QLineEdit::keyPressEvent(event);
  }
}

void TbsSkinEdit::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    if (!picture_.isNull())
      DrawNinePatch(painter, rect(), picture_, QMargins(2, 2, 2, 2));
    else
      painter.fillRect(rect(), palette().color(QPalette::Base));
  }
  QLineEdit::paintEvent(event);
  if (picture_.isNull()) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}
