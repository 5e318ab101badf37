#include "skinmenu.h"

#include <QPainter>
#include <QStyleOptionMenuItem>

namespace {
constexpr int kSeparatorHeight = 7;
constexpr int kTextIndent = 28;
}  // namespace

TbsSkinMenuStyle::TbsSkinMenuStyle(TbsSkinData* skin) : QProxyStyle(), skin_(skin) {
  highlightFontColor_ = font_.color;
  const TbsSkinEntry* item = skin ? skin->Entry(QStringLiteral("menuitem")) : nullptr;
  if (item) {
    font_ = item->Font(font_);
    highlightFontColor_ = item->Color(QStringLiteral("ActiveFontColor"), font_.color);
    const QPixmap picture = item->Picture(QStringLiteral("ActivePicture"));
    itemHeight_ = picture.isNull() ? item->Int(QStringLiteral("ItemHeight"), itemHeight_)
                                   : picture.height();
  }
}

QSize TbsSkinMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                         const QSize& size, const QWidget* widget) const {
  if (type == CT_MenuItem) {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (item && item->menuItemType == QStyleOptionMenuItem::Separator)
      return QSize(size.width(), kSeparatorHeight);
    const int text = item ? QFontMetrics(MakeFont(font_)).horizontalAdvance(item->text) : 0;
    return QSize(kTextIndent + text + 24, itemHeight_);
  }
  return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int TbsSkinMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                  const QWidget* widget) const {
  switch (metric) {
    case PM_MenuPanelWidth: return 1;
    case PM_MenuHMargin: return 2;
    case PM_MenuVMargin: return 2;
    case PM_SubMenuOverlap: return 0;
    default: return QProxyStyle::pixelMetric(metric, option, widget);
  }
}

int TbsSkinMenuStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                QStyleHintReturn* returnData) const {
  if (hint == SH_Menu_AllowActiveAndDisabled) return 0;
  if (hint == SH_Menu_MouseTracking) return 1;
  return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void TbsSkinMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                     QPainter* painter, const QWidget* widget) const {
  if (element == PE_PanelMenu || element == PE_FrameMenu) {
    const TbsSkinEntry* window = skin_ ? skin_->Entry(QStringLiteral("popupwindow")) : nullptr;
    const QColor fill = window ? window->Color(QStringLiteral("Color"), QColor(240, 240, 240))
                               : QColor(240, 240, 240);
    const QColor border = window ? window->Color(QStringLiteral("BorderColor"), QColor(151, 151, 151))
                                 : QColor(151, 151, 151);
    if (element == PE_PanelMenu) painter->fillRect(option->rect, fill);
    painter->setPen(border);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    return;
  }
  QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void TbsSkinMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
  if (element != CE_MenuItem) {
    QProxyStyle::drawControl(element, option, painter, widget);
    return;
  }
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (!item) return;
  const QRect r = item->rect;
  if (item->menuItemType == QStyleOptionMenuItem::Separator) {
    const int y = r.center().y();
    painter->setPen(QColor(224, 224, 224));
    painter->drawLine(r.left() + kTextIndent, y, r.right() - 2, y);
    painter->setPen(Qt::white);
    painter->drawLine(r.left() + kTextIndent, y + 1, r.right() - 2, y + 1);
    return;
  }
  const bool enabled = item->state & State_Enabled;
  const bool selected = enabled && (item->state & State_Selected);
  if (selected) {
    const TbsSkinEntry* entry = skin_ ? skin_->Entry(QStringLiteral("menuitem")) : nullptr;
    const QPixmap picture = entry ? entry->Picture(QStringLiteral("ActivePicture")) : QPixmap();
    if (!picture.isNull()) {
      painter->drawPixmap(r, picture);
    } else {
      QLinearGradient fill(r.topLeft(), r.bottomLeft());
      fill.setColorAt(0, QColor(232, 241, 251));
      fill.setColorAt(1, QColor(208, 226, 247));
      painter->fillRect(r.adjusted(1, 0, -1, 0), fill);
      painter->setPen(QColor(168, 216, 235));
      painter->drawRect(r.adjusted(1, 0, -2, -1));
    }
  }
  painter->setFont(MakeFont(font_));
  painter->setPen(!enabled ? QColor(141, 141, 141) : selected ? highlightFontColor_ : font_.color);
  painter->drawText(r.adjusted(kTextIndent, 0, -4, 0),
                    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextHideMnemonic,
                    item->text);
}

TbsSkinMenu::TbsSkinMenu(TbsSkinData* skin, QWidget* parent)
    : QMenu(parent), style_(new TbsSkinMenuStyle(skin)) {
  style_->setParent(this);
  setStyle(style_);
  setFont(MakeFont(style_->ItemFont()));
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName("skinMenu");
}

QAction* TbsSkinMenu::AddItem(const QString& caption) {
  QString text = caption;
  text.replace(QLatin1Char('&'), QLatin1String("&&"));
  text.replace(QLatin1Char('\t'), QLatin1Char(' '));
  return addAction(text);
}
