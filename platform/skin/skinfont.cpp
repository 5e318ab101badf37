#include "skinfont.h"

#include <QFontMetrics>
#include <QHash>

QFont FontByCellHeight(const QString& family, int height, bool bold, bool underline) {
  // Fonts are asked for again at every skin change; the search is done once per family and size.
  static QHash<QString, int> sizes;
  const QString key = family + QLatin1Char('/') + QString::number(height) +
                      (bold ? QStringLiteral("/b") : QString());
  QFont font(family);
  font.setBold(bold);
  font.setUnderline(underline);
  font.setStyleStrategy(QFont::PreferDefault);
  auto it = sizes.constFind(key);
  if (it == sizes.constEnd()) {
    int best = 1;
    for (int px = 1; px <= height * 2; ++px) {
      font.setPixelSize(px);
      if (QFontMetrics(font).height() > height) break;
      best = px;
    }
    it = sizes.insert(key, best);
  }
  font.setPixelSize(*it);
  return font;
}
