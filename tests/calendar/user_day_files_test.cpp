#include "calendar/user_day_files.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

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

TEST(HolidayFile, DateIsStoredAsEightScrambledCharacters) {
  HoliTable t;
  t[0] = "2003";
  t[kHoliYears] = "20030321";
  const QStringList lines = holiday_file_lines(t);
  ASSERT_EQ(lines.size(), 11);
  EXPECT_EQ(lines[0], "2003");
  EXPECT_EQ(lines[10], "hjjijihk");
  EXPECT_NE(lines[10], "20030321");
}

TEST(HolidayFile, RoundTripThroughTheFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Holiday.DAT");
  HoliTable t;
  t[0] = "2003";
  t[1] = "2004";
  t[kHoliYears] = "20030101";
  t[kHoliYears + 1] = "20030321";
  t[kHoliYears + 2] = "20041231";
  ASSERT_TRUE(write_lines(path, holiday_file_lines(t)));
  EXPECT_EQ(read_holiday_file(path), t);
}

TEST(HolidayFile, EmptyTableWritesElevenEmptyLinesAndReadsBackEmpty) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Holiday.DAT");
  ASSERT_TRUE(write_lines(path, holiday_file_lines(HoliTable{})));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("\r\n").repeated(11));
  EXPECT_EQ(read_holiday_file(path), HoliTable{});
}

TEST(HolidayFile, MissingEmptyOrShortFilesLeaveTheRestEmpty) {
  QTemporaryDir dir;
  EXPECT_EQ(read_holiday_file(dir.filePath("none.DAT")), HoliTable{});
  EXPECT_EQ(read_holiday_file(write_bytes(dir, "")), HoliTable{});
  const HoliTable t = read_holiday_file(write_bytes(dir, "2003\r\n2004\r\n"));
  EXPECT_EQ(t[0], "2003");
  EXPECT_EQ(t[1], "2004");
  EXPECT_EQ(used_end(t), 2);
  EXPECT_TRUE(t[kHoliYears].isEmpty());
}

TEST(HolidayFile, LineElevenIsReadInWholeDates) {
  QTemporaryDir dir;
  const QString one = scrambled("20030512");
  // a tail of 1..7 characters cannot be a date: left out, whatever its length
  for (int tail = 1; tail < 8; ++tail) {
    const QString line = one + one + scrambled("20031103").left(tail);
    const HoliTable t = read_holiday_file(write_bytes(dir, holiday_bytes({"2003"}, line)));
    EXPECT_EQ(used_end(t, kHoliYears), kHoliYears + 2) << tail;
    EXPECT_EQ(t[kHoliYears + 1], "20030512");
  }
}

TEST(HolidayFile, MoreDatesThanTheTableHoldsStopAtItsEnd) {
  QTemporaryDir dir;
  const QString line = scrambled("20030512").repeated(1600);
  const HoliTable t = read_holiday_file(write_bytes(dir, holiday_bytes({"2003"}, line)));
  EXPECT_EQ(t.back(), "20030512");
  EXPECT_EQ(used_end(t, kHoliYears), int(t.size()));
}

TEST(HolidayFile, InvalidBytesDoNotLoseTheDates) {
  QTemporaryDir dir;
  QByteArray bytes = holiday_bytes({"20\xff\x80", "2004"}, scrambled("20040101"));
  const HoliTable t = read_holiday_file(write_bytes(dir, bytes));
  EXPECT_EQ(t[1], "2004");
  EXPECT_EQ(t[kHoliYears], "20040101");
}

TEST(HolidayFile, LfOnlyAndNoLastLineEndAreRead) {
  QTemporaryDir dir;
  const QByteArray bytes = "2003\n\n\n\n\n\n\n\n\n\n" + scrambled("20030512").toLatin1();
  const HoliTable t = read_holiday_file(write_bytes(dir, bytes));
  EXPECT_EQ(t[0], "2003");
  EXPECT_EQ(t[kHoliYears], "20030512");
}

TEST(HolidayFile, AnEntryThatIsNotEightCharactersIsNotWritten) {
  HoliTable t;
  t[kHoliYears] = "2003051";  // would shift every later date
  t[kHoliYears + 1] = "20030512";
  EXPECT_EQ(holiday_file_lines(t)[10], scrambled("20030512"));
}

