// The old calendar: a month as the こよみ window shows it (its years already computed,
// and from nothing), and every day of 1901-2100 as `toribe koyomi` prints them.
#include <benchmark/benchmark.h>

#include "almanac/koyomi.h"

namespace {

void BM_KoyomiMonthComputedYears(benchmark::State& state) {
  Almanac almanac;
  almanac.days(QDate(2026, 1, 1), QDate(2026, 12, 31));
  for (auto _ : state)
    benchmark::DoNotOptimize(almanac.days(QDate(2026, 12, 1), QDate(2026, 12, 31)));
}
BENCHMARK(BM_KoyomiMonthComputedYears)->Unit(benchmark::kMicrosecond);

void BM_KoyomiMonthFromNothing(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(Almanac().days(QDate(2026, 12, 1), QDate(2026, 12, 31)));
}
BENCHMARK(BM_KoyomiMonthFromNothing)->Unit(benchmark::kMillisecond);

void BM_KoyomiEveryDay1901To2100(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(koyomi_days(QDate(1901, 1, 1), QDate(2100, 12, 31)));
}
BENCHMARK(BM_KoyomiEveryDay1901To2100)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
