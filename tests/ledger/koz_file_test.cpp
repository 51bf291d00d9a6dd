#include "ledger/koz_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/text_file.h"

namespace {

TEST(KozFile, RecordsAsTheEarlierProgramWroteThem) {
  EXPECT_EQ(build_koz_record(false, 2003, 3, 5, "350", "パン"), "1120030305350パン");
  EXPECT_EQ(build_koz_record(true, 2003, 1, 2, "5000", "お年玉"), "*12200301025000お年玉");
  EXPECT_EQ(build_koz_record(false, 2003, 11, 9, "5", "ガム"), "09200311095ガム");
  EXPECT_EQ(koz_file_name(2003), "TO2003.KOZ");
}

TEST(KozFile, WrittenRecordsReadBackRecordForRecord) {
  const struct {
    bool income;
    int month, day;
    const char* amount;
    const char* item;
  } rows[] = {
      {false, 11, 9, "5", "ガム"},
      {true, 1, 2, "9999999", "お年玉"},
      {false, 12, 31, "0000350", ""},
      {true, 6, 15, "12", "あいうえおかきくけこさしすせそたちつてとなにぬねの"},
      {false, 3, 5, "00000000000000000350", "half width item, 123"},
  };
  QTemporaryDir dir;
  const QString path = dir.filePath("TO2003.KOZ");
  KozTables tables;
  for (const auto& r : rows) {
    const QString record =
        build_koz_record(r.income, 2003, r.month, r.day, r.amount, QString::fromUtf8(r.item));
    (r.income ? tables.nyukin : tables.shisyutu).push_back(koz_line(record));
  }
  ASSERT_TRUE(write_koz_file(path, tables));
  const auto read = read_koz_file(path);
  ASSERT_TRUE(read);
  ASSERT_EQ(read->nyukin.size(), 2u);
  ASSERT_EQ(read->shisyutu.size(), 3u);
  int income = 0, expense = 0;
  for (const auto& r : rows) {
    const KozLine& line = r.income ? read->nyukin[income++] : read->shisyutu[expense++];
    const auto record = parse_koz_record(line.text);
    ASSERT_TRUE(record) << line.text.toStdString();
    EXPECT_EQ(record->income, r.income);
    EXPECT_EQ(record->year, 2003);
    EXPECT_EQ(record->month, r.month);
    EXPECT_EQ(record->day, r.day);
    EXPECT_EQ(record->amount, r.amount);
    EXPECT_EQ(record->item, QString::fromUtf8(r.item));
  }
  // Income first, every line ended by CR LF.
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().startsWith(to_cp932("*15200301029999999お年玉\r\n")));
}

TEST(KozFile, LinesOffTheLayoutAreNoRecords) {
  const char* bad[] = {
      "",
      "*",
      "1",
      "0820030305",
      "1120030305",  // too short
      "xx20030305350パン",
      "11200303a5350パン",
      "1120031305350パン",
      "1120030300350パン",
      "1220030305350　",
      "162003030510000000x",  // above the limit
  };
  for (const char* line : bad) EXPECT_FALSE(parse_koz_record(QString::fromUtf8(line))) << line;
  // Leading zeros may pad a small amount to any length.
  const auto padded =
      parse_koz_record(build_koz_record(false, 2003, 3, 5, "00000000000000000350", "x"));
  ASSERT_TRUE(padded);
  EXPECT_EQ(padded->value, 350);
}

TEST(KozFile, OverfullAndBrokenFileSurvivesASaveUnchanged) {
  QTemporaryDir dir;
  const QString path = dir.filePath("TO2003.KOZ");
  QByteArray bytes;
  for (int i = 0; i < 150; ++i) bytes += to_cp932(QString("*1120030101%1入").arg(100 + i)) + "\r\n";
  bytes += "*not a record\r\n";
  for (int i = 0; i < 1200; ++i)
    bytes += to_cp932(QString("1120030202%1出").arg(100 + i % 900)) + "\r\n";
  bytes += QByteArray("hand edited \x81\xff\xfe line\r\n");
  bytes += "99\r\n";
  ASSERT_TRUE(write_bytes(path, bytes));
  auto read = read_koz_file(path);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->nyukin.size(), 151u);
  EXPECT_EQ(read->shisyutu.size(), 1202u);
  ASSERT_TRUE(write_koz_file(path, *read));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), bytes);
}

TEST(KozFile, BlankLinesAreSkippedAndLaterRecordsKept) {
  QTemporaryDir dir;
  const QString path = dir.filePath("TO2003.KOZ");
  ASSERT_TRUE(write_bytes(path, "*09200301015a\r\n\r\n1120030305350b\r\n\r\n09200303055c"));
  const auto read = read_koz_file(path);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->nyukin.size(), 1u);
  ASSERT_EQ(read->shisyutu.size(), 2u);
  EXPECT_EQ(read->shisyutu[1].text, "09200303055c");
  EXPECT_FALSE(read_koz_file(dir.filePath("TO1999.KOZ")));
}

}  // namespace
