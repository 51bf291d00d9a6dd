// Each tool window's file at its limit, read and listed as the window does it:
// 1,100 ledger records, 100 cards, 500 addresses, 1,000 gifts, a full season.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "baseball/season_file.h"
#include "baseball/standings.h"
#include "core/quoted_records.h"
#include "gifts/zouto_file.h"
#include "ledger/kozukai_file.h"
#include "ledger/kozukai_lines.h"
#include "reliability/format_gen.h"
#include "reliability/record_gen.h"

namespace {

QString bench_path(const QString& name) {
  static QTemporaryDir dir;
  return dir.filePath(name);
}

const QString& ledger_file() {
  static const QString path = [] {
    RecordGen gen(1);
    const QString p = bench_path("TO2003.KOZ");
    write_koz_file(p, gen_ledger(gen, 2003, true));
    return p;
  }();
  return path;
}

QString quoted_file(const QString& name, const QList<int>& lengths, int limit) {
  RecordGen gen(2);
  QuotedRecords file;
  for (const QStringList& record : gen_quoted_records(gen, lengths, limit, true))
    file.records.push_back(record);
  const QString p = bench_path(name);
  write_quoted_records(p, file);
  return p;
}

void BM_LedgerLoadAndList(benchmark::State& state) {
  const QString& path = ledger_file();
  for (auto _ : state) {
    const auto tables = read_koz_file(path);
    benchmark::DoNotOptimize(make_listing(*tables, KozKind::Shisyutu, KozTerm::Year, 2003, 5));
  }
}
BENCHMARK(BM_LedgerLoadAndList)->Unit(benchmark::kMicrosecond);

void BM_CardsLoad(benchmark::State& state) {
  static const QString path =
      quoted_file("Meishi.DAT", {40, 40, 40, 40, 10, 40, 20, 20, 20, 40}, 100);
  for (auto _ : state) benchmark::DoNotOptimize(read_quoted_records(path, 10));
}
BENCHMARK(BM_CardsLoad)->Unit(benchmark::kMicrosecond);

void BM_AddressesLoad(benchmark::State& state) {
  static const QString path = quoted_file("Address.DAT", kAddressLengths, 500);
  for (auto _ : state) benchmark::DoNotOptimize(read_quoted_records(path, 8));
}
BENCHMARK(BM_AddressesLoad)->Unit(benchmark::kMicrosecond);

void BM_GiftsLoad(benchmark::State& state) {
  static const QString path = [] {
    RecordGen gen(3);
    const QString p = bench_path("ZOUTOU.ZOU");
    write_zoutou(p, gen_gifts(gen, true));
    return p;
  }();
  for (auto _ : state) benchmark::DoNotOptimize(read_zoutou(path));
}
BENCHMARK(BM_GiftsLoad)->Unit(benchmark::kMicrosecond);

void BM_SeasonLoadAndStandings(benchmark::State& state) {
  static const QString path = [] {
    RecordGen gen(4);
    const QString p = bench_path("Bas2003.DAT");
    QFile file(p);
    file.open(QIODevice::WriteOnly);
    file.write(season_bytes(gen, gen_season(gen)));
    return p;
  }();
  for (auto _ : state) {
    const auto season = read_season(path);
    benchmark::DoNotOptimize(league_records(*season, 1, 6));
    benchmark::DoNotOptimize(league_records(*season, 7, 12));
  }
}
BENCHMARK(BM_SeasonLoadAndStandings)->Unit(benchmark::kMicrosecond);

}  // namespace
