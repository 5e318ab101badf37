#pragma once

#include <QPointer>
#include <QRect>
#include <QString>

#include "skindata.h"

// What every skinned control has: the name of the skin entry it is drawn from and the skin data
// it looks it up in. Without a matching entry the control uses its own fall-back settings.
class TbsSkinControl {
 public:
  const QString& SkinDataName() const { return skinDataName_; }
  void SetSkinDataName(const QString& name);

  TbsSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TbsSkinData* data);

  // The entry the control is drawn from, or nullptr when it uses its fall-back settings.
  const TbsSkinEntry* SkinEntry() const;

  // Places the control as designed. The skin may change the size it is shown at; without an
  // entry it has the designed one.
  void SetBounds(int left, int top, int width, int height);
  const QRect& DesignedBounds() const { return designed_; }

 protected:
  TbsSkinControl() = default;
  virtual ~TbsSkinControl() = default;

  // Called whenever the entry or the designed bounds may have changed.
  virtual void ChangeSkinData() = 0;
  virtual QWidget* ControlWidget() = 0;

 private:
  QRect designed_;
  QMetaObject::Connection skinChanged_;
  QString skinDataName_;
  QPointer<TbsSkinData> skinData_;
};
