#include "skinpopupmenu.h"

#include <QWidget>

#include "platform/forms/application.h"
#include "skinform.h"
#include "skinmenu.h"

TMenuItem::TMenuItem(QObject* owner) : QObject(owner) {}

void TMenuItem::Click() {
  if (OnClick) Application->Invoke([this] { OnClick(this); });
}

TbsSkinPopupMenu::TbsSkinPopupMenu(QObject* owner) : QObject(owner) {}

TbsSkinData* TbsSkinPopupMenu::ResolveSkin() {
  if (!skinData_) skinData_ = MenuSkinOf(parent());
  return skinData_;
}

void TbsSkinPopupMenu::Popup(const QPoint& global) {
  if (open_) open_->close();
  auto* menu = new TbsSkinMenu(ResolveSkin());
  for (TMenuItem* item : items_) {
    QAction* action = menu->AddItem(item->Caption());
    QPointer<TMenuItem> target(item);
    connect(action, &QAction::triggered, this, [target] {
      if (target) target->Click();
    });
  }
  open_ = menu;
  menu->popup(global);
}
