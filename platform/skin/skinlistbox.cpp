#include "skinlistbox.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QProxyStyle>
#include <QStyleOptionSlider>
#include <QScrollBar>
#include <algorithm>

#include "accessibility.h"
#include "platform/forms/ansi.h"
#include "platform/forms/application.h"
#include "platform/system/tickcount.h"
#include "skinpaint.h"
#include "skinpopupmenu.h"

namespace {

// A scroll bar drawn from the skin: the track's colour, the thumb's picture, the arrows' colour.
class TbsSkinScrollStyle : public QProxyStyle {
 public:
  explicit TbsSkinScrollStyle(const TbsSkinEntry& entry)
      : track_(entry.Color(QStringLiteral("TrackColor"), QColor(238, 238, 238))),
        arrow_(entry.Color(QStringLiteral("ArrowColor"), QColor(96, 96, 96))),
        thumb_(entry.Picture(QStringLiteral("ThumbPicture"))) {}

  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget) const override {
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || !bar) {
      QProxyStyle::drawComplexControl(control, option, painter, widget);
      return;
    }
    painter->fillRect(bar->rect, track_);
    const QRect thumb = subControlRect(control, option, SC_ScrollBarSlider, widget);
    if (!thumb_.isNull())
      DrawNinePatch(*painter, thumb.adjusted(1, 0, -1, 0), thumb_, QMargins(3, 3, 3, 3));
    else
      painter->fillRect(thumb.adjusted(1, 0, -1, 0), QColor(200, 200, 200));
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(arrow_);
    for (auto [part, up] : {std::pair{SC_ScrollBarSubLine, true}, std::pair{SC_ScrollBarAddLine, false}}) {
      const QRectF r = subControlRect(control, option, part, widget);
      const QPointF c = r.center();
      const qreal d = up ? -2 : 2;
      const QPointF points[3] = {{c.x() - 4, c.y() - d}, {c.x() + 4, c.y() - d}, {c.x(), c.y() + d}};
      painter->drawPolygon(points, 3);
    }
  }

 private:
  QColor track_;
  QColor arrow_;
  QPixmap thumb_;
};

constexpr std::uint64_t kTypeAheadPause = 500;  // ms; a longer pause starts a new prefix
constexpr int kFrameWidth = 2;

bool IsAscii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

}  // namespace

TbsSkinListRowArea::TbsSkinListRowArea(TbsSkinListBox* list)
    : QAbstractScrollArea(list), list_(list) {
  setObjectName("rowArea");
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  viewport()->setAutoFillBackground(false);
  // A right click must not focus the rows: the focus comes only with a left click or the keys.
  setFocusPolicy(Qt::TabFocus);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  // Context menus over any part of the list are the list control's.
  setContextMenuPolicy(Qt::NoContextMenu);
  viewport()->setContextMenuPolicy(Qt::NoContextMenu);
  verticalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
  horizontalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, viewport(),
          [this] { viewport()->update(); });
}

int TbsSkinListRowArea::TopRow() const { return verticalScrollBar()->value(); }

int TbsSkinListRowArea::VisibleRows() const {
  return std::max(1, viewport()->height() / std::max(1, list_->ItemHeight()));
}

int TbsSkinListRowArea::RowAt(const QPoint& pos) const {
  if (pos.y() < 0 || pos.x() < 0 || pos.x() >= viewport()->width()) return -1;
  const int row = TopRow() + pos.y() / std::max(1, list_->ItemHeight());
  return row < list_->Items().Count() ? row : -1;
}

QRect TbsSkinListRowArea::RowRect(int row) const {
  const int h = list_->ItemHeight();
  return QRect(0, (row - TopRow()) * h, viewport()->width(), h);
}

void TbsSkinListRowArea::EnsureVisible(int row) {
  const int top = TopRow();
  const int fully = std::max(1, viewport()->height() / std::max(1, list_->ItemHeight()));
  if (row < top)
    verticalScrollBar()->setValue(row);
  else if (row >= top + fully)
    verticalScrollBar()->setValue(row - fully + 1);
}

void TbsSkinListRowArea::RowsChanged() {
  const int count = list_->Items().Count();
  const int fully = viewport()->height() / std::max(1, list_->ItemHeight());
  QScrollBar* bar = verticalScrollBar();
  bar->setRange(0, std::max(0, count - std::max(1, fully)));
  bar->setPageStep(std::max(1, fully));
  bar->setSingleStep(1);
  viewport()->update();
}

void TbsSkinListRowArea::SetScrollBarSkin(const TbsSkinEntry* entry) {
  QProxyStyle* old = scrollStyle_;
  scrollStyle_ = entry ? new TbsSkinScrollStyle(*entry) : nullptr;
  if (scrollStyle_) scrollStyle_->setParent(this);
  verticalScrollBar()->setStyle(scrollStyle_);
  delete old;
}

void TbsSkinListRowArea::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  RowsChanged();
}

