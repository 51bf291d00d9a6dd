#include "baseball/standings.h"

#include <gtest/gtest.h>

#include "baseball/texts.h"

namespace {

// Puts a game text into the next free slot of the block (team, opponent).
void add_game(SeasonData& season, int team, int opponent, const QString& field, int times = 1) {
  for (QString& slot : season[team - 1][opponent - 1])
    if (slot.isEmpty() && times > 0) {
      slot = field;
      --times;
    }
}

QStringList rows(const SeasonData& season, int first) {
  QStringList shown;
  const LeagueRecords records = league_records(season, first, first + 5);
  for (int d = 1; d <= 6; ++d) shown << standings_row(d, records[d - 1], first - 1);
  return shown;
}

TEST(Standings, HandWorkedLeague) {
  SeasonData season;
  add_game(season, 1, 2, "050120000", 5);  // 巨人 beats ヤクルト five times 5-1
  add_game(season, 1, 2, "030310000", 2);  // and draws twice 3-3
  add_game(season, 3, 4, "040230000", 2);
  add_game(season, 3, 4, "0106 5000");  // the attendance part starts with a blank
  add_game(season, 5, 6, "010040000");
  add_game(season, 5, 6, "000340000");
  const QStringList expected = {
      " 1] 巨　人　　   7   5   0 2  1.0000   31   11  4.42  1.57        0",
      " 2] 横　浜　　   3   2   1 0  0.6666    9   10  3.00  3.33        0",
      " 3] 広　島　　   2   1   1 0  0.5000    1    3  .500  1.50        0",
      " 4] 中　日　　   2   1   1 0  0.5000    3    1  1.50  .500    80000",
      " 5] 阪　神　　   3   1   2 0  0.3333   10    9  3.33  3.00    65000",
      " 6] ヤクルト　   7   0   5 2  0.0000   11   31  1.57  4.42   120000",
  };
  EXPECT_EQ(u8(rows(season, 1)), u8(expected));
}

TEST(Standings, EqualRateTextsKeepTableOrder) {
  // 9 of 100 and 10 of 111 both read 0.0900, though the second is higher.
  SeasonData season;
  add_game(season, 5, 1, "0100", 9);
  add_game(season, 5, 1, "0001", 21);
  add_game(season, 5, 2, "0001", 30);
  add_game(season, 5, 3, "0001", 30);
  add_game(season, 5, 4, "0001", 10);
  add_game(season, 6, 1, "0100", 10);
  add_game(season, 6, 1, "0001", 20);
  add_game(season, 6, 2, "0001", 30);
  add_game(season, 6, 3, "0001", 30);
  add_game(season, 6, 4, "0001", 21);
  const LeagueRecords records = league_records(season, 1, 6);
  EXPECT_EQ(u8(records[4].left(17)), u8(" 5100  9 91 0   9"));
  EXPECT_EQ(u8(records[4].right(6)), u8("0.0900"));
  EXPECT_EQ(u8(records[5].left(17)), u8(" 6111 10101 0  10"));
  EXPECT_EQ(u8(records[5].right(6)), u8("0.0900"));
}

}  // namespace
