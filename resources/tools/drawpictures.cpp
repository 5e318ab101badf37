// Draws the pictures of the stored skin "OSVista" and the program's icon. Run by hand when a
// picture is to change (target brenvik_draw_pictures); its output is committed in resources/.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

QString out;

void Save(const QImage& image, const QString& name) {
  if (!image.save(out + "/" + name)) std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
}

QImage Blank(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  return image;
}

// The window frame: a dark glass caption bar and borders, the top corners rounded.
QImage Frame(bool active) {
  const int w = 120, caption = 27, border = 7, h = caption + border + 40;
  QImage image = Blank(w, h);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath outline;
  outline.addRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1 + 8), 6, 6);
  QLinearGradient glass(0, 0, 0, h);
  if (active) {
    glass.setColorAt(0.0, QColor(110, 140, 175));
    glass.setColorAt(0.18, QColor(64, 96, 134));
    glass.setColorAt(0.36, QColor(40, 62, 92));
    glass.setColorAt(1.0, QColor(34, 54, 82));
  } else {
    glass.setColorAt(0.0, QColor(190, 200, 212));
    glass.setColorAt(0.36, QColor(150, 162, 176));
    glass.setColorAt(1.0, QColor(140, 152, 166));
  }
  p.setClipRect(0, 0, w, h);
  p.fillPath(outline, glass);
  // The shine over the upper half of the caption bar.
  QLinearGradient shine(0, 0, 0, caption / 2);
  shine.setColorAt(0, QColor(255, 255, 255, active ? 90 : 70));
  shine.setColorAt(1, QColor(255, 255, 255, 10));
  p.fillRect(QRectF(1, 1, w - 2, caption / 2.0), shine);
  p.setPen(QColor(0, 0, 0, 160));
  p.drawPath(outline);
  p.setPen(QColor(255, 255, 255, 70));
  p.drawLine(QPointF(6, 1.5), QPointF(w - 6, 1.5));
  // Where the client area sits: an inner edge.
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QColor(20, 30, 45, active ? 200 : 120));
  p.drawRect(border - 1, caption - 1, w - 2 * border + 1, h - caption - border + 1);
  p.fillRect(border, caption, w - 2 * border, h - caption - border, Qt::transparent);
  return image;
}

enum Glyph { SysMenu, Minimize, Maximize, Restore, RollUp, RollDown, Close };

void DrawGlyph(QPainter& p, Glyph glyph, const QRectF& r) {
  const QPointF c = r.center();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(Qt::white, 1));
  p.setBrush(Qt::NoBrush);
  switch (glyph) {
    case SysMenu:
      p.fillRect(QRectF(c.x() - 5, c.y() - 4, 11, 9), QColor(235, 240, 248));
      p.fillRect(QRectF(c.x() - 4, c.y() - 2, 9, 6), QColor(60, 100, 150));
      break;
    case Minimize: p.fillRect(QRectF(c.x() - 4, c.y() + 2, 9, 2), Qt::white); break;
    case Maximize:
      p.drawRect(QRectF(c.x() - 4, c.y() - 4, 8, 7));
      p.drawLine(QPointF(c.x() - 4, c.y() - 3), QPointF(c.x() + 4, c.y() - 3));
      break;
    case Restore:
      p.drawRect(QRectF(c.x() - 2, c.y() - 5, 7, 5));
      p.fillRect(QRectF(c.x() - 5, c.y() - 2, 8, 6), QColor(0, 0, 0, 0));
      p.drawRect(QRectF(c.x() - 5, c.y() - 2, 7, 5));
      break;
    case RollUp:
    case RollDown: {
      const int d = glyph == RollUp ? -1 : 1;
      for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(c.x() - 3 + i, c.y() + d * (i - 1.5)), QPointF(c.x() + 3 - i, c.y() + d * (i - 1.5)));
      break;
    }
    case Close:
      p.setRenderHint(QPainter::Antialiasing);
      p.setPen(QPen(Qt::white, 2));
      p.drawLine(QPointF(c.x() - 3.5, c.y() - 3.5), QPointF(c.x() + 3.5, c.y() + 3.5));
      p.drawLine(QPointF(c.x() + 3.5, c.y() - 3.5), QPointF(c.x() - 3.5, c.y() + 3.5));
      break;
  }
}

