#pragma once

#include <QAbstractButton>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>

#include "skindata.h"
#include "skinmenu.h"
#include "skinfont.h"

class TForm;

// Which borders a point of a window of that size lies on: the frame's left, right and bottom
// borders, and a grip at the top of the caption bar. Near a corner a border counts for both of
// its edges.
Qt::Edges FrameHitTest(const QSize& size, const QPoint& pos, const QMargins& frame, int topGrip,
                       int cornerSize);

// The skin of a menu that names none of its own: the menu skin of the skin form of the window
// its owner belongs to, if one is set, else that skin form's skin.
TbsSkinData* MenuSkinOf(QObject* owner);

enum class TbsBorderIcon { SystemMenu = 1, Minimize = 2, Maximize = 4, RollUp = 8 };
Q_DECLARE_FLAGS(TbsBorderIcons, TbsBorderIcon)
Q_DECLARE_OPERATORS_FOR_FLAGS(TbsBorderIcons)

enum class TbsFrameState { Normal, Maximized, RolledUp };

// A button of the caption bar; it never takes the focus.
class TbsSkinCaptionButton : public QAbstractButton {
  Q_OBJECT

 public:
  enum Kind { SystemMenu, Minimize, Maximize, RollUp, Close };
  TbsSkinCaptionButton(Kind kind, QWidget* parent);

  Kind ButtonKind() const { return kind_; }
  // The maximize button shows "restore" while maximized, the roll-up button "roll down" while
  // rolled up.
  void SetAlternate(bool alternate);
  // The skin's caption-button picture: a row per glyph (system menu, minimize, maximize,
  // restore, roll up, roll down, close), a column per state (normal, hot, pressed).
  void SetPicture(const QPixmap& strip) {
    strip_ = strip;
    update();
  }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void UpdateName();

  Kind kind_;
  bool alternate_ = false;
  QPixmap strip_;
};

// The skin form: draws the form's caption bar and borders from the skin and runs them. The
// caption bar holds the system-menu, minimize, maximize, roll-up and close buttons; the window is
// moved by its caption bar, resized by its borders, maximized to the monitor's work area, rolled
// up to its caption bar and minimized. No snapping, no tray icon, no caption icon, no hints.
class TbsBusinessSkinForm : public QObject {
  Q_OBJECT

 public:
  explicit TbsBusinessSkinForm(TForm* form);

  TbsSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TbsSkinData* data);
  TbsSkinData* MenusSkinData() const { return menusSkinData_; }
  void SetMenusSkinData(TbsSkinData* data) { menusSkinData_ = data; }

  TbsBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TbsBorderIcons icons);

  TbsFrameState FrameState() const { return state_; }
  int CaptionHeight() const { return captionHeight_; }
  QMargins Borders() const { return frame_; }
  QSize MinimumSize() const { return minSize_; }

  // The caption bar's look now, for the user and for tests.
  QFont CaptionFont() const { return MakeFont(captionFont_); }
  QColor CaptionColor() const;

  void Minimize();
  void Maximize();
  void Restore();
  void RollUp();
  void RollDown();
  void Close();

  // Opens the system menu at a point of the screen.
  void ShowSystemMenu(const QPoint& global);
  TbsSkinMenu* OpenSystemMenu() const { return systemMenu_; }

  TbsSkinCaptionButton* CaptionButton(TbsSkinCaptionButton::Kind kind) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ApplySkin();
  void LayoutButtons();
  void UpdateButtons();
  void Paint();
  QRect WorkArea() const;
  bool InCaption(const QPoint& pos) const;
  void OnButton(TbsSkinCaptionButton::Kind kind);
  void Press(QMouseEvent* event);
  void Move(QMouseEvent* event);
  void UpdateCursor(const QPoint& pos);

  TForm* form_;
  QPointer<TbsSkinData> skinData_;
  QPointer<TbsSkinData> menusSkinData_;
  TbsBorderIcons borderIcons_;
  QList<TbsSkinCaptionButton*> buttons_;
  QPointer<TbsSkinMenu> systemMenu_;

  int captionHeight_ = 27;
  QMargins frame_{7, 27, 7, 7};
  QSize minSize_{200, 34};
  TFontSpec captionFont_;
  QColor activeCaptionColor_;
  QColor inactiveCaptionColor_;
  QColor captionShadow_;
  bool captionShadowOn_ = false;

  TbsFrameState state_ = TbsFrameState::Normal;
  TbsFrameState beforeRollUp_ = TbsFrameState::Normal;
  QRect normalBounds_;
  int rolledDownHeight_ = 0;

  // A press on the frame: it becomes a move or a resize at the first movement.
  enum class Drag { None, PendingMove, PendingResize, Moving, Resizing };
  Drag drag_ = Drag::None;
  Qt::Edges dragEdges_;
  QPoint pressGlobal_;
  QRect pressGeometry_;
};
