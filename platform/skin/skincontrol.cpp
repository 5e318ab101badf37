#include "skincontrol.h"

#include <QWidget>

void TbsSkinControl::SetSkinDataName(const QString& name) {
  if (skinDataName_ == name) return;
  skinDataName_ = name;
  ChangeSkinData();
}

void TbsSkinControl::SetSkinData(TbsSkinData* data) {
  QObject::disconnect(skinChanged_);
  skinData_ = data;
  if (data)
    skinChanged_ = QObject::connect(data, &TbsSkinData::SkinChanged, ControlWidget(),
                                    [this] { ChangeSkinData(); });
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
