#include "skinbutton.h"

#include <QPainter>

#include "platform/forms/application.h"
#include "skinpaint.h"

TbsSkinXFormButton::TbsSkinXFormButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::NoFocus);
  setAutoRepeat(false);
  setCheckable(false);
  setAttribute(Qt::WA_Hover);
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (OnClick) Application->Invoke([this] { OnClick(this); });
  });
  defaultFont_.color = palette().color(QPalette::WindowText);
  ChangeSkinData();
}

void TbsSkinXFormButton::SetCaption(const QString& caption) {
  caption_ = caption;
  // The accessible name; the caption is never parsed for an access key.
  setText(QString(caption).replace(QLatin1Char('&'), QLatin1String("&&")));
  update();
}

void TbsSkinXFormButton::SetDefaultFont(const TFontSpec& font) {
  defaultFont_ = font;
  ChangeSkinData();
}

void TbsSkinXFormButton::ChangeSkinData() {
  font_ = defaultFont_;
  int height = DesignedBounds().height();
  for (QPixmap& picture : pictures_) picture = QPixmap();
  activeColor_ = downColor_ = font_.color;
  if (const TbsSkinEntry* entry = SkinEntry()) {
    font_ = entry->Font(defaultFont_);
    activeColor_ = entry->Color(QStringLiteral("ActiveFontColor"), font_.color);
    downColor_ = entry->Color(QStringLiteral("DownFontColor"), activeColor_);
    pictures_[0] = entry->Picture(QStringLiteral("Picture"));
    pictures_[1] = entry->Picture(QStringLiteral("ActivePicture"));
    pictures_[2] = entry->Picture(QStringLiteral("DownPicture"));
    if (!pictures_[0].isNull()) height = pictures_[0].height();
  }
  setFont(MakeFont(font_));
  setGeometry(DesignedBounds().x(), DesignedBounds().y(), DesignedBounds().width(), height);
  update();
}

QColor TbsSkinXFormButton::CurrentFontColor() const {
  return isDown() ? downColor_ : underMouse() ? activeColor_ : font_.color;
}

void TbsSkinXFormButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int state = isDown() ? 2 : underMouse() ? 1 : 0;
  const QPixmap& picture = pictures_[state].isNull() ? pictures_[0] : pictures_[state];
  if (!picture.isNull()) {
    DrawNinePatch(painter, rect(), picture, QMargins(4, 4, 4, 4));
    painter.setFont(font());
    painter.setPen(CurrentFontColor());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, caption_);
    return;
  }
  const QRect r = rect().adjusted(0, 0, -1, -1);
  QLinearGradient fill(0, 0, 0, height());
  const bool down = isDown();
  const bool hot = underMouse();
  fill.setColorAt(0, down ? QColor(196, 229, 246) : hot ? QColor(234, 246, 253) : QColor(242, 242, 242));
  fill.setColorAt(1, down ? QColor(152, 209, 239) : hot ? QColor(190, 230, 253) : QColor(207, 207, 207));
  painter.fillRect(r, fill);
  painter.setPen(hot || down ? QColor(60, 127, 177) : QColor(112, 112, 112));
  painter.drawRect(r);
  painter.setFont(font());
  painter.setPen(CurrentFontColor());
  painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, caption_);
}
