// The main window on screen (offscreen platform) with every data file at its limit:
// a next-month click and the two 200-memo lists, each until the window is painted,
// and what an idle second of the clock repaints.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "bench/limit_files.h"
#include "core/scripted_platform.h"
#include "tests/ui/paint_log.h"
#include "toribe/toribe.h"
#include "ui/form_window.h"

namespace {

struct ShownMainWindow {
  QTemporaryDir dir;
  Module1 m;
  ScriptedPlatform platform;
  std::unique_ptr<Toribe> form;
  WindowSet windows;
  FormWindow* window = nullptr;

  ShownMainWindow() {
    write_limit_files(dir.path());
    QDir::setCurrent(dir.path());
    platform.clock = QDateTime::currentDateTime();
    m.calen_mode = 3;
    form = std::make_unique<Toribe>(m, platform);
    form->show();
    window = &windows.open(*form);
    windows.sync_all();
    window->grab();
  }
  // One event as the window layer delivers it, then the refresh and a paint.
  void press(const QString& name, int index, Event::Type type = Event::MouseDown) {
    Event event;
    event.type = type;
    event.name = name;
    event.index = index;
    event.button = 1;
    form->dispatch(event);
    windows.sync_all();
    window->grab();
  }
};

void BM_WindowNextMonth(benchmark::State& state) {
  ShownMainWindow w;
  for (auto _ : state) w.press("Command13", 3);
}
BENCHMARK(BM_WindowNextMonth)->Unit(benchmark::kMillisecond);

// Opens a memo list from its menu item and closes it with "終了" (Command13(5)).
void open_and_close(benchmark::State& state, const char* item) {
  ShownMainWindow w;
  for (auto _ : state) {
    w.press(item, -1, Event::Click);
    state.PauseTiming();
    w.press("Command13", 5);
    state.ResumeTiming();
  }
}
void BM_WindowMemoList(benchmark::State& state) { open_and_close(state, "mnumemoichi"); }
void BM_WindowMemoDeletionList(benchmark::State& state) { open_and_close(state, "memo_all"); }
BENCHMARK(BM_WindowMemoList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowMemoDeletionList)->Unit(benchmark::kMillisecond);

// The memo list opened for the first time, its list widget made then.
void BM_WindowMemoListFirstOpen(benchmark::State& state) {
  std::unique_ptr<ShownMainWindow> w;
  for (auto _ : state) {
    state.PauseTiming();
    w.reset();  // the last window and its folder go outside the timing
    w = std::make_unique<ShownMainWindow>();
    state.ResumeTiming();
    w->press("mnumemoichi", -1, Event::Click);
  }
}
BENCHMARK(BM_WindowMemoListFirstOpen)->Unit(benchmark::kMillisecond)->Iterations(20);

// One idle second of the clock, painted as the event loop paints it: only the
// clock should be drawn again (and the window's background behind its text). The
// counter "widgets" tells how many were painted; "other" those beside the clock.
void BM_WindowIdleClock(benchmark::State& state) {
  ShownMainWindow w;
  // The first frames on screen are no part of an idle second.
  for (int i = 0; i < 3; ++i) {
    w.platform.advance(1000);
    w.windows.sync_all();
    QCoreApplication::processEvents();
  }
  PaintLog log;
  for (auto _ : state) {
    w.platform.advance(1000);
    w.windows.sync_all();
    QCoreApplication::processEvents();
  }
  for (const char* behind_the_clock : {"Label4", "client", "toribe"})
    log.painted.remove(behind_the_clock);
  state.counters["other"] = double(log.painted.size());
  if (!log.painted.isEmpty())
    state.SetLabel(("also painted: " + QStringList(log.painted.values()).join(' ')).toStdString());
}
BENCHMARK(BM_WindowIdleClock)->Unit(benchmark::kMillisecond);

}  // namespace
