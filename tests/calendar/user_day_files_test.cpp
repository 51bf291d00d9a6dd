#include "calendar/user_day_files.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <optional>
#include <string>
#include <vector>

#include "core/text_file.h"

namespace {

QString write_bytes(const QTemporaryDir& dir, const QByteArray& bytes) {
  const QString path = dir.filePath("day.dat");
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write(bytes);
  return path;
}

QString scrambled(const QString& digits) {
  QString out;
  for (QChar ch : digits) out += QChar(char16_t(ch.unicode() ^ kHolidayLineMask));
  return out;
}

// A Holiday.DAT with the given year lines (padded to ten) and line 11.
QByteArray holiday_bytes(QStringList years, const QString& dates) {
  while (years.size() < kHoliYears) years.append("");
  return (years.join("\r\n") + "\r\n" + dates + "\r\n").toLatin1();
}

TEST(HolidayFile, MaskTurnsEveryDigitIntoALetter) {
  for (char16_t digit = '0'; digit <= '9'; ++digit) {
    const char16_t c = digit ^ kHolidayLineMask;
    // a letter: printable, and no comma, quote or blank for a field reader to stop at
    EXPECT_TRUE(c >= 'a' && c <= 'z') << int(c);
  }
}

using Slots = std::vector<std::pair<int, QString>>;

// A table holding the given slots, the rest empty.
template <typename Table>
Table table_of(const Slots& slots) {
  Table t{};
  for (const auto& [slot, text] : slots) t[slot] = text;
  return t;
}

TEST(HolidayFile, WrittenLines) {
  QStringList empty(kHoliYears + 1);
  const struct {
    const char* name;
    Slots table;
    QStringList lines;
  } cases[] = {
      {"a date is eight scrambled characters",
       {{0, "2003"}, {kHoliYears, "20030321"}},
       QStringList{"2003"} + empty.mid(2) + QStringList{"hjjijihk"}},
      {"an entry that is not eight characters would shift every later date: not written",
       {{kHoliYears, "2003051"}, {kHoliYears + 1, "20030512"}},
       empty.mid(1) + QStringList{scrambled("20030512")}},
      {"an empty table writes eleven empty lines", {}, empty},
  };
  for (const auto& c : cases)
    EXPECT_EQ(holiday_file_lines(table_of<HoliTable>(c.table)), c.lines) << c.name;
}

TEST(HolidayFile, RoundTripThroughTheFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Holiday.DAT");
  const HoliTable tables[] = {
      table_of<HoliTable>({{0, "2003"},
                           {1, "2004"},
                           {kHoliYears, "20030101"},
                           {kHoliYears + 1, "20030321"},
                           {kHoliYears + 2, "20041231"}}),
      HoliTable{},
      // Years read from quoted fields (a hand-edited file) are written quoted.
      table_of<HoliTable>({{0, "20,03"}, {1, " 2004 "}, {kHoliYears, "20030101"}}),
  };
  for (const HoliTable& t : tables) {
    ASSERT_TRUE(write_lines(path, holiday_file_lines(t)));
    EXPECT_EQ(read_holiday_file(path), t);
  }
}

// What a file's bytes read as: the slots given and (whole) nothing else, or (not
// whole) the slots given and used_end(t, used_from) == used.
struct ReadCase {
  std::string name;
  std::optional<QByteArray> bytes;  // none: no file
  Slots want;
  bool whole = true;
  int used_from = 0, used = 0;
};

TEST(HolidayFile, Reading) {
  const QString one = scrambled("20030512");
  std::vector<ReadCase> cases = {
      {"missing", std::nullopt, {}},
      {"empty", "", {}},
      {"short", "2003\r\n2004\r\n", {{0, "2003"}, {1, "2004"}}},
      {"invalid bytes do not lose the dates",
       holiday_bytes({"20\xff\x80", "2004"}, scrambled("20040101")),
       {{1, "2004"}, {kHoliYears, "20040101"}},
       false,
       kHoliYears,
       kHoliYears + 1},
      {"LF only and no last line end",
       "2003\n\n\n\n\n\n\n\n\n\n" + one.toLatin1(),
       {{0, "2003"}, {kHoliYears, "20030512"}}},
  };
  // A tail of 1..7 characters cannot be a date: left out, whatever its length.
  for (int tail = 1; tail < 8; ++tail)
    cases.push_back({"tail " + std::to_string(tail),
                     holiday_bytes({"2003"}, one + one + scrambled("20031103").left(tail)),
                     {{0, "2003"}, {kHoliYears, "20030512"}, {kHoliYears + 1, "20030512"}}});
  // More dates than the table holds stop at its end.
  ReadCase full{"more dates than the table holds",
                holiday_bytes({"2003"}, one.repeated(1600)),
                {{0, "2003"}}};
  for (int i = kHoliYears; i < int(HoliTable().size()); ++i) full.want.push_back({i, "20030512"});
  cases.push_back(full);

  QTemporaryDir dir;
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    const HoliTable t =
        read_holiday_file(c.bytes ? write_bytes(dir, *c.bytes) : dir.filePath("none.DAT"));
    if (c.whole) {
      EXPECT_EQ(t, table_of<HoliTable>(c.want));
      continue;
    }
    for (const auto& [slot, text] : c.want) EXPECT_EQ(t[slot], text) << slot;
    EXPECT_EQ(used_end(t, c.used_from), c.used);
  }
}

