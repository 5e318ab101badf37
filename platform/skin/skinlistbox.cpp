#include "skinlistbox.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "accessibility.h"
#include "platform/forms/ansi.h"
#include "platform/forms/application.h"
#include "platform/system/tickcount.h"
#include "skinpopupmenu.h"

namespace {

constexpr std::uint64_t kTypeAheadPause = 500;  // ms; a longer pause starts a new prefix
constexpr int kFrameWidth = 2;

bool IsAscii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

}  // namespace

TbsListRowsModel::TbsListRowsModel(const TStrings& rows, QObject* parent)
    : QAbstractListModel(parent), rows_(rows) {}

int TbsListRowsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_.Count();
}

QVariant TbsListRowsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_.Count()) return {};
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
    return FromAnsi(rows_[index.row()]);
  return {};
}

Qt::ItemFlags TbsListRowsModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

TbsListRowDelegate::TbsListRowDelegate(TbsSkinListBox* list, QObject* parent)
    : QStyledItemDelegate(parent), list_(list) {}

QSize TbsListRowDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
  return QSize(1, list_->ItemHeight());
}

void TbsListRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  const QRect r = option.rect;
  const bool selected = option.state & QStyle::State_Selected;
  const bool focused = (option.state & QStyle::State_HasFocus) &&
                       (option.state & QStyle::State_Active || list_->RowArea()->hasFocus());
  if (selected) {
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, QColor(220, 236, 252));
    fill.setColorAt(1, QColor(193, 219, 252));
    painter->fillRect(r, fill);
    painter->setPen(QColor(125, 162, 206));
    painter->drawRect(r.adjusted(0, 0, -1, -1));
  }
  if (focused && list_->RowArea()->hasFocus()) {
    QPen pen(QColor(100, 100, 100));
    pen.setStyle(Qt::DotLine);
    painter->setPen(pen);
    painter->drawRect(r.adjusted(0, 0, -1, -1));
  }
  painter->setFont(MakeFont(list_->RowFont()));
  painter->setPen(list_->RowFont().color);
  painter->drawText(r.adjusted(3, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                    index.data(Qt::DisplayRole).toString());
}

TbsSkinListRowArea::TbsSkinListRowArea(TbsSkinListBox* list) : QListView(list), list_(list) {
  setObjectName("rowArea");
  setFrameShape(QFrame::NoFrame);
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setDragEnabled(false);
  setAutoScroll(false);  // nothing the program does scrolls the list
  setTabKeyNavigation(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  // A right click must not focus the rows: the focus comes only with a left click or the keys.
  setFocusPolicy(Qt::TabFocus);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  // Context menus over any part of the list are the list control's.
  setContextMenuPolicy(Qt::NoContextMenu);
  viewport()->setContextMenuPolicy(Qt::NoContextMenu);
  verticalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
  horizontalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
}

void TbsSkinListRowArea::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  setFocus(Qt::MouseFocusReason);
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid()) list_->SelectByUser(index.row());
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

TbsSkinListBox::TbsSkinListBox(QWidget* parent)
    : QFrame(parent), model_(new TbsListRowsModel(items_, this)),
      rowArea_(new TbsSkinListRowArea(this)) {
  InstallSkinAccessibility();
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::NoFocus);
  rowArea_->setItemDelegate(new TbsListRowDelegate(this, rowArea_));
  rowArea_->setModel(model_);
  items_.SetObserver(this);
  defaultFont_.color = palette().color(QPalette::WindowText);
  ChangeSkinData();
}

TbsSkinListBox::~TbsSkinListBox() { items_.SetObserver(nullptr); }

void TbsSkinListBox::SetItemIndex(int index) {
  itemIndex_ = (index >= 0 && index < items_.Count()) ? index : -1;
  SyncSelection();
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
  if (const TbsSkinEntry* entry = SkinEntry()) {
    font_.family = entry->Value(QStringLiteral("FontName"), font_.family);
    font_.height = entry->Int(QStringLiteral("FontHeight"), font_.height);
    font_.color = entry->Color(QStringLiteral("FontColor"), font_.color);
    const QPixmap row = entry->Picture(QStringLiteral("ItemPicture"));
    if (!row.isNull()) itemHeight_ = row.height();
  }
  rowArea_->setFont(MakeFont(font_));
  // The row height is uniform; the view asks the delegate again after a layout request.
  rowArea_->doItemsLayout();
  rowArea_->viewport()->update();
  update();
}

void TbsSkinListBox::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  rowArea_->setGeometry(rect().adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth));
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
  SyncSelection();
  rowArea_->scrollTo(model_->index(row), QAbstractItemView::EnsureVisible);
  if (OnListBoxClick) Application->Invoke([this] { OnListBoxClick(this); });
}

void TbsSkinListBox::Navigate(int key) {
  const int count = items_.Count();
  if (count == 0) return;
  const int page = std::max(1, rowArea_->viewport()->height() / std::max(1, itemHeight_) - 1);
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

void TbsSkinListBox::SyncSelection() {
  QItemSelectionModel* selection = rowArea_->selectionModel();
  if (itemIndex_ < 0) {
    selection->clear();
  } else {
    selection->setCurrentIndex(model_->index(itemIndex_), QItemSelectionModel::ClearAndSelect);
  }
  rowArea_->viewport()->update();
}

void TbsSkinListBox::RowsInserting(int first, int last) { model_->beginInsertRows({}, first, last); }

void TbsSkinListBox::RowsInserted(int, int) { model_->endInsertRows(); }

void TbsSkinListBox::RowsRemoving(int first, int last) { model_->beginRemoveRows({}, first, last); }

void TbsSkinListBox::RowsRemoved(int first, int last) {
  model_->endRemoveRows();
  if (itemIndex_ >= first && itemIndex_ <= last)
    itemIndex_ = -1;
  else if (itemIndex_ > last)
    itemIndex_ -= last - first + 1;
  SyncSelection();
}

void TbsSkinListBox::Changing() { model_->beginResetModel(); }

void TbsSkinListBox::Changed() {
  model_->endResetModel();
  if (itemIndex_ >= items_.Count()) itemIndex_ = -1;
  SyncSelection();
}
