// toribe-first-use: what a person waits for the first time a feature is used in a
// running program, module loading included: the print preview of a month up to its
// first painted frame, each module's load and first call, and the first search
// (the window opened over every file at its limit, then one query). Each run is one fresh
// process: `QT_QPA_PLATFORM=offscreen build/toribe-first-use` (docs/performance.md).
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "almanac/almanac_feature.h"
#include "bench/limit_files.h"
#include "core/scripted_platform.h"
#include "kensaku/kensaku.h"
#include "ui/form_window.h"
#include "calendar/day_tables.h"
#include "core/module_loader.h"
#include "exchange/exchange_feature.h"
#include "notices/notices_feature.h"
#include "paper/calendar_page.h"
#include "print/print_feature.h"

namespace {

QElapsedTimer clock_;

void report(const char* what) {
  std::printf("%-34s %7.1f ms\n", what, double(clock_.nsecsElapsed()) / 1e6);
  clock_.restart();
}

template <class Feature>
const Feature& load(const char* what) {
  clock_.restart();
  QString error;
  const Feature* feature = load_feature<Feature>(error);
  if (!feature) qFatal("%s", qPrintable(error));
  report(what);
  return *feature;
}

// Closes the print preview once it has painted, noting the time.
class PreviewCloser : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Paint && widget &&
        widget->window()->objectName() == "PrintPreview" && !done_) {
      done_ = true;
      QTimer::singleShot(0, widget->window(), [this, window = widget->window()] {
        report("print preview, first frame");
        window->close();
      });
    }
    return false;
  }
  bool done_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // The month page shows the 六曜: the almanac module comes first.
  const AlmanacFeature& almanac = load<AlmanacFeature>("load almanac module");
  almanac.days(QDate(2026, 12, 1), QDate(2026, 12, 31));
  report("almanac, first month");
  CalendarSources sources;
  dat_set(sources.syuku_dat, sources.gyouji_dat);
  const PaperDocument month{"2026年12月", {calendar_page(2026, 12, sources)}};
  const PrintFeature& print = load<PrintFeature>("load print module");
  PreviewCloser closer;
  app.installEventFilter(&closer);
  clock_.restart();
  print.preview(month);
  clock_.restart();
  print.pdf(month);
  report("month as PDF");
  load<NoticesFeature>("load notices module");
  const ExchangeFeature& exchange = load<ExchangeFeature>("load exchange module");
  QTemporaryDir empty;
  exchange.export_calendar(empty.path(), 2026, 2027, QDateTime::currentDateTimeUtc());
  report("iCalendar export, two years");

  QTemporaryDir limits;
  write_limit_files(limits.path());
  QDir::setCurrent(limits.path());
  Module1 m;
  ScriptedPlatform platform;
  platform.clock = QDateTime::currentDateTime();
  Kensaku search{m, platform};
  WindowSet windows;
  clock_.restart();
  search.show();
  FormWindow& window = windows.open(search);
  windows.sync_all();
  window.grab();
  report("search window, first opening");
  search.c("Text1").text = "すずき";
  Event typed{Event::Change, "Text1"};
  search.dispatch(typed);
  windows.sync_all();
  window.grab();
  report("first query (すずき)");
  return 0;
}