TEST(HolidayNormalising, SortsTheDatesAndDropsTheYearsWithout) {
  const int k = kHoliYears;
  Slots full_table = {{0, "2003"}, {1, "2010"}};
  for (int i = k; i < k + 1490; ++i) full_table.push_back({i, "20030101"});
  full_table.push_back({k + 1490, "20101010"});  // slot 1500
  const struct {
    const char* name;
    Slots before, after;
  } cases[] = {
      {"dates sorted ascending",
       {{0, "2003"}, {k, "20031103"}, {k + 1, "20030101"}, {k + 2, "20030505"}},
       {{0, "2003"}, {k, "20030101"}, {k + 1, "20030505"}, {k + 2, "20031103"}}},
      {"a year without dates dropped and the gap closed",
       {{0, "2003"}, {1, "2004"}, {k, "20040505"}},
       {{0, "2004"}, {k, "20040505"}}},
      {"one pass moves each gap one place only",
       {{2, "2005"}, {5, "2006"}, {k, "20050101"}, {k + 1, "20060101"}},
       {{1, "2005"}, {4, "2006"}, {k, "20050101"}, {k + 1, "20060101"}}},
      {"a year whose dates stand last in a full table is kept", full_table, full_table},
  };
  for (const auto& c : cases) {
    HoliTable t = table_of<HoliTable>(c.before);
    normalise_holidays(t);
    EXPECT_EQ(t, table_of<HoliTable>(c.after)) << c.name;
  }
}

TEST(MemorialFile, RoundTripKeepsACommaInTheComment) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Memorial.DAT");
  KinenTable t;
  t[0] = "0503記念日,その二";
  t[1] = "1123 誕生日 ";
  t[2] = "0101\"引用\"";
  ASSERT_TRUE(write_lines(path, memorial_file_lines(t)));
  EXPECT_EQ(read_memorial_file(path), t);
}

TEST(MemorialFile, Reading) {
  QByteArray sixty;
  for (int i = 0; i < 60; ++i) sixty += QByteArray("0101 no.") + QByteArray::number(i) + "\r\n";
  const std::vector<ReadCase> cases = {
      {"missing", std::nullopt, {}},
      {"empty", "", {}},
      // CP932: 0101誕生日 / 0214記念
      {"a file of the earlier format, line by line",
       "0101\x92\x61\x90\xb6\x93\xfa\r\n0214\x8b\x4c\x94\x4f\r\n",
       {{0, "0101誕生日"}, {1, "0214記念"}}},
      {"more than the table holds keeps the first 51",
       sixty,
       {{0, "0101 no.0"}, {50, "0101 no.50"}},
       false,
       0,
       51},
      // Empty lines hold nothing and must not hide the lines after them.
      {"empty lines and bytes that are not CP932",
       "\r\n0101a\r\n\r\n\xff\x80\r\n0202b",
       {{0, "0101a"}, {2, "0202b"}},
       false,
       0,
       3},
  };
  QTemporaryDir dir;
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    const KinenTable t =
        read_memorial_file(c.bytes ? write_bytes(dir, *c.bytes) : dir.filePath("none.DAT"));
    if (c.whole) {
      EXPECT_EQ(t, table_of<KinenTable>(c.want));
      continue;
    }
    for (const auto& [slot, text] : c.want) EXPECT_EQ(t[slot], text) << slot;
    EXPECT_EQ(used_end(t, c.used_from), c.used);
  }
}

TEST(MemorialFile, NoAnniversaryWritesNoLine) {
  EXPECT_TRUE(memorial_file_lines(KinenTable{}).isEmpty());
  KinenTable t;
  t[0] = "0101a";
  t[2] = "0202 past the end";
  EXPECT_EQ(memorial_file_lines(t), QStringList{"0101a"});
}

}  // namespace
