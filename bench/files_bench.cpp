// Reading each data file at its limit, and the main window's month and memo
// list with every table full.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "bench/limit_files.h"
#include "calendar/user_day_files.h"
#include "core/scripted_platform.h"
#include "core/text_file.h"
#include "memo/memo_file.h"
#include "memo/memo_store.h"
#include "toribe/toribe.h"

namespace {

// A folder of limit files, made once and made the working folder.
void limit_folder() {
  static QTemporaryDir dir;
  static const bool made = [] {
    write_limit_files(dir.path());
    return true;
  }();
  (void)made;
  QDir::setCurrent(dir.path());
}

void BM_ReadHolidayFile(benchmark::State& state) {
  limit_folder();
  for (auto _ : state) benchmark::DoNotOptimize(read_holiday_file(kHolidayFile));
}
BENCHMARK(BM_ReadHolidayFile)->Unit(benchmark::kMicrosecond);

void BM_ReadMemorialFile(benchmark::State& state) {
  limit_folder();
  for (auto _ : state) benchmark::DoNotOptimize(read_memorial_file(kMemorialFile));
}
BENCHMARK(BM_ReadMemorialFile)->Unit(benchmark::kMicrosecond);

void BM_LoadMemos(benchmark::State& state) {
  limit_folder();
  for (auto _ : state) {
    const auto lines = read_lines(kMemoFile);
    benchmark::DoNotOptimize(load_memos(*lines, false, QDate::currentDate()));
  }
}
BENCHMARK(BM_LoadMemos)->Unit(benchmark::kMicrosecond);

struct MainWindow {
  Module1 m;
  ScriptedPlatform platform;
  std::unique_ptr<Toribe> form;
  MainWindow() {
    limit_folder();
    platform.clock = QDateTime::currentDateTime();
    form = std::make_unique<Toribe>(m, platform);
    form->show();
  }
  void send(Event::Type type, const QString& name, int index = -1) {
    Event event;
    event.type = type;
    event.name = name;
    event.index = index;
    event.button = 1;
    form->dispatch(event);
  }
};

void BM_MainWindowLoad(benchmark::State& state) {
  for (auto _ : state) MainWindow window;
}
BENCHMARK(BM_MainWindowLoad)->Unit(benchmark::kMillisecond);

void BM_NextMonth(benchmark::State& state) {
  MainWindow window;
  window.form->m.calen_mode = 3;  // every table coloured
  for (auto _ : state) window.send(Event::MouseDown, "Command13", 3);
}
BENCHMARK(BM_NextMonth)->Unit(benchmark::kMicrosecond);

}  // namespace
