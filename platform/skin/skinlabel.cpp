#include "skinlabel.h"

#include <QMouseEvent>
#include <QPainter>

#include "accessibility.h"
#include "platform/forms/application.h"

TbsSkinStdLabel::TbsSkinStdLabel(QWidget* parent, Qt::Alignment alignment, bool underline)
    : QWidget(parent), alignment_(alignment), underline_(underline) {
  InstallSkinAccessibility();
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_Hover);
  defaultFont_.underline = underline;
  defaultFont_.color = palette().color(QPalette::WindowText);
  ChangeSkinData();
}

void TbsSkinStdLabel::SetCaption(const QString& caption) {
  caption_ = caption;
  AdjustSize();
  update();
}

void TbsSkinStdLabel::SetAutoSize(bool on) {
  autoSize_ = on;
  AdjustSize();
}

void TbsSkinStdLabel::AdjustSize() {
  const QRect& designed = DesignedBounds();
  int width = designed.width();
  if (autoSize_) width = std::max(width, QFontMetrics(font()).horizontalAdvance(caption_) + 1);
  setGeometry(designed.x(), designed.y(), width, designed.height());
}

void TbsSkinStdLabel::SetDefaultFont(const TFontSpec& font) {
  defaultFont_ = font;
  ChangeSkinData();
}

void TbsSkinStdLabel::SetDefaultActiveFontColor(const QColor& color) {
  defaultActiveColor_ = color;
  ChangeSkinData();
}

void TbsSkinStdLabel::ChangeSkinData() {
  if (const TbsSkinEntry* entry = SkinEntry()) {
    font_ = entry->Font(defaultFont_);
    activeColor_ = entry->Color(QStringLiteral("ActiveFontColor"), defaultActiveColor_);
  } else {
    font_ = defaultFont_;
    activeColor_ = defaultActiveColor_;
  }
  font_.underline = underline_;
  setFont(MakeFont(font_));
  AdjustSize();
  update();
}

void TbsSkinStdLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(CurrentFontColor());
  painter.drawText(rect(), static_cast<int>(alignment_) | Qt::TextSingleLine, caption_);
}

void TbsSkinStdLabel::enterEvent(QEnterEvent* event) {
  hover_ = true;
  update();
  QWidget::enterEvent(event);
}

void TbsSkinStdLabel::leaveEvent(QEvent* event) {
  hover_ = false;
  update();
  QWidget::leaveEvent(event);
}

TbsSkinButtonLabel::TbsSkinButtonLabel(QWidget* parent)
    : TbsSkinStdLabel(parent, Qt::AlignCenter, false) {}

TbsSkinLinkLabel::TbsSkinLinkLabel(QWidget* parent)
    : TbsSkinStdLabel(parent, Qt::AlignLeft | Qt::AlignTop, true) {
  setCursor(Qt::PointingHandCursor);
  // The whole address text stays readable whatever font the system substitutes for Arial.
  SetAutoSize(true);
}

void TbsSkinLinkLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void TbsSkinLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click) Click();
}

void TbsSkinLinkLabel::Click() {
  if (OnClick) Application->Invoke([this] { OnClick(this); });
}
