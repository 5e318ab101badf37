#pragma once

#include <QAbstractScrollArea>
#include <QFrame>
#include <QPointer>
#include <cstdint>
#include <optional>

#include "platform/forms/classes.h"
#include "platform/forms/events.h"
#include "skincontrol.h"
#include "skinfont.h"
#include "skinpopupmenu.h"

class TbsSkinListBox;
class QProxyStyle;

// The part of a list that shows the rows and takes the focus. It draws only the rows in view,
// from the rows themselves: nothing it keeps grows with the list, so adding or removing a row
// costs the same at a million rows as at ten. The list control decides what every mouse button
// and key does.
class TbsSkinListRowArea : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit TbsSkinListRowArea(TbsSkinListBox* list);

  int TopRow() const;
  // The row under a point of the viewport, or -1.
  int RowAt(const QPoint& pos) const;
  // Where a row is drawn in the viewport (outside it when the row is scrolled away).
  QRect RowRect(int row) const;
  int VisibleRows() const;
  void EnsureVisible(int row);
  TbsSkinListBox* List() const { return list_; }
  // The rows changed: the scroll range follows, and what is in view is drawn again.
  void RowsChanged();
  // Draws the scroll bar from the skin's scroll bar object, or plainly without one.
  void SetScrollBarSkin(const TbsSkinEntry* entry);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  TbsSkinListBox* list_;
  QProxyStyle* scrollStyle_ = nullptr;
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
  // The text colour of selected rows, and the skin's picture of one (null without it).
  const QColor& SelectedFontColor() const { return selectedColor_; }
  const QPixmap& ItemPicture() const { return itemPicture_; }

  TbsSkinPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TbsSkinPopupMenu* menu) { popupMenu_ = menu; }

  TbsSkinListRowArea* RowArea() const { return rowArea_; }

  // Names the control and its row area for assistive technology.
  void SetAccessibleName(const QString& name);

  TNotifyEvent OnListBoxClick;

 protected:
  void ChangeSkinData() override;
  QWidget* ControlWidget() override { return this; }
  void contextMenuEvent(QContextMenuEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  friend class TbsSkinListRowArea;

  void SelectByUser(int row);
  void Navigate(int key);
  void TypeAhead(const QString& text);
  void TypeAheadBackspace();
  bool TypeAheadTimedOut();
  int FindPrefix(const QString& prefix) const;
  void PopupAtCorner();
  void SelectionChanged();

  void RowsInserting(int first, int last) override;
  void RowsInserted(int first, int last) override;
  void RowsRemoving(int first, int last) override;
  void RowsRemoved(int first, int last) override;
  void Changing() override;
  void Changed() override;

  TStrings items_;
  TbsSkinListRowArea* rowArea_;
  int itemIndex_ = -1;
  QString prefix_;
  std::optional<std::uint64_t> lastTypeAhead_;
  QPointer<TbsSkinPopupMenu> popupMenu_;
  TFontSpec defaultFont_;
  TFontSpec font_;
  int defaultItemHeight_ = 20;
  int itemHeight_ = 20;
  QColor selectedColor_;
  QPixmap framePicture_;
  QPixmap itemPicture_;
};
