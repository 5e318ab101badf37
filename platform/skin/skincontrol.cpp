#include "skincontrol.h"

#include <QWidget>

void TbsSkinControl::SetSkinDataName(const QString& name) {
  if (skinDataName_ == name) return;
  skinDataName_ = name;
  ChangeSkinData();
}

void TbsSkinControl::SetSkinData(TbsSkinData* data) {
  skinData_ = data;
  ChangeSkinData();
}

const TbsSkinEntry* TbsSkinControl::SkinEntry() const {
  return skinData_ ? skinData_->Entry(skinDataName_) : nullptr;
}

void TbsSkinControl::SetBounds(int left, int top, int width, int height) {
  designed_ = QRect(left, top, width, height);
  ControlWidget()->setGeometry(designed_);
  ChangeSkinData();
}
