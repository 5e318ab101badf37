#pragma once

#include <QMargins>
#include <QPainter>
#include <QPixmap>
#include <QRect>

// Draws a skin picture over a rectangle cut in nine: the corners as they are, the edges
// stretched along, the middle stretched both ways.
void DrawNinePatch(QPainter& painter, const QRect& target, const QPixmap& picture,
                   const QMargins& corners);