// Caption buttons: one row per glyph, one column per state (normal, hot, down).
QImage CaptionButtons() {
  const int bw = 25, bh = 19;
  QImage image = Blank(bw * 3, bh * 7);
  QPainter p(&image);
  for (int g = 0; g < 7; ++g) {
    for (int state = 0; state < 3; ++state) {
      const QRectF r(state * bw + 0.5, g * bh + 0.5, bw - 1, bh - 1);
      p.setRenderHint(QPainter::Antialiasing);
      QLinearGradient face(r.topLeft(), r.bottomLeft());
      QColor top, bottom;
      if (g == Close) {
        top = state == 0 ? QColor(216, 140, 128) : state == 1 ? QColor(240, 120, 100) : QColor(190, 60, 40);
        bottom = state == 0 ? QColor(190, 60, 40) : state == 1 ? QColor(212, 40, 20) : QColor(150, 30, 20);
      } else if (g == SysMenu) {
        top = QColor(255, 255, 255, state == 0 ? 0 : state == 1 ? 70 : 40);
        bottom = QColor(255, 255, 255, state == 0 ? 0 : state == 1 ? 30 : 15);
      } else {
        top = state == 0 ? QColor(160, 185, 215, 150) : state == 1 ? QColor(170, 215, 245) : QColor(90, 150, 200);
        bottom = state == 0 ? QColor(60, 85, 120, 150) : state == 1 ? QColor(40, 130, 200) : QColor(30, 80, 140);
      }
      face.setColorAt(0, top);
      face.setColorAt(1, bottom);
      QPainterPath path;
      path.addRoundedRect(r, 3, 3);
      p.fillPath(path, face);
      if (g != SysMenu || state > 0) {
        p.setPen(QColor(0, 0, 0, 150));
        p.drawPath(path);
      }
      DrawGlyph(p, Glyph(g), r);
    }
  }
  return image;
}

QImage Edit() {
  QImage image = Blank(40, 19);
  QPainter p(&image);
  p.fillRect(0, 0, 40, 19, Qt::white);
  p.setPen(QColor(171, 173, 179));
  p.drawLine(0, 0, 39, 0);
  p.setPen(QColor(226, 227, 234));
  p.drawLine(0, 18, 39, 18);
  p.setPen(QColor(219, 223, 230));
  p.drawLine(0, 1, 0, 17);
  p.drawLine(39, 1, 39, 17);
  return image;
}

QImage Button(int state) {
  QImage image = Blank(40, 21);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0.5, 0.5, 39, 20);
  QLinearGradient face(0, 0, 0, 21);
  if (state == 0) {
    face.setColorAt(0, QColor(242, 242, 242)); face.setColorAt(0.5, QColor(235, 235, 235));
    face.setColorAt(0.51, QColor(221, 221, 221)); face.setColorAt(1, QColor(207, 207, 207));
  } else if (state == 1) {
    face.setColorAt(0, QColor(234, 246, 253)); face.setColorAt(0.5, QColor(217, 240, 252));
    face.setColorAt(0.51, QColor(190, 230, 253)); face.setColorAt(1, QColor(167, 217, 245));
  } else {
    face.setColorAt(0, QColor(229, 244, 252)); face.setColorAt(0.5, QColor(196, 229, 246));
    face.setColorAt(0.51, QColor(152, 209, 239)); face.setColorAt(1, QColor(104, 179, 219));
  }
  QPainterPath path;
  path.addRoundedRect(r, 3, 3);
  p.fillPath(path, face);
  p.setPen(state == 0 ? QColor(112, 112, 112) : state == 1 ? QColor(60, 127, 177) : QColor(44, 98, 139));
  p.drawPath(path);
  p.setPen(QColor(255, 255, 255, 150));
  p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 2, 2);
  return image;
}

QImage ListFrame() {
  QImage image = Blank(40, 40);
  QPainter p(&image);
  p.fillRect(0, 0, 40, 40, Qt::white);
  p.setPen(QColor(130, 135, 144));
  p.drawRect(0, 0, 39, 39);
  p.setPen(QColor(240, 240, 240));
  p.drawRect(1, 1, 37, 37);
  return image;
}

