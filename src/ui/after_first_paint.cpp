#include "ui/after_first_paint.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

constexpr char kPainted[] = "toribe_painted";

// Watches every paint (a window's own background may never be painted: its
// children cover it) until one lands in the window.
class FirstPaintWaiter : public QObject {
 public:
  FirstPaintWaiter(QWidget* window, std::function<void()> work)
      : window_(window), work_(std::move(work)) {
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != window_)
      return false;
    window_->setProperty(kPainted, true);
    qApp->removeEventFilter(this);
    // A moment later: the frame is on the screen and the start's queued work
    // (the window manager's first events, say) has gone before.
    QTimer::singleShot(100, qApp, std::move(work_));
    deleteLater();
    return false;
  }

 private:
  QPointer<QWidget> window_;
  std::function<void()> work_;
};

}  // namespace

void after_first_paint(QWidget* window, std::function<void()> work) {
  if (!window || !window->isVisible() || window->property(kPainted).toBool()) {
    work();
    return;
  }
  new FirstPaintWaiter(window, std::move(work));
}
