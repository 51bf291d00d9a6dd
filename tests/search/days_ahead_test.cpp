#include "search/days_ahead.h"

#include <gtest/gtest.h>

namespace {

DaysAheadTables tables() {
  DaysAheadTables t;
  GyoujiTable gyouji;
  dat_set(t.syuku_dat, gyouji);
  return t;
}

TEST(DaysAhead, ThreeDaysByDateThenHolidayUserHolidayAnniversaryMemo) {
  DaysAheadTables t = tables();
  t.holi_dat[0] = "2026";
  t.holi_dat[kHoliYears] = "20261124";
  t.holi_dat[kHoliYears + 1] = "20261126";  // the fourth day: not told
  t.kinen_dat[0] = "1123結婚記念日";
  t.memos = {"2026/11/23買い物\r\n牛乳\r\n", "2026/11/22昨日\r\n", "2026/11/24会議\r\n",
             "2026/11/23歯医者\r\n"};
  const QStringList expected{"11月23日（月）　祝日　勤労感謝の日",
                             "11月23日（月）　記念日　結婚記念日",
                             "11月23日（月）　メモ　買い物",
                             "11月23日（月）　メモ　歯医者",
                             "11月24日（火）　休日",
                             "11月24日（火）　メモ　会議"};
  EXPECT_EQ(days_ahead_lines(QDate(2026, 11, 23), t), expected);
}

TEST(DaysAhead, HolidaysFollowTheLawOptionAndQuietDaysTellNothing) {
  DaysAheadTables t = tables();
  EXPECT_TRUE(days_ahead_lines(QDate(2026, 12, 8), t).isEmpty());
  EXPECT_TRUE(days_ahead_lines(QDate(2026, 8, 10), t).isEmpty());  // no 山の日 in the table
  t.law = true;
  EXPECT_EQ(days_ahead_lines(QDate(2026, 8, 10), t), QStringList{"8月11日（火）　祝日　山の日"});
}

}  // namespace
