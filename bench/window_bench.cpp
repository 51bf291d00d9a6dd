// The main window on screen (offscreen platform) with every data file at its limit:
// a next-month click and the two 200-memo lists, each until the window is painted.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "bench/limit_files.h"
#include "core/scripted_platform.h"
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

}  // namespace
