#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// A font as the skin and the controls give it: the height is that of the character cell
// (ascent plus descent) in pixels, not the em size.
struct TFontSpec {
  QString family = QStringLiteral("Arial");
  int height = 14;
  bool bold = false;
  bool underline = false;
  QColor color = Qt::black;
};

// The font of that family whose cell is as high as asked: the largest pixel size whose cell does
// not exceed the height.
QFont FontByCellHeight(const QString& family, int height, bool bold = false,
                       bool underline = false);
inline QFont MakeFont(const TFontSpec& font) {
  return FontByCellHeight(font.family, font.height, font.bold, font.underline);
}
