#include "gifts/zouto_record.h"

#include <gtest/gtest.h>

namespace {

TEST(GiftRecord, NameAndItemArePaddedOrCutToTwentyCharacters) {
  const QString twenty = "12345678901234567890";
  const struct {
    const char* name;
    const char* item;
    QString expected;
  } cases[] = {
      {"山田太郎", "5000", "2003年5月6日  山田太郎" + QString(16, ' ') + "5000" + QString(16, ' ')},
      {"Yamada", "ﾀｵﾙ", "2003年5月6日  Yamada" + QString(14, ' ') + "ﾀｵﾙ" + QString(17, ' ')},
      // exactly 20 characters stay whole; 25 are cut after the 20th
      {"12345678901234567890", "あいうえおかきくけこさしすせそたちつてとなにぬねの",
       "2003年5月6日  " + twenty + "あいうえおかきくけこさしすせそたちつてと"},
      {"1234567890123456789012345", "", "2003年5月6日  " + twenty + QString(20, ' ')},
      {"", "", "2003年5月6日  " + QString(40, ' ')},
  };
  for (const auto& c : cases) {
    const QString line = gift_record("2003年5月6日", c.name, c.item);
    EXPECT_EQ(line, c.expected) << c.name;
    EXPECT_EQ(line.size(), 11 + 40);
  }
}

TEST(GiftRecord, DateHasNoLeadingZeros) {
  EXPECT_EQ(gift_date_text(2003, 5, 6), "2003年5月6日");
  EXPECT_EQ(gift_date_text(1999, 12, 31), "1999年12月31日");
}

TEST(GiftRecord, CalendarYearsRunFrom1995ToTheLaterOf2020AndNextYear) {
  const struct {
    QDate today;
    int year, expected;
  } cases[] = {
      {{2003, 5, 12}, 2021, 2020}, {{2003, 5, 12}, 1994, 1995}, {{2003, 5, 12}, 2020, 2020},
      {{2019, 1, 1}, 2021, 2020},  {{2020, 6, 1}, 2021, 2021},  {{2026, 12, 7}, 2028, 2027},
      {{2026, 12, 7}, 2027, 2027}, {{2026, 12, 7}, 1994, 1995}, {{1990, 1, 1}, 2021, 2020},
  };
  for (const auto& c : cases)
    EXPECT_EQ(gift_year_in_range(c.year, c.today), c.expected)
        << c.today.toString(Qt::ISODate).toStdString() << " " << c.year;
}

}  // namespace
