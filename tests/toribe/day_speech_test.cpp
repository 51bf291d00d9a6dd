#include "toribe/day_speech.h"

#include <gtest/gtest.h>

TEST(DaySpeech, TheDateAndWeekdayComeFirstThenWhatPointingShows) {
  EXPECT_EQ(day_cell_name(8), "8日");
  EXPECT_EQ(day_cell_description({2026, 12, 8}, {}), "2026年12月8日 火曜日");
  EXPECT_EQ(day_cell_description({2026, 11, 3}, {"文化の日"}), "2026年11月3日 火曜日 文化の日");
  EXPECT_EQ(day_cell_description({2027, 1, 10}, {"", true, "誕生日", true}),
            "2027年1月10日 日曜日 ユーザー休日 誕生日 メモあり");
  EXPECT_EQ(day_cell_description({2003, 5, 17}, {"", false, "", true}),
            "2003年5月17日 土曜日 メモあり");
}
