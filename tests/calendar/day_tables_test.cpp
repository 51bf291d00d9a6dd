#include "calendar/day_tables.h"

#include <gtest/gtest.h>

#include <QDate>

namespace {

struct Tables {
  SyukuTable syuku;
  GyoujiTable gyouji;
  Tables() { dat_set(syuku, gyouji); }
};

TEST(DayTables, NationalHolidaysFillFifteenSlotsInOrder) {
  const Tables t;
  EXPECT_EQ(used_end(t.syuku), 15);
  EXPECT_EQ(t.syuku[0], "0101元旦");
  EXPECT_EQ(t.syuku[kSeijinSlot], "0115成人の日");
  EXPECT_EQ(t.syuku[kSpringEquinoxSlot], "0321春分の日");
  EXPECT_EQ(t.syuku[6], "0504国民の休日");
  EXPECT_EQ(t.syuku[kAutumnEquinoxSlot], "0923秋分の日");
  EXPECT_EQ(t.syuku[kTaiikuSlot], "1010体育の日");
  EXPECT_EQ(t.syuku[14], "1223天皇誕生日");
  for (int i = 15; i < int(t.syuku.size()); ++i) EXPECT_TRUE(t.syuku[i].isEmpty()) << i;
}

TEST(DayTables, ObservancesKeepTheirOrderAndExactTexts) {
  const Tables t;
  EXPECT_EQ(used_end(t.gyouji), 113);
  for (int i = 113; i < int(t.gyouji.size()); ++i) EXPECT_TRUE(t.gyouji[i].isEmpty()) << i;
  EXPECT_EQ(t.gyouji[0], "0101年賀、初詣");
  // 1 February stands after 28 February
  EXPECT_EQ(t.gyouji[16], "0228三の牛");
  EXPECT_EQ(t.gyouji[17], "0201全国火災予防、緑化運動");
  EXPECT_EQ(t.gyouji[18], "0303ひな祭り");
  EXPECT_EQ(t.gyouji[99], "1101十三夜、灯台の日、教育文化週間、計量記念日");
  EXPECT_EQ(t.gyouji[112], "1231年越し、大はらい");
}

TEST(DayTables, EveryEntryStartsWithARealMonthDay) {
  const Tables t;
  auto check = [](const QString& entry) {
    bool ok_month = false, ok_day = false;
    const int month = entry.left(2).toInt(&ok_month);
    const int day = entry.mid(2, 2).toInt(&ok_day);
    EXPECT_TRUE(ok_month && ok_day && QDate(2000, month, day).isValid()) << entry.toStdString();
    EXPECT_GT(entry.size(), 4) << entry.toStdString();
  };
  for (int i = 0; i < used_end(t.syuku); ++i) check(t.syuku[i]);
  for (int i = 0; i < used_end(t.gyouji); ++i) check(t.gyouji[i]);
}

TEST(DayTables, RefillingRestoresTheEquinoxEntries) {
  Tables t;
  t.syuku[kSpringEquinoxSlot] = "0320春分の日";
  t.gyouji[120] = "stray";
  dat_set(t.syuku, t.gyouji);
  EXPECT_EQ(t.syuku[kSpringEquinoxSlot], "0321春分の日");
  EXPECT_TRUE(t.gyouji[120].isEmpty());
}

}  // namespace
