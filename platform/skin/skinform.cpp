#include "skinform.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "platform/forms/form.h"
#include "skinmenu.h"
#include "skinpaint.h"

namespace {

constexpr int kTopGrip = 4;
constexpr int kCornerSize = 16;

QString ButtonName(TbsSkinCaptionButton::Kind kind, bool alternate) {
  switch (kind) {
    case TbsSkinCaptionButton::SystemMenu: return QStringLiteral("System menu");
    case TbsSkinCaptionButton::Minimize: return QStringLiteral("Minimize");
    case TbsSkinCaptionButton::Maximize:
      return alternate ? QStringLiteral("Restore") : QStringLiteral("Maximize");
    case TbsSkinCaptionButton::RollUp:
      return alternate ? QStringLiteral("Roll down") : QStringLiteral("Roll up");
    case TbsSkinCaptionButton::Close: return QStringLiteral("Close");
  }
  return {};
}

}  // namespace

TbsSkinData* MenuSkinOf(QObject* owner) {
  for (QObject* o = owner; o; o = o->parent()) {
    if (auto* skinForm = o->findChild<TbsBusinessSkinForm*>(QString(), Qt::FindDirectChildrenOnly))
      return skinForm->MenusSkinData() ? skinForm->MenusSkinData() : skinForm->SkinData();
  }
  return nullptr;
}

Qt::Edges FrameHitTest(const QSize& size, const QPoint& pos, const QMargins& frame, int topGrip,
                       int cornerSize) {
  const int w = size.width();
  const int h = size.height();
  if (pos.x() < 0 || pos.y() < 0 || pos.x() >= w || pos.y() >= h) return {};
  Qt::Edges edges;
  if (pos.x() < frame.left()) edges |= Qt::LeftEdge;
  if (pos.x() >= w - frame.right()) edges |= Qt::RightEdge;
  if (pos.y() < topGrip) edges |= Qt::TopEdge;
  if (pos.y() >= h - frame.bottom()) edges |= Qt::BottomEdge;
  if (!edges) return {};
  // Near a corner, a border resizes along both of its edges.
  if (edges & (Qt::LeftEdge | Qt::RightEdge)) {
    if (pos.y() < cornerSize) edges |= Qt::TopEdge;
    if (pos.y() >= h - cornerSize) edges |= Qt::BottomEdge;
  }
  if (edges & (Qt::TopEdge | Qt::BottomEdge)) {
    if (pos.x() < cornerSize) edges |= Qt::LeftEdge;
    if (pos.x() >= w - cornerSize) edges |= Qt::RightEdge;
  }
  return edges;
}

TbsSkinCaptionButton::TbsSkinCaptionButton(Kind kind, QWidget* parent)
    : QAbstractButton(parent), kind_(kind) {
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::ArrowCursor);
  setAttribute(Qt::WA_Hover);
  UpdateName();
}

void TbsSkinCaptionButton::SetAlternate(bool alternate) {
  if (alternate_ == alternate) return;
  alternate_ = alternate;
  UpdateName();
  update();
}

void TbsSkinCaptionButton::UpdateName() {
  const QString name = ButtonName(kind_, alternate_);
  setText(name);
  setAccessibleName(name);
  setObjectName(name);
}

void TbsSkinCaptionButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!strip_.isNull()) {
    static const int rows[] = {0, 1, 2, 4, 6};  // by kind; the alternate glyph is the next row
    const int row = rows[kind_] + ((alternate_ && (kind_ == Maximize || kind_ == RollUp)) ? 1 : 0);
    const int state = isDown() ? 2 : underMouse() ? 1 : 0;
    const int w = strip_.width() / 3, h = strip_.height() / 7;
    p.drawPixmap(rect(), strip_, QRect(state * w, row * h, w, h));
    return;
  }
  p.setRenderHint(QPainter::Antialiasing, false);
  const QRect r = rect().adjusted(0, 0, -1, -1);
  const bool hot = underMouse() || isDown();
  QColor face = kind_ == Close ? QColor(199, 80, 80) : QColor(255, 255, 255, 40);
  if (hot) face = kind_ == Close ? QColor(232, 17, 35) : QColor(255, 255, 255, 90);
  if (isDown()) face = face.darker(130);
  if (kind_ != SystemMenu || hot) {
    p.fillRect(r, face);
    p.setPen(QColor(0, 0, 0, 120));
    p.drawRect(r);
  }
  p.setPen(QPen(Qt::white, 2));
  const QPoint c = rect().center();
  switch (kind_) {
    case SystemMenu:
      p.fillRect(QRect(c.x() - 5, c.y() - 4, 11, 9), QColor(255, 255, 255));
      p.fillRect(QRect(c.x() - 4, c.y() - 2, 9, 6), QColor(70, 110, 160));
      break;
    case Minimize: p.drawLine(c.x() - 4, c.y() + 3, c.x() + 4, c.y() + 3); break;
    case Maximize:
      if (alternate_) {
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(c.x() - 4, c.y() - 1, 7, 6);
        p.drawRect(c.x() - 2, c.y() - 4, 7, 6);
      } else {
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(c.x() - 4, c.y() - 4, 8, 8);
        p.drawLine(c.x() - 4, c.y() - 3, c.x() + 4, c.y() - 3);
      }
      break;
    case RollUp: {
      const int d = alternate_ ? 1 : -1;
      p.setPen(QPen(Qt::white, 1));
      for (int i = 0; i < 4; ++i)
        p.drawLine(c.x() - 3 + i, c.y() + d * (2 - i), c.x() + 3 - i, c.y() + d * (2 - i));
      break;
    }
    case Close:
      p.setRenderHint(QPainter::Antialiasing);
      p.drawLine(c.x() - 3, c.y() - 3, c.x() + 4, c.y() + 4);
      p.drawLine(c.x() + 4, c.y() - 3, c.x() - 3, c.y() + 4);
      break;
  }
}

TbsBusinessSkinForm::TbsBusinessSkinForm(TForm* form)
    : QObject(form), form_(form),
      borderIcons_(TbsBorderIcon::SystemMenu | TbsBorderIcon::Minimize | TbsBorderIcon::Maximize) {
  form_->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                        Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  form_->setMouseTracking(true);
  form_->setAttribute(Qt::WA_Hover);
  form_->installEventFilter(this);
  form_->ClientArea()->setCursor(Qt::ArrowCursor);
  for (auto kind : {TbsSkinCaptionButton::SystemMenu, TbsSkinCaptionButton::Minimize,
                    TbsSkinCaptionButton::Maximize, TbsSkinCaptionButton::RollUp,
                    TbsSkinCaptionButton::Close}) {
    auto* button = new TbsSkinCaptionButton(kind, form_);
    connect(button, &QAbstractButton::clicked, this, [this, kind] { OnButton(kind); });
    buttons_.append(button);
  }
  connect(form_, &TForm::CaptionChanged, form_, [this] { form_->update(); });
  ApplySkin();
}

void TbsBusinessSkinForm::SetSkinData(TbsSkinData* data) {
  if (skinData_) disconnect(skinData_, nullptr, this, nullptr);
  skinData_ = data;
  if (data) connect(data, &TbsSkinData::SkinChanged, this, &TbsBusinessSkinForm::ApplySkin);
  ApplySkin();
}

void TbsBusinessSkinForm::SetBorderIcons(TbsBorderIcons icons) {
  borderIcons_ = icons;
  UpdateButtons();
  LayoutButtons();
}

TbsSkinCaptionButton* TbsBusinessSkinForm::CaptionButton(TbsSkinCaptionButton::Kind kind) const {
  for (TbsSkinCaptionButton* b : buttons_)
    if (b->ButtonKind() == kind) return b;
  return nullptr;
}

