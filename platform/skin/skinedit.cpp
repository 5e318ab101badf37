#include "skinedit.h"

#include <QKeyEvent>
#include <QPainter>
#include <limits>

#include "platform/forms/ansi.h"
#include "platform/forms/sysutils.h"

TbsSkinEdit::TbsSkinEdit(QWidget* parent) : QLineEdit(parent) {
  // The edit sets no limit of its own: a picked row of any length comes back whole.
  setMaxLength(std::numeric_limits<int>::max());
  setFrame(false);
  setTextMargins(3, 0, 3, 0);
  setFocusPolicy(Qt::StrongFocus);
  ChangeSkinData();
}

std::string TbsSkinEdit::Text() const {
  QString value = text();
  if (const qsizetype nul = value.indexOf(QChar(0)); nul >= 0) value.truncate(nul);
  std::optional<std::string> bytes = ToAnsi(value);
  if (!bytes)
    throw Exception("No mapping for the Unicode character exists in the target multi-byte code page");
  return *std::move(bytes);
}

void TbsSkinEdit::SetText(std::string_view bytes) { setText(FromAnsi(bytes)); }

void TbsSkinEdit::SetDefaultFont(const TFontSpec& font) {
  defaultFont_ = font;
  ChangeSkinData();
}

void TbsSkinEdit::ChangeSkinData() {
  TFontSpec font = defaultFont_;
  int height = DesignedBounds().height();
  QPalette pal = palette();
  pal.setColor(QPalette::Base, Qt::white);
  if (const TbsSkinEntry* entry = SkinEntry()) {
    font.family = entry->Value(QStringLiteral("FontName"), font.family);
    font.height = entry->Int(QStringLiteral("FontHeight"), font.height);
    font.color = entry->Color(QStringLiteral("FontColor"), font.color);
    const QPixmap picture = entry->Picture(QStringLiteral("Picture"));
    if (!picture.isNull()) height = picture.height();
  }
  pal.setColor(QPalette::Text, font.color);
  setPalette(pal);
  setFont(MakeFont(font));
  setGeometry(DesignedBounds().x(), DesignedBounds().y(), DesignedBounds().width(), height);
  update();
}

void TbsSkinEdit::keyPressEvent(QKeyEvent* event) {
  // Enter and Escape do nothing here: there is no default button and nothing to cancel.
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
      event->accept();
      return;
    default:
      QLineEdit::keyPressEvent(event);
  }
}

void TbsSkinEdit::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
  }
  QLineEdit::paintEvent(event);
  QPainter painter(this);
  painter.setPen(hasFocus() ? QColor(61, 123, 173) : QColor(171, 173, 179));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
