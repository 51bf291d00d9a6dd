#include "ui/window_mover.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

WindowMover::WindowMover(QWidget* client) : QObject(client), client_(client) {
  client->installEventFilter(this);
}

bool WindowMover::eventFilter(QObject* watched, QEvent* event) {
  if (watched != client_) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      // A press a control let through (a label, say) is not on an empty part.
      pressed_ =
          mouse->button() == Qt::LeftButton && !client_->childAt(mouse->position().toPoint());
      press_at_ = mouse->position();
      return false;
    }
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (!pressed_ || !(mouse->buttons() & Qt::LeftButton)) return false;
      if ((mouse->position() - press_at_).manhattanLength() < QApplication::startDragDistance())
        return false;
      pressed_ = false;
      QWindow* window = client_->window()->windowHandle();
      // The window manager takes the pointer from here; the release goes to it.
      return window && window->startSystemMove();
    }
    case QEvent::MouseButtonRelease:
      pressed_ = false;
      return false;
    default:
      return false;
  }
}