void TbsBusinessSkinForm::ApplySkin() {
  const TbsSkinEntry* frame = skinData_ ? skinData_->Entry(QStringLiteral("frame")) : nullptr;
  const TbsSkinEntry* caption = skinData_ ? skinData_->Entry(QStringLiteral("caption")) : nullptr;
  captionHeight_ = frame ? frame->Int(QStringLiteral("CaptionHeight"), 27) : 27;
  const int border = frame ? frame->Int(QStringLiteral("BorderWidth"), 7) : 7;
  frame_ = QMargins(border, captionHeight_, border, border);
  minSize_ = QSize(frame ? frame->Int(QStringLiteral("MinWidth"), 200) : 200,
                   frame ? frame->Int(QStringLiteral("MinHeight"), captionHeight_ + border)
                         : captionHeight_ + border);
  // Without the skin's caption object: Arial 14 bold in the button-text colour, shadow colour
  // when inactive.
  captionFont_ = TFontSpec{QStringLiteral("Arial"), 14, true, false,
                           form_->palette().color(QPalette::ButtonText)};
  activeCaptionColor_ = captionFont_.color;
  inactiveCaptionColor_ = form_->palette().color(QPalette::Shadow);
  captionShadowOn_ = false;
  if (caption) {
    captionFont_ = caption->Font(captionFont_);
    activeCaptionColor_ = caption->Color(QStringLiteral("FontColor"), activeCaptionColor_);
    inactiveCaptionColor_ = caption->Color(QStringLiteral("InActiveFontColor"), inactiveCaptionColor_);
    captionShadowOn_ = caption->Has(QStringLiteral("ShadowColor"));
    captionShadow_ = caption->Color(QStringLiteral("ShadowColor"), Qt::black);
  }
  const QPixmap buttons = frame ? frame->Picture(QStringLiteral("ButtonsPicture")) : QPixmap();
  for (TbsSkinCaptionButton* b : buttons_) b->SetPicture(buttons);
  form_->setMinimumSize(minSize_);
  form_->SetFrameMargins(frame_);
  UpdateButtons();
  LayoutButtons();
  form_->update();
}

QColor TbsBusinessSkinForm::CaptionColor() const {
  return form_->isActiveWindow() ? activeCaptionColor_ : inactiveCaptionColor_;
}

void TbsBusinessSkinForm::UpdateButtons() {
  CaptionButton(TbsSkinCaptionButton::SystemMenu)
      ->setVisible(borderIcons_.testFlag(TbsBorderIcon::SystemMenu));
  CaptionButton(TbsSkinCaptionButton::Minimize)
      ->setVisible(borderIcons_.testFlag(TbsBorderIcon::Minimize));
  CaptionButton(TbsSkinCaptionButton::Maximize)
      ->setVisible(borderIcons_.testFlag(TbsBorderIcon::Maximize));
  CaptionButton(TbsSkinCaptionButton::RollUp)
      ->setVisible(borderIcons_.testFlag(TbsBorderIcon::RollUp));
  CaptionButton(TbsSkinCaptionButton::Maximize)->SetAlternate(state_ == TbsFrameState::Maximized);
  CaptionButton(TbsSkinCaptionButton::RollUp)->SetAlternate(state_ == TbsFrameState::RolledUp);
}

void TbsBusinessSkinForm::LayoutButtons() {
  const TbsSkinEntry* frame = skinData_ ? skinData_->Entry(QStringLiteral("frame")) : nullptr;
  const int bw = frame ? frame->Int(QStringLiteral("ButtonWidth"), 21) : 21;
  const int bh = frame ? frame->Int(QStringLiteral("ButtonHeight"), 19) : 19;
  const int top = std::max(0, (captionHeight_ - bh) / 2 + 1);
  CaptionButton(TbsSkinCaptionButton::SystemMenu)->setGeometry(4, top, bw, bh);
  int x = form_->width() - 5;
  for (auto kind : {TbsSkinCaptionButton::Close, TbsSkinCaptionButton::Maximize,
                    TbsSkinCaptionButton::Minimize, TbsSkinCaptionButton::RollUp}) {
    TbsSkinCaptionButton* b = CaptionButton(kind);
    if (b->isHidden()) continue;
    x -= bw;
    b->setGeometry(x, top, bw, bh);
    x -= 1;
  }
}