void TbsSkinListRowArea::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  painter.fillRect(event->rect(), palette().color(QPalette::Base));
  const TStrings& rows = list_->Items();
  const int h = std::max(1, list_->ItemHeight());
  const int first = TopRow() + event->rect().top() / h;
  const int last = std::min(rows.Count() - 1, TopRow() + event->rect().bottom() / h);
  const int selected = list_->ItemIndex();
  // The caret: the selected row, or the first one while nothing is selected.
  const int caret = selected >= 0 ? selected : 0;
  painter.setFont(font());
  for (int row = first; row <= last; ++row) {
    const QRect r = RowRect(row);
    if (row == selected) {
      if (!list_->ItemPicture().isNull()) {
        DrawNinePatch(painter, r, list_->ItemPicture(), QMargins(3, 3, 3, 3));
      } else {
        painter.fillRect(r, palette().color(QPalette::Highlight));
      }
    }
    if (row == caret && hasFocus()) {
      QPen pen(QColor(100, 100, 100));
      pen.setStyle(Qt::DotLine);
      painter.setPen(pen);
      painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
    const bool plainSelected = row == selected && list_->ItemPicture().isNull();
    painter.setPen(plainSelected    ? palette().color(QPalette::HighlightedText)
                   : row == selected ? list_->SelectedFontColor()
                                     : list_->RowFont().color);
    painter.drawText(r.adjusted(3, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     FromAnsi(rows[row]));
  }
}

void TbsSkinListRowArea::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  setFocus(Qt::MouseFocusReason);
  const int row = RowAt(event->position().toPoint());
  if (row >= 0) list_->SelectByUser(row);
}

void TbsSkinListRowArea::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void TbsSkinListRowArea::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

void TbsSkinListRowArea::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void TbsSkinListRowArea::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
      if (mods == Qt::NoModifier) {
        list_->Navigate(event->key());
        event->accept();
        return;
      }
      break;
    case Qt::Key_Backspace:
      if (mods == Qt::NoModifier) {
        list_->TypeAheadBackspace();
        event->accept();
        return;
      }
      break;
    case Qt::Key_F10:
      if (mods == Qt::ShiftModifier) {
        list_->PopupAtCorner();
        event->accept();
        return;
      }
      break;
    default:
      break;
  }
  const QString text = event->text();
  const bool printable = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
    return c.unicode() >= 0x20 && c.unicode() != 0x7F;
  });
  if (printable && !(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
    list_->TypeAhead(text);
    event->accept();
    return;
  }
  event->ignore();
}

void TbsSkinListRowArea::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
}

void TbsSkinListRowArea::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}

TbsSkinListBox::TbsSkinListBox(QWidget* parent)
    : QFrame(parent), rowArea_(new TbsSkinListRowArea(this)) {
  InstallSkinAccessibility();
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::NoFocus);
  items_.SetObserver(this);
  defaultFont_.color = palette().color(QPalette::WindowText);
  ChangeSkinData();
}

TbsSkinListBox::~TbsSkinListBox() { items_.SetObserver(nullptr); }

void TbsSkinListBox::SetItemIndex(int index) {
  itemIndex_ = (index >= 0 && index < items_.Count()) ? index : -1;
  SelectionChanged();
}

void TbsSkinListBox::SetDefaultItemHeight(int height) {
  defaultItemHeight_ = height;
  ChangeSkinData();
}

void TbsSkinListBox::SetDefaultFont(const TFontSpec& font) {
  defaultFont_ = font;
  ChangeSkinData();
}

void TbsSkinListBox::SetAccessibleName(const QString& name) {
  setAccessibleName(name);
  rowArea_->setAccessibleName(name);
}

void TbsSkinListBox::ChangeSkinData() {
  font_ = defaultFont_;
  itemHeight_ = defaultItemHeight_;
  selectedColor_ = font_.color;
  framePicture_ = itemPicture_ = QPixmap();
  if (const TbsSkinEntry* entry = SkinEntry()) {
    font_ = entry->Font(defaultFont_);
    selectedColor_ = entry->Color(QStringLiteral("ActiveFontColor"), font_.color);
    framePicture_ = entry->Picture(QStringLiteral("Picture"));
    itemPicture_ = entry->Picture(QStringLiteral("ItemPicture"));
    if (!itemPicture_.isNull()) itemHeight_ = itemPicture_.height();
  }
  rowArea_->SetScrollBarSkin(SkinData() ? SkinData()->Entry(QStringLiteral("scrollbar")) : nullptr);
  rowArea_->setFont(MakeFont(font_));
  rowArea_->RowsChanged();
  update();
}

void TbsSkinListBox::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  rowArea_->setGeometry(rect().adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth));
}

void TbsSkinListBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!framePicture_.isNull()) {
    DrawNinePatch(painter, rect(), framePicture_, QMargins(2, 2, 2, 2));
    return;
  }
  painter.fillRect(rect(), palette().color(QPalette::Base));
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TbsSkinListBox::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
  if (!popupMenu_) return;
  if (event->reason() == QContextMenuEvent::Keyboard)
    PopupAtCorner();
  else
    popupMenu_->Popup(event->globalPos());
}

