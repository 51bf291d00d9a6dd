#pragma once
// Ends the program once the first top-level window has painted, printing the
// peak resident memory in KiB ("maxrss KIB") and the processor time used since
// the program was started, loading included ("cpu_us MICROSECONDS"), and the
// shared libraries mapped by then ("libraries COUNT NAME…"), on standard error. Started through
// exec-timer, it also prints the time from just before exec to the first painted frame
// ("exec_to_paint_us MICROSECONDS").
#include <sys/resource.h>

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

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
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        if (const char* exec_ns = std::getenv("TORIBE_EXEC_NS")) {
          const long long ns = now.tv_sec * 1000000000LL + now.tv_nsec;
          std::fprintf(stderr, "exec_to_paint_us %lld\n", (ns - std::atoll(exec_ns)) / 1000);
        }
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::fprintf(stderr, "maxrss %ld\n", usage.ru_maxrss);
        const long cpu_us = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000L +
                            usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
        std::fprintf(stderr, "cpu_us %ld\n", cpu_us);
        const QStringList libraries = mapped_libraries();
        std::fprintf(stderr, "libraries %lld %s\n", qlonglong(libraries.size()),
                     qPrintable(libraries.join(' ')));
        std::fflush(stderr);
        std::_Exit(0);
      });
    }
    return false;
  }

 private:
  // The shared objects in /proc/self/maps, by file name, sorted.
  static QStringList mapped_libraries() {
    QFile maps("/proc/self/maps");
    if (!maps.open(QIODevice::ReadOnly)) return {};
    QSet<QString> names;
    for (const QByteArray& line : maps.readAll().split('\n')) {
      const qsizetype slash = line.indexOf('/');
      if (slash >= 0 && line.contains(".so")) names.insert(QFileInfo(line.mid(slash)).fileName());
    }
    QStringList sorted(names.begin(), names.end());
    sorted.sort();
    return sorted;
  }

  bool done_ = false;
};