QRect TbsBusinessSkinForm::WorkArea() const {
  QScreen* screen = form_->screen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

bool TbsBusinessSkinForm::InCaption(const QPoint& pos) const {
  return pos.y() >= 0 && pos.y() < captionHeight_ && pos.x() >= 0 && pos.x() < form_->width();
}

void TbsBusinessSkinForm::OnButton(TbsSkinCaptionButton::Kind kind) {
  switch (kind) {
    case TbsSkinCaptionButton::SystemMenu: {
      QWidget* b = CaptionButton(kind);
      ShowSystemMenu(b->mapToGlobal(QPoint(0, b->height())));
      break;
    }
    case TbsSkinCaptionButton::Minimize: Minimize(); break;
    case TbsSkinCaptionButton::Maximize:
      state_ == TbsFrameState::Maximized ? Restore() : Maximize();
      break;
    case TbsSkinCaptionButton::RollUp:
      state_ == TbsFrameState::RolledUp ? RollDown() : RollUp();
      break;
    case TbsSkinCaptionButton::Close: Close(); break;
  }
}

void TbsBusinessSkinForm::Minimize() { form_->showMinimized(); }

void TbsBusinessSkinForm::Maximize() {
  if (state_ == TbsFrameState::RolledUp) RollDown();
  if (state_ == TbsFrameState::Maximized) return;
  normalBounds_ = form_->geometry();
  const QRect area = WorkArea();
  form_->setMaximumSize(area.size());
  form_->setGeometry(area);
  state_ = TbsFrameState::Maximized;
  UpdateButtons();
}

void TbsBusinessSkinForm::Restore() {
  if (state_ == TbsFrameState::RolledUp) {
    RollDown();
    return;
  }
  if (state_ != TbsFrameState::Maximized) return;
  state_ = TbsFrameState::Normal;
  form_->setGeometry(normalBounds_);
  UpdateButtons();
}

void TbsBusinessSkinForm::RollUp() {
  if (state_ == TbsFrameState::RolledUp) return;
  beforeRollUp_ = state_;
  rolledDownHeight_ = form_->height();
  state_ = TbsFrameState::RolledUp;
  form_->resize(form_->width(), captionHeight_ + frame_.bottom());
  UpdateButtons();
}

void TbsBusinessSkinForm::RollDown() {
  if (state_ != TbsFrameState::RolledUp) return;
  state_ = beforeRollUp_;
  form_->resize(form_->width(), rolledDownHeight_);
  UpdateButtons();
}

void TbsBusinessSkinForm::Close() { form_->close(); }

void TbsBusinessSkinForm::ShowSystemMenu(const QPoint& global) {
  if (systemMenu_) systemMenu_->close();
  auto* menu = new TbsSkinMenu(menusSkinData_ ? menusSkinData_.data() : skinData_.data());
  menu->setObjectName("systemMenu");
  auto add = [&](const QString& text, void (TbsBusinessSkinForm::*action)()) {
    connect(menu->AddItem(text), &QAction::triggered, this, action);
  };
  if (borderIcons_.testFlag(TbsBorderIcon::Minimize))
    add(QStringLiteral("Minimize"), &TbsBusinessSkinForm::Minimize);
  if (borderIcons_.testFlag(TbsBorderIcon::Maximize) && state_ != TbsFrameState::Maximized)
    add(QStringLiteral("Maximize"), &TbsBusinessSkinForm::Maximize);
  if (state_ != TbsFrameState::Normal) add(QStringLiteral("Restore"), &TbsBusinessSkinForm::Restore);
  if (borderIcons_.testFlag(TbsBorderIcon::RollUp) && state_ != TbsFrameState::RolledUp)
    add(QStringLiteral("Roll up"), &TbsBusinessSkinForm::RollUp);
  menu->addSeparator();
  add(QStringLiteral("Close"), &TbsBusinessSkinForm::Close);
  systemMenu_ = menu;
  menu->popup(global);
}

void TbsBusinessSkinForm::Paint() {
  QPainter p(form_);
  const int w = form_->width();
  const int h = form_->height();
  const bool active = form_->isActiveWindow();
  const TbsSkinEntry* frame = skinData_ ? skinData_->Entry(QStringLiteral("frame")) : nullptr;
  QPixmap picture = frame ? frame->Picture(QStringLiteral("Picture")) : QPixmap();
  if (!active && frame && !frame->Picture(QStringLiteral("InActivePicture")).isNull())
    picture = frame->Picture(QStringLiteral("InActivePicture"));
  if (!picture.isNull()) {
    const int corner = frame->Int(QStringLiteral("CornerWidth"), frame_.left() + 8);
    // The client area covers the middle; only the caption bar and the borders show.
    p.setClipRegion(QRegion(form_->rect()) - QRegion(form_->rect().marginsRemoved(frame_)));
    DrawNinePatch(p, form_->rect(), picture,
                  QMargins(corner, captionHeight_, corner, frame_.bottom()));
    p.setClipping(false);
  } else {
    QLinearGradient fill(0, 0, 0, captionHeight_);
    fill.setColorAt(0, active ? QColor(94, 125, 160) : QColor(160, 170, 180));
    fill.setColorAt(1, active ? QColor(50, 78, 110) : QColor(130, 140, 150));
    p.fillRect(QRect(0, 0, w, captionHeight_), fill);
    const QColor edge = active ? QColor(50, 78, 110) : QColor(130, 140, 150);
    p.fillRect(QRect(0, captionHeight_, frame_.left(), h - captionHeight_), edge);
    p.fillRect(QRect(w - frame_.right(), captionHeight_, frame_.right(), h - captionHeight_), edge);
    p.fillRect(QRect(0, h - frame_.bottom(), w, frame_.bottom()), edge);
    p.setPen(QColor(0, 0, 0, 150));
    p.drawRect(0, 0, w - 1, h - 1);
  }

  int left = 8;
  if (auto* b = CaptionButton(TbsSkinCaptionButton::SystemMenu); b->isVisible())
    left = b->geometry().right() + 6;
  int right = w - 8;
  for (TbsSkinCaptionButton* b : buttons_)
    if (b->ButtonKind() != TbsSkinCaptionButton::SystemMenu && b->isVisible())
      right = std::min(right, b->geometry().left() - 4);
  const QRect text(left, 0, std::max(0, right - left), captionHeight_);
  p.setFont(CaptionFont());
  const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
  const QString caption = p.fontMetrics().elidedText(form_->Caption(), Qt::ElideRight, text.width());
  if (captionShadowOn_) {
    p.setPen(captionShadow_);
    p.drawText(text.translated(1, 1), flags, caption);
  }
  p.setPen(CaptionColor());
  p.drawText(text, flags, caption);
}

void TbsBusinessSkinForm::UpdateCursor(const QPoint& pos) {
  const Qt::Edges e = state_ == TbsFrameState::Normal
                          ? FrameHitTest(form_->size(), pos, frame_, kTopGrip, kCornerSize)
                          : Qt::Edges();
  if (e == (Qt::LeftEdge | Qt::TopEdge) || e == (Qt::RightEdge | Qt::BottomEdge))
    form_->setCursor(Qt::SizeFDiagCursor);
  else if (e == (Qt::RightEdge | Qt::TopEdge) || e == (Qt::LeftEdge | Qt::BottomEdge))
    form_->setCursor(Qt::SizeBDiagCursor);
  else if (e & (Qt::LeftEdge | Qt::RightEdge))
    form_->setCursor(Qt::SizeHorCursor);
  else if (e & (Qt::TopEdge | Qt::BottomEdge))
    form_->setCursor(Qt::SizeVerCursor);
  else
    form_->unsetCursor();
}

void TbsBusinessSkinForm::Press(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  drag_ = Drag::None;
  if (event->button() == Qt::RightButton) {
    if (InCaption(pos)) ShowSystemMenu(event->globalPosition().toPoint());
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  const Qt::Edges edges = state_ == TbsFrameState::Normal
                              ? FrameHitTest(form_->size(), pos, frame_, kTopGrip, kCornerSize)
                              : Qt::Edges();
  if (edges) {
    drag_ = Drag::PendingResize;
    dragEdges_ = edges;
  } else if (InCaption(pos) && state_ != TbsFrameState::Maximized) {
    drag_ = Drag::PendingMove;
  }
  pressGlobal_ = event->globalPosition().toPoint();
  pressGeometry_ = form_->geometry();
}

void TbsBusinessSkinForm::Move(QMouseEvent* event) {
  if (drag_ == Drag::None) {
    if (event->buttons() == Qt::NoButton) UpdateCursor(event->position().toPoint());
    return;
  }
  if (!(event->buttons() & Qt::LeftButton)) {
    drag_ = Drag::None;
    return;
  }
  // The window system moves and resizes where it can; by hand only where it refuses.
  QWindow* window = form_->windowHandle();
  if (drag_ == Drag::PendingMove)
    drag_ = window && window->startSystemMove() ? Drag::None : Drag::Moving;
  else if (drag_ == Drag::PendingResize)
    drag_ = window && window->startSystemResize(dragEdges_) ? Drag::None : Drag::Resizing;

  const QPoint delta = event->globalPosition().toPoint() - pressGlobal_;
  if (drag_ == Drag::Moving) {
    form_->move(pressGeometry_.topLeft() + delta);
  } else if (drag_ == Drag::Resizing) {
    const QSize max = WorkArea().size();
    QRect r = pressGeometry_;
    auto clampW = [&](int v) { return std::clamp(v, minSize_.width(), std::max(minSize_.width(), max.width())); };
    auto clampH = [&](int v) { return std::clamp(v, minSize_.height(), std::max(minSize_.height(), max.height())); };
    if (dragEdges_ & Qt::LeftEdge) r.setLeft(r.right() + 1 - clampW(pressGeometry_.width() - delta.x()));
    if (dragEdges_ & Qt::RightEdge) r.setWidth(clampW(pressGeometry_.width() + delta.x()));
    if (dragEdges_ & Qt::TopEdge) r.setTop(r.bottom() + 1 - clampH(pressGeometry_.height() - delta.y()));
    if (dragEdges_ & Qt::BottomEdge) r.setHeight(clampH(pressGeometry_.height() + delta.y()));
    form_->setGeometry(r);
  }
}

bool TbsBusinessSkinForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched != form_) return QObject::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::Paint:
      Paint();
      return true;
    case QEvent::Resize:
      LayoutButtons();
      break;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::ActivationChange:
      form_->update();
      break;
    case QEvent::Show:
    case QEvent::ScreenChangeInternal:
      if (state_ == TbsFrameState::Normal) form_->setMaximumSize(WorkArea().size());
      break;
    case QEvent::MouseButtonPress:
      Press(static_cast<QMouseEvent*>(event));
      return true;
    case QEvent::MouseMove:
      Move(static_cast<QMouseEvent*>(event));
      return true;
    case QEvent::MouseButtonRelease:
      drag_ = Drag::None;
      return true;
    case QEvent::MouseButtonDblClick: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      const QPoint pos = mouse->position().toPoint();
      const bool onEdge = state_ == TbsFrameState::Normal &&
                          FrameHitTest(form_->size(), pos, frame_, kTopGrip, kCornerSize);
      if (mouse->button() == Qt::LeftButton && InCaption(pos) && !onEdge) {
        drag_ = Drag::None;
        if (state_ == TbsFrameState::Normal)
          Maximize();
        else
          Restore();
      }
      return true;
    }
    case QEvent::Leave:
      if (drag_ == Drag::None) form_->unsetCursor();
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}
