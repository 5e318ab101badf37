#pragma once

#include <QWidget>

#include "platform/forms/events.h"
#include "skincontrol.h"
#include "skinfont.h"

// A line of text on a transparent background that takes its hover colour while the mouse is over
// it. The entry gives the font, the colour and the hover colour.
class TbsSkinStdLabel : public QWidget, public TbsSkinControl {
  Q_OBJECT

 public:
  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);

  // Fall-back settings, used without a skin entry.
  void SetDefaultFont(const TFontSpec& font);
  void SetDefaultActiveFontColor(const QColor& color);

  // The colour the text is drawn in now.
  QColor CurrentFontColor() const { return hover_ ? activeColor_ : font_.color; }
  QFont CurrentFont() const { return font(); }
  bool UseUnderLine() const { return underline_; }

  // When on, the label widens to show its whole caption in the font it is drawn with.
  void SetAutoSize(bool on);

 protected:
  TbsSkinStdLabel(QWidget* parent, Qt::Alignment alignment, bool underline);

  void ChangeSkinData() override;
  QWidget* ControlWidget() override { return this; }
  void AdjustSize();
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QString caption_;
  Qt::Alignment alignment_;
  bool underline_;
  bool hover_ = false;
  bool autoSize_ = false;
  TFontSpec defaultFont_;
  QColor defaultActiveColor_ = QColor(0, 0, 255);
  TFontSpec font_;
  QColor activeColor_;
};

// A caption label: centred text that only shows. Clicking it does nothing.
class TbsSkinButtonLabel : public TbsSkinStdLabel {
  Q_OBJECT

 public:
  explicit TbsSkinButtonLabel(QWidget* parent);
};

// A link: underlined text at the top left, the hand cursor, and a click when the left button is
// pressed and released over it.
class TbsSkinLinkLabel : public TbsSkinStdLabel {
  Q_OBJECT

 public:
  explicit TbsSkinLinkLabel(QWidget* parent);

  // Runs OnClick under the application's failure boundary.
  void Click();

  TNotifyEvent OnClick;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};
