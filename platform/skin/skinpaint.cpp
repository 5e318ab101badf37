#include "skinpaint.h"

void DrawNinePatch(QPainter& painter, const QRect& target, const QPixmap& picture,
                   const QMargins& corners) {
  if (picture.isNull() || target.isEmpty()) return;
  const int l = corners.left(), t = corners.top(), r = corners.right(), b = corners.bottom();
  const int pw = picture.width(), ph = picture.height();
  const int tw = target.width(), th = target.height();
  const int x = target.x(), y = target.y();
  const int xs[3] = {x, x + l, x + tw - r};
  const int ws[3] = {l, tw - l - r, r};
  const int ys[3] = {y, y + t, y + th - b};
  const int hs[3] = {t, th - t - b, b};
  const int sxs[3] = {0, l, pw - r};
  const int sws[3] = {l, pw - l - r, r};
  const int sys[3] = {0, t, ph - b};
  const int shs[3] = {t, ph - t - b, b};
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col)
      if (ws[col] > 0 && hs[row] > 0 && sws[col] > 0 && shs[row] > 0)
        painter.drawPixmap(QRect(xs[col], ys[row], ws[col], hs[row]), picture,
                           QRect(sxs[col], sys[row], sws[col], shs[row]));
}
