#pragma once

#include <QLineEdit>
#include <string>
#include <string_view>

#include "skincontrol.h"
#include "skinfont.h"
#include "skinmenu.h"

// A one-line edit whose text is bytes of the ANSI code page to the program. The skin's edit
// picture sets its height; its left, top and width stay.
class TbsSkinEdit : public QLineEdit, public TbsSkinControl {
  Q_OBJECT

 public:
  explicit TbsSkinEdit(QWidget* parent);

  // The whole text, encoded. Like a system edit's text, it ends at a zero character. Throws when
  // a character has no form in the code page.
  std::string Text() const;
  void SetText(std::string_view bytes);

  void SetDefaultFont(const TFontSpec& font);

  // The input method the box asks for while it has the focus, on a Chinese, Japanese or Korean
  // system: the installed one of this display name (letter case ignored), else the start-up
  // layout; losing the focus brings the start-up layout back. Looked up once, when set.
  const QString& ImeName() const { return imeName_; }
  void SetImeName(const QString& name);

  // The box's own editing menu while it is open.
  TbsSkinMenu* OpenMenu() const { return menu_; }

 protected:
  void ChangeSkinData() override;
  QWidget* ControlWidget() override { return this; }
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void ShowMenu(const QPoint& global);

  TFontSpec defaultFont_;
  QPixmap picture_;
  QString imeName_;
  std::string imeLayout_;  // the installed input method of that name, or empty
  QPointer<TbsSkinMenu> menu_;
};
