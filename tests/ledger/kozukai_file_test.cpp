#include "ledger/kozukai_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/text_file.h"

namespace {

TEST(KozFile, WrittenRecordsReadBackRecordForRecord) {
  const struct {
    bool income;
    int month, day;
    const char* amount;
    const char* item;
  } rows[] = {
      {false, 11, 9, "5", "ガム"},
      {true, 1, 2, "9999999", "お年玉"},
      {false, 12, 31, "00000000000000000350", ""},
      {true, 6, 15, "12", "あいうえおかきくけこさしすせそたちつてとなにぬねの"},
  };
  QTemporaryDir dir;
  const QString path = dir.filePath("TO2003.KOZ");
  KozTables tables;
  for (const auto& r : rows)
    (r.income ? tables.nyukin : tables.shisyutu)
        .push_back(koz_line(
            build_koz_record(r.income, 2003, r.month, r.day, r.amount, QString::fromUtf8(r.item))));
  EXPECT_EQ(tables.shisyutu[0].text, "09200311095ガム");
  ASSERT_TRUE(write_koz_file(path, tables));
  const auto read = read_koz_file(path);
  ASSERT_TRUE(read);
  size_t income = 0, expense = 0;
  for (const auto& r : rows) {
    const auto& table = r.income ? read->nyukin : read->shisyutu;
    const size_t i = r.income ? income++ : expense++;
    ASSERT_LT(i, table.size());
    const auto record = parse_koz_record(table[i].text);
    ASSERT_TRUE(record) << r.item;
    EXPECT_EQ(record->income, r.income);
    EXPECT_EQ(QString("%1/%2/%3").arg(record->year).arg(record->month).arg(record->day),
              QString("2003/%1/%2").arg(r.month).arg(r.day));
    EXPECT_EQ(record->amount, r.amount);
    EXPECT_EQ(record->item, QString::fromUtf8(r.item));
  }
  EXPECT_EQ(read->nyukin.size() + read->shisyutu.size(), std::size(rows));
}

TEST(KozFile, LinesOffTheLayoutAreNoRecords) {
  for (const char* line : {"*", "0820030305", "1120030305", "xx20030305350a", "11200303a5350a",
                           "1120031305350a", "1120030300350a", "162003030510000000x"})
    EXPECT_FALSE(parse_koz_record(QString::fromUtf8(line))) << line;
}

// More lines than the tables of the earlier program held, broken lines and
// blank lines: a save writes back every line but the blank ones, byte for byte.
TEST(KozFile, OverfullAndBrokenFileSurvivesASave) {
  QTemporaryDir dir;
  const QString path = dir.filePath("TO2003.KOZ");
  QByteArray bytes;
  for (int i = 0; i < 150; ++i) bytes += to_cp932(QString("*1120030101%1入\r\n").arg(100 + i));
  bytes += "*not a record\r\n";
  for (int i = 0; i < 1200; ++i)
    bytes += to_cp932(QString("1120030202%1出\r\n").arg(100 + i % 900));
  bytes += "hand edited \x81\xff\xfe line\r\n99\r\n";
  ASSERT_TRUE(write_bytes(path, QByteArray(bytes).insert(0, "\r\n").append("\r\n")));
  auto read = read_koz_file(path);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->nyukin.size(), 151u);
  EXPECT_EQ(read->shisyutu.size(), 1202u);
  ASSERT_TRUE(write_koz_file(path, *read));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), bytes);
}

}  // namespace
