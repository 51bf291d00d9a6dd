// The search with every data file at its limit: opening the window (every file
// read and folded, the window built and painted) and one keystroke (the search
// run over every record and the list refreshed and painted).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "bench/limit_files.h"
#include "core/scripted_platform.h"
#include "kensaku/kensaku.h"
#include "ui/form_window.h"

namespace {

struct SearchWindow {
  QTemporaryDir dir;
  Module1 m;
  ScriptedPlatform platform;
  Kensaku form{m, platform};
  WindowSet windows;
  FormWindow* window = nullptr;

  SearchWindow() {
    write_limit_files(dir.path());
    QDir::setCurrent(dir.path());
    platform.clock = QDateTime::currentDateTime();
  }
  void open() {
    form.show();
    window = &windows.open(form);
    windows.sync_all();
    window->grab();
  }
  void type(const QString& text) {
    form.c("Text1").text = text;
    Event event{Event::Change, "Text1"};
    form.dispatch(event);
    windows.sync_all();
    window->grab();
  }
};

void BM_SearchOpen(benchmark::State& state) {
  SearchWindow w;
  for (auto _ : state) {
    w.open();
    state.PauseTiming();
    w.form.unload();
    w.windows.sync_all();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SearchOpen)->Unit(benchmark::kMillisecond);

// Each keystroke of a query that finds many (すず: every gift) and then few.
void BM_SearchKeystroke(benchmark::State& state) {
  SearchWindow w;
  w.open();
  const QStringList steps{"す", "すず", "すずき", "すずき 1", "すずき 12", "ﾗｰﾒﾝ", "らーめん9"};
  int i = 0;
  for (auto _ : state) w.type(steps[i++ % steps.size()]);
}
BENCHMARK(BM_SearchKeystroke)->Unit(benchmark::kMillisecond);

}  // namespace
