#pragma once

#include <QMargins>
#include <QWidget>

#include "events.h"

// A top-level form. Its controls live in the client area; what lies around it (the non-client
// area: caption bar and borders) is drawn by whoever sets the frame margins, a skin form.
class TForm : public QWidget {
  Q_OBJECT

 public:
  explicit TForm(QWidget* parent = nullptr);

  QWidget* ClientArea() const { return client_; }

  // The caption drawn in the caption bar. The window title, which the taskbar and the task
  // switcher read, is the application's title.
  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);

  QSize ClientSize() const { return client_->size(); }
  void SetClientSize(int width, int height);

  QMargins FrameMargins() const { return frame_; }
  void SetFrameMargins(const QMargins& margins);

  // Runs the close-query handler under the application's failure boundary: false when the
  // handler refused or failed.
  bool CloseQuery();

  // Runs the creation handler, once the layout has been loaded.
  void DoCreate();

  // Shows the form as the message loop starts: at its place, active, the focus on the first tab
  // stop.
  void ShowAtStart();

  TNotifyEvent OnCreate;
  TCloseQueryEvent OnCloseQuery;

 Q_SIGNALS:
  void CaptionChanged();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void LayoutClient();

  QWidget* client_;
  QString caption_;
  QMargins frame_;
};
