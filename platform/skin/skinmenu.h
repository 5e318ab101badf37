#pragma once

#include <QMenu>
#include <QPointer>
#include <QProxyStyle>

#include "skindata.h"
#include "skinfont.h"

// The look of every pop-up menu of the program: the skin's pop-up window and menu-item objects,
// or plain with Arial 14 and 20-pixel items where the skin has none.
class TbsSkinMenuStyle : public QProxyStyle {
 public:
  explicit TbsSkinMenuStyle(TbsSkinData* skin);

  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override;
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override;

  int ItemHeight() const { return itemHeight_; }
  TbsSkinData* SkinData() const { return skin_; }
  const TFontSpec& ItemFont() const { return font_; }

 private:
  QPointer<TbsSkinData> skin_;
  TFontSpec font_;
  QColor highlightFontColor_;
  int itemHeight_ = 20;
};

// A pop-up menu drawn with a skin; it deletes itself once closed.
class TbsSkinMenu : public QMenu {
  Q_OBJECT

 public:
  TbsSkinMenu(TbsSkinData* skin, QWidget* parent = nullptr);

  // Adds an item whose text is shown as it stands: no access key, no shortcut column.
  QAction* AddItem(const QString& caption);

  const TbsSkinMenuStyle* SkinStyle() const { return style_; }

 private:
  TbsSkinMenuStyle* style_;
};