TEST(HolidayNormalising, DatesAreSortedAscending) {
  HoliTable t;
  t[0] = "2003";
  t[kHoliYears] = "20031103";
  t[kHoliYears + 1] = "20030101";
  t[kHoliYears + 2] = "20030505";
  normalise_holidays(t);
  EXPECT_EQ(t[kHoliYears], "20030101");
  EXPECT_EQ(t[kHoliYears + 1], "20030505");
  EXPECT_EQ(t[kHoliYears + 2], "20031103");
  EXPECT_TRUE(t[kHoliYears + 3].isEmpty());
  EXPECT_EQ(t[0], "2003");
}

TEST(HolidayNormalising, AYearWithoutDatesIsDroppedAndTheGapClosed) {
  HoliTable t;
  t[0] = "2003";
  t[1] = "2004";
  t[kHoliYears] = "20040505";
  normalise_holidays(t);
  EXPECT_EQ(t[0], "2004");
  EXPECT_TRUE(t[1].isEmpty());
}

TEST(HolidayNormalising, OnePassMovesEachGapOnePlaceOnly) {
  HoliTable t;
  t[2] = "2005";
  t[5] = "2006";
  t[kHoliYears] = "20050101";
  t[kHoliYears + 1] = "20060101";
  normalise_holidays(t);
  EXPECT_TRUE(t[0].isEmpty());
  EXPECT_EQ(t[1], "2005");
  EXPECT_TRUE(t[2].isEmpty());
  EXPECT_EQ(t[4], "2006");
  EXPECT_TRUE(t[5].isEmpty());
}

TEST(HolidayNormalising, AYearWhoseDatesStandLastInAFullTableIsKept) {
  HoliTable t;
  t[0] = "2003";
  t[1] = "2010";
  for (int i = kHoliYears; i < kHoliYears + 1490; ++i) t[i] = "20030101";
  t[kHoliYears + 1490] = "20101010";  // slot 1500
  normalise_holidays(t);
  EXPECT_EQ(t[1], "2010");
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

TEST(MemorialFile, FileOfTheEarlierFormatReadsLineByLine) {
  QTemporaryDir dir;
  // CP932: 0101誕生日 / 0214記念
  const QByteArray bytes = "0101\x92\x61\x90\xb6\x93\xfa\r\n0214\x8b\x4c\x94\x4f\r\n";
  const KinenTable t = read_memorial_file(write_bytes(dir, bytes));
  EXPECT_EQ(t[0], "0101誕生日");
  EXPECT_EQ(t[1], "0214記念");
  EXPECT_EQ(used_end(t), 2);
}

TEST(MemorialFile, NoAnniversaryWritesNoLine) {
  EXPECT_TRUE(memorial_file_lines(KinenTable{}).isEmpty());
  KinenTable t;
  t[0] = "0101a";
  t[2] = "0202 past the end";
  EXPECT_EQ(memorial_file_lines(t), QStringList{"0101a"});
}

TEST(MemorialFile, MoreThanTheTableHoldsKeepsTheFirst51) {
  QTemporaryDir dir;
  QByteArray bytes;
  for (int i = 0; i < 60; ++i) bytes += QByteArray("0101 no.") + QByteArray::number(i) + "\r\n";
  const KinenTable t = read_memorial_file(write_bytes(dir, bytes));
  EXPECT_EQ(t.front(), "0101 no.0");
  EXPECT_EQ(t.back(), "0101 no.50");
}

TEST(MemorialFile, MissingEmptyAndBrokenFiles) {
  QTemporaryDir dir;
  EXPECT_EQ(read_memorial_file(dir.filePath("none.DAT")), KinenTable{});
  EXPECT_EQ(read_memorial_file(write_bytes(dir, "")), KinenTable{});
  // empty lines hold nothing and must not hide the lines after them
  const KinenTable t = read_memorial_file(write_bytes(dir, "\r\n0101a\r\n\r\n\xff\x80\r\n0202b"));
  EXPECT_EQ(t[0], "0101a");
  EXPECT_FALSE(t[1].isEmpty());
  EXPECT_EQ(t[2], "0202b");
  EXPECT_EQ(used_end(t), 3);
}

}  // namespace
