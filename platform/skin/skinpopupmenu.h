#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

#include "platform/forms/events.h"
#include "skindata.h"
#include "skinmenu.h"


// An item of a popup menu. Always enabled; a click runs OnClick.
class TMenuItem : public QObject {
  Q_OBJECT

 public:
  explicit TMenuItem(QObject* owner);

  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption) { caption_ = caption; }

  // Runs OnClick under the application's failure boundary.
  void Click();

  TNotifyEvent OnClick;

 private:
  QString caption_;
};

// A context menu of items. A menu that names no skin of its own takes, when it first opens, the
// menu skin of its form's skin form, else that skin form's skin.
class TbsSkinPopupMenu : public QObject {
  Q_OBJECT

 public:
  explicit TbsSkinPopupMenu(QObject* owner);

  void Add(TMenuItem* item) { items_.push_back(item); }
  const std::vector<TMenuItem*>& Items() const { return items_; }

  TbsSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TbsSkinData* data) { skinData_ = data; }

  // Opens the menu at a point of the screen and returns at once; the chosen item's click follows
  // when the menu has closed.
  void Popup(const QPoint& global);

  // The menu while it is open.
  TbsSkinMenu* OpenMenu() const { return open_; }

 private:
  TbsSkinData* ResolveSkin();

  std::vector<TMenuItem*> items_;
  QPointer<TbsSkinData> skinData_;
  QPointer<TbsSkinMenu> open_;
};
