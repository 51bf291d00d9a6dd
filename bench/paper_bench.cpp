// Paper: a month page and 500 New Year postcards, from plain data to PDF bytes.
#include <benchmark/benchmark.h>

#include "calendar/day_tables.h"
#include "paper/address_pages.h"
#include "paper/calendar_page.h"
#include "print/page_painter.h"

namespace {

void BM_CalendarPagePdf(benchmark::State& state) {
  CalendarSources sources;
  dat_set(sources.syuku_dat, sources.gyouji_dat);
  for (int day = 1; day <= 31; ++day)
    for (int i = 0; i < 5; ++i)
      sources.memos << QString("2026/12/%1メモ%2\r\n").arg(day, 2, 10, QChar('0')).arg(i);
  for (auto _ : state) {
    const PaperDocument document{"month", {calendar_page(2026, 12, sources)}};
    benchmark::DoNotOptimize(pdf_bytes(document));
  }
}
BENCHMARK(BM_CalendarPagePdf)->Unit(benchmark::kMillisecond);

void BM_FiveHundredPostcardsPdf(benchmark::State& state) {
  std::vector<PostalAddress> book;
  for (int i = 0; i < 500; ++i)
    book.push_back({QString("山田 太郎%1").arg(i), "100-0001",
                    QString("東京都千代田区千代田%1-2-3").arg(i), "ｺｰﾎﾟ千代田（ABC）101"});
  for (auto _ : state) benchmark::DoNotOptimize(pdf_bytes(postcard_pages(book).document));
}
BENCHMARK(BM_FiveHundredPostcardsPdf)->Unit(benchmark::kMillisecond);

}  // namespace
