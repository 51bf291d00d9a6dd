#include "exchange/csv_export.h"

#include <gtest/gtest.h>

#include "gifts/zouto_record.h"

TEST(CsvExport, LedgerRowsOfTheYearByDateQuotedAsTheRfcSays) {
  KozTables tables;
  tables.nyukin = {koz_line(build_koz_record(true, 2026, 3, 1, "5000", "お年玉,\"祖母\""))};
  tables.shisyutu = {koz_line(build_koz_record(false, 2026, 1, 9, "350", "パン")),
                     koz_line(build_koz_record(false, 2025, 1, 9, "1", "去年")),
                     koz_line("hand-written line")};
  EXPECT_EQ(ledger_csv(tables, 2026),
            "\xEF\xBB\xBF日付,区分,内容,金額\r\n2026-01-09,支出,パン,350\r\n"
            "2026-03-01,入金,\"お年玉,\"\"祖母\"\"\",5000\r\n");
  EXPECT_EQ(ledger_csv({}, 2026), "\xEF\xBB\xBF日付,区分,内容,金額\r\n");
}

TEST(CsvExport, GiftLinesSplitIntoDateNameAndItem) {
  ZoutouData data;
  data.given = {{gift_record(gift_date_text(2003, 5, 6), "山田　太郎", "商品券　5000円"), {}}};
  data.received = {{"edited by hand", {}}};
  EXPECT_EQ(
      gifts_csv(data),
      "\xEF\xBB\xBF日付,区分,氏名,品名・金額\r\n2003-05-06,贈った,山田　太郎,商品券　5000円\r\n"
      ",頂いた,edited by hand,\r\n");
}