void TbsSkinListBox::PopupAtCorner() {
  if (popupMenu_) popupMenu_->Popup(mapToGlobal(QPoint(0, 0)));
}

void TbsSkinListBox::SelectByUser(int row) {
  itemIndex_ = row;
  rowArea_->EnsureVisible(row);
  SelectionChanged();
  if (OnListBoxClick) Application->Invoke([this] { OnListBoxClick(this); });
}

void TbsSkinListBox::Navigate(int key) {
  const int count = items_.Count();
  if (count == 0) return;
  const int page = std::max(1, rowArea_->VisibleRows() - 1);
  const int from = itemIndex_;
  int to = from;
  switch (key) {
    case Qt::Key_Up: to = from < 0 ? 0 : from - 1; break;
    case Qt::Key_Down: to = from + 1; break;
    case Qt::Key_PageUp: to = from < 0 ? 0 : from - page; break;
    case Qt::Key_PageDown: to = from < 0 ? page : from + page; break;
    case Qt::Key_Home: to = 0; break;
    case Qt::Key_End: to = count - 1; break;
    default: return;
  }
  to = std::clamp(to, 0, count - 1);
  if (to == from) return;
  SelectByUser(to);
}

bool TbsSkinListBox::TypeAheadTimedOut() {
  const std::uint64_t now = GetTickCount();
  const bool timedOut = !lastTypeAhead_ || now - *lastTypeAhead_ >= kTypeAheadPause;
  lastTypeAhead_ = now;
  return timedOut;
}

void TbsSkinListBox::TypeAhead(const QString& text) {
  if (TypeAheadTimedOut()) prefix_.clear();
  prefix_ += text;
  if (const int row = FindPrefix(prefix_); row >= 0) SelectByUser(row);
}

void TbsSkinListBox::TypeAheadBackspace() {
  if (TypeAheadTimedOut()) prefix_.clear();
  if (!prefix_.isEmpty()) {
    // One character, also when it takes two UTF-16 units.
    const bool pair = prefix_.size() >= 2 && prefix_.back().isLowSurrogate() &&
                      prefix_[prefix_.size() - 2].isHighSurrogate();
    prefix_.chop(pair ? 2 : 1);
  }
  if (prefix_.isEmpty()) {
    if (items_.Count() > 0) SelectByUser(0);
    return;
  }
  if (const int row = FindPrefix(prefix_); row >= 0) SelectByUser(row);
}

int TbsSkinListBox::FindPrefix(const QString& prefix) const {
  const auto n = static_cast<std::size_t>(prefix.size());
  // An ASCII prefix is compared with a row's leading ASCII bytes without decoding them: at a
  // million rows that is the difference between a key press that lags and one that does not.
  const bool asciiPrefix =
      std::all_of(prefix.begin(), prefix.end(), [](QChar c) { return c.unicode() < 0x80; });
  std::string lowered;
  if (asciiPrefix)
    for (QChar c : prefix) lowered += LowerAscii(static_cast<char>(c.unicode()));
  for (int i = 0, count = items_.Count(); i < count; ++i) {
    const std::string_view row = items_[i];
    if (asciiPrefix) {
      const std::string_view head = row.substr(0, n);
      if (IsAscii(head)) {
        if (head.size() < n) continue;
        bool equal = true;
        for (std::size_t k = 0; k < n && equal; ++k) equal = LowerAscii(head[k]) == lowered[k];
        if (equal) return i;
        continue;
      }
    }
    // No character takes more than four bytes in the code pages a locale can have.
    const QString head = FromAnsi(row.substr(0, 4 * n + 4));
    if (head.startsWith(prefix, Qt::CaseInsensitive)) return i;
  }
  return -1;
}

void TbsSkinListBox::SelectionChanged() {
  rowArea_->viewport()->update();
  NotifyAccessibleSelection(rowArea_, itemIndex_);
}

void TbsSkinListBox::RowsInserting(int, int) {}

void TbsSkinListBox::RowsInserted(int, int) {
  rowArea_->RowsChanged();
  NotifyAccessibleRowsChanged(rowArea_);
}

void TbsSkinListBox::RowsRemoving(int, int) {}

void TbsSkinListBox::RowsRemoved(int first, int last) {
  if (itemIndex_ >= first && itemIndex_ <= last)
    itemIndex_ = -1;
  else if (itemIndex_ > last)
    itemIndex_ -= last - first + 1;
  rowArea_->RowsChanged();
  NotifyAccessibleRowsChanged(rowArea_);
  SelectionChanged();
}

void TbsSkinListBox::Changing() {}

void TbsSkinListBox::Changed() {
  if (itemIndex_ >= items_.Count()) itemIndex_ = -1;
  rowArea_->RowsChanged();
  NotifyAccessibleRowsChanged(rowArea_);
  SelectionChanged();
}
