#include "form.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "application.h"

TForm::TForm(QWidget* parent) : QWidget(parent, Qt::Window), client_(new QWidget(this)) {
  client_->setObjectName("clientArea");
  client_->setAutoFillBackground(true);
}

void TForm::SetCaption(const QString& caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  Q_EMIT CaptionChanged();
}

void TForm::SetClientSize(int width, int height) {
  resize(width + frame_.left() + frame_.right(), height + frame_.top() + frame_.bottom());
  LayoutClient();
}

void TForm::SetFrameMargins(const QMargins& margins) {
  const QSize client = ClientSize();
  frame_ = margins;
  SetClientSize(client.width(), client.height());
}

void TForm::LayoutClient() {
  const QRect inner = rect().marginsRemoved(frame_);
  client_->setGeometry(inner.x(), inner.y(), std::max(0, inner.width()),
                       std::max(0, inner.height()));
}

bool TForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery && !Application->Invoke([&] { OnCloseQuery(this, canClose); })) return false;
  return canClose;
}

void TForm::DoCreate() {
  if (OnCreate) Application->Invoke([&] { OnCreate(this); });
}

void TForm::ShowAtStart() {
  if (!focusWidget()) {
    // The first tab stop of the form takes the focus as soon as the window is active.
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
      if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && isAncestorOf(w)) {
        w->setFocus(Qt::ActiveWindowFocusReason);
        break;
      }
    }
  }
  show();
  raise();
  // Without a window manager nobody activates a new window; asking costs nothing where one does.
  activateWindow();
}

void TForm::closeEvent(QCloseEvent* event) {
  if (!CloseQuery()) {
    event->ignore();
    return;
  }
  event->accept();
  if (Application->MainForm() == this) Application->Terminate();
}

void TForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayoutClient();
}

void TForm::keyPressEvent(QKeyEvent* event) {
  // Alt+F4 is the window manager's where there is one; without one the form handles it.
  if (event->key() == Qt::Key_F4 && event->modifiers() == Qt::AltModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}