QImage Highlight(int h, QColor top, QColor bottom, QColor border) {
  QImage image = Blank(40, h);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient fill(0, 0, 0, h);
  fill.setColorAt(0, top);
  fill.setColorAt(1, bottom);
  QPainterPath path;
  path.addRoundedRect(QRectF(0.5, 0.5, 39, h - 1), 2, 2);
  p.fillPath(path, fill);
  p.setPen(border);
  p.drawPath(path);
  return image;
}

QImage ScrollThumb() {
  QImage image = Blank(15, 30);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient fill(0, 0, 15, 0);
  fill.setColorAt(0, QColor(243, 243, 243));
  fill.setColorAt(0.5, QColor(226, 226, 226));
  fill.setColorAt(1, QColor(208, 208, 208));
  QPainterPath path;
  path.addRoundedRect(QRectF(0.5, 0.5, 14, 29), 2, 2);
  p.fillPath(path, fill);
  p.setPen(QColor(155, 155, 155));
  p.drawPath(path);
  return image;
}

// The icon: a note with a ticked box and lines, in the frame's blue.
QImage Icon(int size) {
  QImage image = Blank(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal s = size / 16.0;
  QPainterPath page;
  page.addRoundedRect(QRectF(1.5 * s, 0.5 * s, 13 * s, 15 * s), 1.5 * s, 1.5 * s);
  QLinearGradient paper(0, 0, 0, size);
  paper.setColorAt(0, QColor(255, 255, 255));
  paper.setColorAt(1, QColor(222, 232, 245));
  p.fillPath(page, paper);
  p.setPen(QPen(QColor(40, 62, 92), std::max(1.0, 0.8 * s)));
  p.drawPath(page);
  QLinearGradient band(0, 0, 0, 4 * s);
  band.setColorAt(0, QColor(110, 140, 175));
  band.setColorAt(1, QColor(40, 62, 92));
  p.fillRect(QRectF(2 * s, 1 * s, 12 * s, 3 * s), band);
  for (int i = 0; i < 3; ++i) {
    const qreal y = (6 + i * 3.2) * s;
    QRectF box(3.5 * s, y - 1.2 * s, 2.4 * s, 2.4 * s);
    p.setPen(QPen(QColor(80, 100, 130), std::max(1.0, 0.5 * s)));
    p.setBrush(Qt::white);
    p.drawRect(box);
    if (i < 2) {
      p.setPen(QPen(QColor(30, 150, 60), std::max(1.2, 0.9 * s), Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(3.8 * s, y), QPointF(4.7 * s, y + 0.9 * s));
      p.drawLine(QPointF(4.7 * s, y + 0.9 * s), QPointF(6.4 * s, y - 1.6 * s));
    }
    p.setPen(QPen(QColor(120, 130, 145), std::max(1.0, 0.7 * s)));
    p.drawLine(QPointF(7.2 * s, y), QPointF(12.5 * s, y));
  }
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s resources-directory\n", argv[0]);
    return 2;
  }
  out = QString::fromLocal8Bit(argv[1]) + "/skin";
  Save(Frame(true), "frame.png");
  Save(Frame(false), "frame_inactive.png");
  Save(CaptionButtons(), "captionbuttons.png");
  Save(Edit(), "edit.png");
  Save(Button(0), "button.png");
  Save(Button(1), "button_hot.png");
  Save(Button(2), "button_down.png");
  Save(ListFrame(), "listbox.png");
  Save(Highlight(19, QColor(220, 236, 252), QColor(193, 219, 252), QColor(125, 162, 206)), "listitem.png");
  Save(Highlight(20, QColor(232, 241, 251), QColor(208, 226, 247), QColor(168, 216, 235)), "menuitem.png");
  Save(ScrollThumb(), "scrollthumb.png");
  out = QString::fromLocal8Bit(argv[1]) + "/icons";
  for (int size : {16, 24, 32, 48, 64, 72, 96, 128}) Save(Icon(size), QString("brenvik-%1.png").arg(size));
  return 0;
}
