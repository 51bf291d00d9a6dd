#pragma once
// Ends the program once the first top-level window has painted, printing the
// peak resident memory in KiB on standard error ("maxrss KIB").
#include <sys/resource.h>

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

class FirstPaintProbe : public QObject {
 public:
  FirstPaintProbe() { QApplication::instance()->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!done_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window()->isVisible()) {
      done_ = true;
      // Ends once this paint has been handled and flushed, before any other
      // work queued for later and without the tear-down: only the start is timed.
      QTimer::singleShot(0, [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::fprintf(stderr, "maxrss %ld\n", usage.ru_maxrss);
        std::fflush(stderr);
        std::_Exit(0);
      });
    }
    return false;
  }

 private:
  bool done_ = false;
};
