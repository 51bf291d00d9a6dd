#pragma once
// Moves a window that has no title bar: a press on an empty part of its
// client area, dragged past the platform's drag distance, hands the window to
// the window manager or compositor (QWindow::startSystemMove), which is the
// only way to move a window under Wayland and the native way under X11.
// The press itself still reaches the form, so a plain click stays a click.
#include <QObject>
#include <QPointF>

class QWidget;

class WindowMover : public QObject {
 public:
  // Watches client, whose top-level window is the one moved.
  explicit WindowMover(QWidget* client);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* client_;
  bool pressed_ = false;
  QPointF press_at_;
};
