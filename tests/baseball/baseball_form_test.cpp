#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "baseball/baseball.h"
#include "baseball/texts.h"
#include "core/scripted_platform.h"
#include "core/text_file.h"

namespace {

// Every block filled: the team of lower league number wins 3-2 (10000 seen),
// the other loses 1-5 (20000 seen), and the last game of each block is a 4-4
// draw (15000 seen). League number n then has 300 games, 58 (6 - n) wins,
// 58 (n - 1) losses and 10 draws.
QStringList full_season() {
  QStringList lines;
  for (int t = 1; t <= 12; ++t)
    for (int o = 1; o <= 6; ++o) {
      const int n = t > 6 ? t - 6 : t;
      QStringList games;
      for (int g = 1; g <= 30; ++g)
        games << (n == o ? "" : g == 30 ? "040415000" : n < o ? "030210000" : "010520000");
      lines << games.join(',');
    }
  return lines;
}

TEST(BaseballForm, ShowsAFullSeason) {
  QTemporaryDir dir;
  QDir::setCurrent(dir.path());
  Module1 m;
  m.base_year = 2003;
  ScriptedPlatform platform;
  Baseball form(m, platform);
  ASSERT_TRUE(write_lines("Bas2003.DAT", full_season()));
  form.show();
  const QStringList list = form.c("List1").items;
  const QStringList first = {
      " 1] 巨　人　　 300 290   010  1.0000 1200  475  4.00  1.58  2975000",
      " 2] ヤクルト　 300 232  5810  0.8000 1055  620  3.51  2.06  2685000",
      " 3] 横　浜　　 300 174 11610  0.6000  910  765  3.03  2.55  2395000",
      " 4] 阪　神　　 300 116 17410  0.4000  765  910  2.55  3.03  2105000",
      " 5] 広　島　　 300  58 23210  0.2000  620 1055  2.06  3.51  1815000",
      " 6] 中　日　　 300   0 29010  0.0000  475 1200  1.58  4.00  1525000",
  };
  ASSERT_EQ(list.size(), 14);
  EXPECT_EQ(u8(list[0]),
            u8("　チーム名 　試合数　勝　 負 分　勝率 　 得点　失点 得平均  失平均　観客数"));
  EXPECT_EQ(u8(list.mid(1, 6)), u8(first));
  EXPECT_EQ(u8(list[7]), u8(""));
  EXPECT_EQ(u8(list[8]), u8(" 1] オリックス 300 290   010  1.0000 1200  475  4.00  1.58  2975000"));
  EXPECT_EQ(u8(list[13]),
            u8(" 6] ダイエー　 300   0 29010  0.0000  475 1200  1.58  4.00  1525000"));
  EXPECT_EQ(u8(form.c("Label1").text), u8("ＢａｓｅＢａｌｌ　　2003"));
  EXPECT_EQ(u8(form.caption), u8("ＢａｓｅＢａｌｌ"));
  EXPECT_EQ(form.top, (11520 - form.height) / 2);
}

}  // namespace
