#include "core/dates.h"

#include <gtest/gtest.h>

namespace {

struct DifferenceCase {
  QDate from;
  QDate to;
  int days;
};

TEST(DayDifference, CountsMidnights) {
  const DifferenceCase cases[] = {
      {{2003, 5, 12}, {2003, 5, 12}, 0},
      {{2003, 5, 12}, {2003, 5, 13}, 1},
      // Earlier target: negative.
      {{2003, 5, 13}, {2003, 5, 12}, -1},
      // Month, year and leap-day boundaries.
      {{2003, 4, 30}, {2003, 5, 1}, 1},
      {{2003, 12, 31}, {2004, 1, 1}, 1},
      {{2003, 2, 28}, {2003, 3, 1}, 1},
      {{2004, 2, 28}, {2004, 3, 1}, 2},
      {{2000, 1, 1}, {2001, 1, 1}, 366},
      {{1900, 1, 1}, {1901, 1, 1}, 365},
      {{2010, 1, 1}, {1996, 1, 1}, -5114},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(day_difference(c.from, c.to), c.days) << c.from.toString().toStdString();
  }
}

TEST(DayDifference, InvalidDateGivesZero) {
  EXPECT_EQ(day_difference(QDate(), QDate(2003, 5, 12)), 0);
  EXPECT_EQ(day_difference(QDate(2003, 5, 12), QDate(2003, 2, 30)), 0);
}

TEST(DateKey, IsTenZeroPaddedCharacters) {
  EXPECT_EQ(date_key(2003, 5, 12), "2003/05/12");
  EXPECT_EQ(date_key(1999, 12, 31), "1999/12/31");
  EXPECT_EQ(date_key(812, 1, 1), "0812/01/01");
}

TEST(ParseDateKey, AcceptsOnlyARealDateInTheFirstTenCharacters) {
  const struct {
    const char* text;
    QDate date;  // null when the text names no date
  } cases[] = {
      {"2003/05/12", {2003, 5, 12}},
      // Text after the key (a memo) is ignored.
      {"2003/05/12 memo", {2003, 5, 12}},
      {"2003/05/1234", {2003, 5, 12}},
      {"2004/02/29", {2004, 2, 29}},
      // Not a calendar date.
      {"2003/02/29", {}},
      {"2003/13/01", {}},
      {"2003/00/10", {}},
      {"2003/05/00", {}},
      {"2003/04/31", {}},
      {"0000/01/01", {}},
      // Wrong shape: short, other separators, non-digits or full-width digits.
      {"", {}},
      {"2003/05/1", {}},
      {"2003/5/12 ", {}},
      {"2003-05-12", {}},
      {" 2003/05/12", {}},
      {"+003/05/12", {}},
      {"2003/ 5/12", {}},
      {"２００３/05/12", {}},
  };
  for (const auto& c : cases) {
    const auto parsed = parse_date_key(QString::fromUtf8(c.text));
    if (c.date.isNull()) {
      EXPECT_FALSE(parsed.has_value()) << c.text;
    } else {
      ASSERT_TRUE(parsed.has_value()) << c.text;
      EXPECT_EQ(*parsed, c.date) << c.text;
    }
  }
}

TEST(ParseDateKey, ReadsBackEveryKeyOfSeveralYears) {
  for (QDate d(1999, 1, 1); d <= QDate(2004, 12, 31); d = d.addDays(1)) {
    const auto parsed = parse_date_key(date_key(d.year(), d.month(), d.day()));
    ASSERT_TRUE(parsed.has_value()) << d.toString().toStdString();
    EXPECT_EQ(*parsed, d);
  }
}

}  // namespace
