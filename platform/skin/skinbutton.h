#pragma once

#include <QAbstractButton>

#include "platform/forms/events.h"
#include "skincontrol.h"
#include "skinfont.h"

// A push button that only the mouse presses: it never takes the keyboard focus, is no default
// button and has no access key. The skin's button picture sets its height; its width stays.
class TbsSkinXFormButton : public QAbstractButton, public TbsSkinControl {
  Q_OBJECT

 public:
  explicit TbsSkinXFormButton(QWidget* parent);

  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);

  void SetDefaultFont(const TFontSpec& font);

  // The colour the caption is drawn in now.
  QColor CurrentFontColor() const;

  TNotifyEvent OnClick;

 protected:
  void ChangeSkinData() override;
  QWidget* ControlWidget() override { return this; }
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  TFontSpec defaultFont_;
  TFontSpec font_;
  QColor activeColor_;
  QColor downColor_;
  QPixmap pictures_[3];  // normal, under the mouse, pressed
};
