// Data exchange at the limits: ten years of calendar with every day file full,
// and 500 vCards imported into an empty address book.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "bench/limit_files.h"
#include "exchange/exchange.h"
#include "exchange/vcard_writer.h"

namespace {

void BM_ExportTenYearsOfCalendar(benchmark::State& state) {
  QTemporaryDir dir;
  write_limit_files(dir.path());
  const QDate today = QDate::currentDate();
  for (auto _ : state)
    benchmark::DoNotOptimize(
        export_calendar(dir.path(), today.year() - 5, today.year() + 4, QDateTime::currentDateTimeUtc()));
}
BENCHMARK(BM_ExportTenYearsOfCalendar)->Unit(benchmark::kMillisecond);

void BM_Import500Vcards(benchmark::State& state) {
  std::vector<QStringList> records;
  for (int i = 0; i < 500; ++i)
    records.push_back({QString("山田　太郎%1").arg(i), "100-0001", "東京都千代田区千代田１－１", "トリベビル５階",
                       QString("03-1234-%1").arg(i, 4, 10, QChar('0')), "090-1234-5678", "03-1234-0000",
                       QString("taro%1@example.com").arg(i)});
  const QByteArray input = address_vcards(records);
  for (auto _ : state) {
    state.PauseTiming();
    QTemporaryDir dir;
    state.ResumeTiming();
    const auto outcome = import_contacts(dir.path(), ContactBook::Addresses, input, "in.vcf");
    if (std::get<ImportSummary>(outcome).taken != 500) state.SkipWithError("not every card taken");
  }
}
BENCHMARK(BM_Import500Vcards)->Unit(benchmark::kMillisecond);

}  // namespace
