#pragma once
// Ends the program once the first top-level window has painted, then prints the
// peak resident memory in KiB on standard error ("maxrss KIB").
#include <sys/resource.h>

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

class FirstPaintProbe : public QObject {
 public:
  FirstPaintProbe() { QApplication::instance()->installEventFilter(this); }
  ~FirstPaintProbe() override {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::fprintf(stderr, "maxrss %ld\n", usage.ru_maxrss);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!done_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window()->isVisible()) {
      done_ = true;
      // Quit once this paint has been handled and flushed.
      QTimer::singleShot(0, [] { QApplication::exit(0); });
    }
    return false;
  }

 private:
  bool done_ = false;
};
