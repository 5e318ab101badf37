#pragma once

#include <QLineEdit>
#include <string>
#include <string_view>

#include "skincontrol.h"
#include "skinfont.h"

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

 protected:
  void ChangeSkinData() override;
  QWidget* ControlWidget() override { return this; }
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  TFontSpec defaultFont_;
};
