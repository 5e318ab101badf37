#pragma once

#include <QAbstractListModel>
#include <QFrame>
#include <QListView>
#include <QPointer>
#include <QStyledItemDelegate>
#include <cstdint>
#include <optional>

#include "platform/forms/classes.h"
#include "platform/forms/events.h"
#include "skincontrol.h"
#include "skinfont.h"
#include "skinpopupmenu.h"

class TbsSkinListBox;

// The rows of a list as a model, for the row area to show. It holds no copy: it reads the rows.
class TbsListRowsModel : public QAbstractListModel {
 public:
  TbsListRowsModel(const TStrings& rows, QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  using QAbstractListModel::beginInsertRows;
  using QAbstractListModel::beginRemoveRows;
  using QAbstractListModel::beginResetModel;
  using QAbstractListModel::endInsertRows;
  using QAbstractListModel::endRemoveRows;
  using QAbstractListModel::endResetModel;

 private:
  const TStrings& rows_;
};

// Draws one row at the list's row height.
class TbsListRowDelegate : public QStyledItemDelegate {
 public:
  TbsListRowDelegate(TbsSkinListBox* list, QObject* parent);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  TbsSkinListBox* list_;
};

// The part of a list that takes the focus. The list control decides what every mouse button and
// key does: the view's own selection rules are not used.
class TbsSkinListRowArea : public QListView {
 public:
  explicit TbsSkinListRowArea(TbsSkinListBox* list);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  TbsSkinListBox* list_;
};

// A list box: an outer skinned frame holding the row area. Single selection, never sorted.
//
// The selected row changes only by the user (a left click, a navigation key, type-ahead), each of
// which raises OnListBoxClick, or by SetItemIndex. Deleting the selected row leaves no row
// selected; appending leaves the selection as it was; nothing the program does scrolls the list.
// The popup menu opens on a right click anywhere over the control without touching the selection.
class TbsSkinListBox : public QFrame, public TbsSkinControl, private TStringsObserver {
  Q_OBJECT

 public:
  explicit TbsSkinListBox(QWidget* parent);
  ~TbsSkinListBox() override;

  TStrings& Items() { return items_; }
  const TStrings& Items() const { return items_; }

  int ItemIndex() const { return itemIndex_; }
  // Out of range means none. Raises no click.
  void SetItemIndex(int index);

  int ItemHeight() const { return itemHeight_; }
  void SetDefaultItemHeight(int height);
  void SetDefaultFont(const TFontSpec& font);
  const TFontSpec& RowFont() const { return font_; }

  TbsSkinPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TbsSkinPopupMenu* menu) { popupMenu_ = menu; }

  QListView* RowArea() const { return rowArea_; }

  // Names the control and its row area for assistive technology.
  void SetAccessibleName(const QString& name);

  TNotifyEvent OnListBoxClick;

 protected:
  void ChangeSkinData() override;
  QWidget* ControlWidget() override { return this; }
  void contextMenuEvent(QContextMenuEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  friend class TbsSkinListRowArea;

  void SelectByUser(int row);
  void Navigate(int key);
  void TypeAhead(const QString& text);
  void TypeAheadBackspace();
  bool TypeAheadTimedOut();
  int FindPrefix(const QString& prefix) const;
  void PopupAtCorner();
  void SyncSelection();

  void RowsInserting(int first, int last) override;
  void RowsInserted(int first, int last) override;
  void RowsRemoving(int first, int last) override;
  void RowsRemoved(int first, int last) override;
  void Changing() override;
  void Changed() override;

  TStrings items_;
  TbsListRowsModel* model_;
  TbsSkinListRowArea* rowArea_;
  int itemIndex_ = -1;
  QString prefix_;
  std::optional<std::uint64_t> lastTypeAhead_;
  QPointer<TbsSkinPopupMenu> popupMenu_;
  TFontSpec defaultFont_;
  TFontSpec font_;
  int defaultItemHeight_ = 20;
  int itemHeight_ = 20;
};
