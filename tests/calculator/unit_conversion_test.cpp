// The conversion factors and the conversion face.
#include <gtest/gtest.h>

#include <cmath>

#include "calculator/calc_units.h"
#include "calculator_driver.h"

namespace {

// The sizes of the 37 units in their group's measuring unit (cm, g, m², l),
// written out here apart from the program's own table.
const double kSizes[kUnitCount] = {
    1,       100,    100000,  2.54,    30.48,   91.44,   160934.4, 30.303,  181.818, 392727,
    1,       1000,   3.75,    3750,    600,     28.3495, 453.592,  1016050, 907185,  1,
    100,     10000,  3.30578, 991.736, 9917.36, 0.0929,  2589988,  4046.86, 1000,    1,
    0.18039, 1.8039, 180.39,  4.54609, 3.78541, 28.3168, 158.9345};
const int kGroupStart[] = {0, 10, 19, 28, 37};

int group_of(int list_index) {
  int g = 0;
  while (list_index >= kGroupStart[g + 1]) ++g;
  return g;
}

KanTable table() {
  KanTable kan_tbl;
  read_kan(kan_tbl);
  return kan_tbl;
}

TEST(UnitTable, EveryFactorIsTheRatioOfTheSizesToSevenDigits) {
  const KanTable kan_tbl = table();
  int filled = 0;
  for (int s = 0; s < kUnitCount; ++s) {
    const int g = group_of(s);
    for (int t = 0; t < kGroupStart[g + 1] - kGroupStart[g]; ++t) {
      const double ratio = kSizes[kGroupStart[g] + t] / kSizes[s];
      // Rounding to 7 digits, then to single precision.
      EXPECT_NEAR(kan_tbl[s][t], ratio, std::fabs(ratio) * 5.7e-7) << s << "," << t;
      ++filled;
    }
  }
  EXPECT_EQ(filled, 343);
}

TEST(UnitTable, MeasuringUnitRowsHoldTheSizesAndTheRestStaysZero) {
  const KanTable kan_tbl = table();
  EXPECT_EQ(kan_tbl[0][6], 160934.4f);
  EXPECT_EQ(kan_tbl[0][9], 392727.0f);
  EXPECT_EQ(kan_tbl[19][7], 2589988.0f);
  EXPECT_EQ(kan_tbl[29][8], 158.9345f);
  EXPECT_EQ(kan_tbl[7][7], 1.0f);
  EXPECT_EQ(kan_tbl[30][3], 10.0f);
  for (int s = 10; s < kUnitCount; ++s) EXPECT_EQ(kan_tbl[s][9], 0.0f) << s;
  for (int s = 0; s < 41; ++s) EXPECT_EQ(kan_tbl[s][10], 0.0f) << s;
  for (int s = kUnitCount; s < 41; ++s)
    for (int t = 0; t < 11; ++t) EXPECT_EQ(kan_tbl[s][t], 0.0f);
}

TEST(UnitTable, EveryPairRoundTrips) {
  const KanTable kan_tbl = table();
  for (int s = 0; s < kUnitCount; ++s) {
    const int g = group_of(s);
    const int start = kGroupStart[g];
    for (int t = 0; t < kGroupStart[g + 1] - start; ++t) {
      const float there = 7.0f / kan_tbl[s][t];
      const float back = there / kan_tbl[start + t][s - start];
      EXPECT_NEAR(back, 7.0f, 7.0f * 1.5e-6) << s << "," << t;
    }
  }
}

struct ConversionCase {
  int source;
  const char* keys;
  int target;
  const char* result;
};

TEST(UnitConversion, ShowsTheConvertedValueOrWhyNot) {
  const ConversionCase cases[] = {
      {0, "1 0 0", 1, "1"},
      {0, "1 0 0", 2, "0.001"},
      {32, "5", 3, "500"},
      {2, "1 2 3 4", 0, "123400000"},
      {2, "1 2 3 4 5", 0, "大きすぎます。"},
      {0, "1", 9, "2.546298E-06"},
      {0, "0 . 0 0 0 1", 9, "小さすぎます。"},
      {0, "1 2 3 4 5 6 7", 0, "1234567"},
      {0, "1 2 3 4 5 6 7", 1, "12345.67"},
      {1, "1 2 3 4 5 6 7", 0, "123456700"},
      {11, "2 . 5", 0, "2500"},
      {13, "1", 2, "1000"},
      {22, "1", 0, "3.30578"},
      {28, "1", 1, "1000"},
      {30, "1 0", 3, "1"},
      {9, "1", 2, "3.92727"},
      {0, "0", 9, "0"},
      {0, ".", 9, "0"},
  };
  for (const ConversionCase& row : cases) {
    EngineDriver calc(CalcFace::Conversion);
    calc.engine.choose_source(row.source);
    calc.press(row.keys);
    calc.engine.choose_target(row.target);
    EXPECT_EQ(calc.engine.display(), QString::fromUtf8(row.result))
        << row.source << " " << row.keys;
  }
}

TEST(UnitConversion, OneOfEveryUnitReadsTheExactRatioInEveryTarget) {
  CalculatorDriver calc;
  calc.open(&Module1::flg_kansan);
  for (int s = 0; s < kUnitCount; ++s) {
    const int g = group_of(s);
    calc.choose_source(s);
    calc.press("1");
    for (int t = 0; t < kGroupStart[g + 1] - kGroupStart[g]; ++t) {
      calc.choose_target(t);
      const double exact = kSizes[s] / kSizes[kGroupStart[g] + t];
      const QString shown = calc.text("Text1");
      if (exact >= 1e9) {
        EXPECT_EQ(shown, "大きすぎます。") << s << "," << t;
      } else if (exact < 1e-8) {
        EXPECT_EQ(shown, "小さすぎます。") << s << "," << t;
      } else {
        // Seven digits shown, from a factor of seven digits.
        EXPECT_NEAR(shown.toDouble(), exact, exact * 1.1e-6) << s << "," << t;
      }
    }
  }
}

TEST(UnitConversion, ResultFollowsEveryKeyAndTargetChange) {
  CalculatorDriver calc;
  calc.open(&Module1::flg_kansan);
  calc.choose_target(1);  // センチ to メートル
  calc.press("2");
  EXPECT_EQ(calc.text("Text2"), "2");
  EXPECT_EQ(calc.text("Text1"), "0.02");
  calc.press("5 .");
  EXPECT_EQ(calc.text("Text2"), "25");
  calc.press("5");
  EXPECT_EQ(calc.text("Text2"), "25.5");
  EXPECT_EQ(calc.text("Text1"), "0.255");
  calc.choose_target(0);
  EXPECT_EQ(calc.text("Text1"), "25.5");
  // A refused result keeps the entry, so another target shows a value again.
  calc.choose_source(0);
  calc.press("1");
  calc.choose_target(9);
  calc.press("0 0 0 0 0 0 0");
  EXPECT_EQ(calc.text("Text1"), "桁あふれ");
  EXPECT_EQ(calc.text("Text2"), "1000000");
  calc.choose_target(2);
  EXPECT_EQ(calc.text("Text1"), "10");
}

TEST(UnitConversion, NewSourceRelabelsTheTargetsAndResets) {
  CalculatorDriver calc;
  calc.open(&Module1::flg_kansan);
  const Calculator& f = calc.form;
  EXPECT_EQ(f.c("Option1", 2).text, "ｷﾛﾒｰﾄﾙ");
  EXPECT_EQ(f.c("Option1", 9).text, "里");
  EXPECT_TRUE(f.c("Option1", 9).enabled);
  calc.press("1 2");
  calc.choose_source(35);  // 立方フィート
  EXPECT_EQ(f.c("Text1").text, "0");
  EXPECT_EQ(f.c("Text2").text, "0");
  EXPECT_EQ(f.engine().source_option(), 7);
  EXPECT_TRUE(f.c("Option1", 7).checked);
  EXPECT_FALSE(f.c("Option1", 0).checked);
  const char* const volume[] = {"立方ﾒｰﾄﾙ",   "リットル",   "合",       "升",       "石",
                                "ガロン(英)", "ガロン(米)", "立法ﾌｨｰﾄ", "バーレル", ""};
  for (int i = 0; i <= 9; ++i) EXPECT_EQ(f.c("Option1", i).text, QString::fromUtf8(volume[i]));
  EXPECT_FALSE(f.c("Option1", 9).enabled);
  calc.press("1");
  EXPECT_EQ(f.c("Text1").text, "1");
  calc.choose_target(1);
  EXPECT_EQ(f.c("Text1").text, "28.3168");
  calc.choose_source(17);
  EXPECT_EQ(f.c("Option1", 7).text, "トン（英）");
  calc.choose_source(25);
  EXPECT_EQ(f.c("Option1", 6).text, "平方ﾌｨｰﾄ");
}

TEST(UnitConversion, ListHoldsTheThirtySevenUnitsInOrder) {
  CalculatorDriver calc;
  calc.open(&Module1::flg_kansan);
  const QStringList items = calc.form.c("Combo1").items;
  ASSERT_EQ(items.size(), 37);
  EXPECT_EQ(items[9], "里　　　　　　　（長さ）");
  EXPECT_EQ(items[17], "トン（英）　　　（重量）");
  EXPECT_EQ(items[29], "リットル  　　　（体積）");
  EXPECT_EQ(items[36], "バーレル  　　　（体積）");
  for (int i = 0; i < 37; ++i) {
    const char* kind = i < 10 ? "（長さ）" : i < 19 ? "（重量）" : i < 28 ? "（面積）" : "（体積）";
    EXPECT_TRUE(items[i].endsWith(QString::fromUtf8(kind))) << i;
  }
}

TEST(UnitConversion, ClearKeyEmptiesBothBoxesAndTargetsTheSource) {
  CalculatorDriver calc;
  calc.open(&Module1::flg_kansan);
  calc.choose_source(4);  // フィート
  calc.press("3");
  calc.choose_target(0);
  EXPECT_EQ(calc.text("Text1"), "91.44");
  calc.press("C");
  EXPECT_EQ(calc.text("Text1"), "0");
  EXPECT_EQ(calc.text("Text2"), "0");
  EXPECT_TRUE(calc.form.c("Option1", 4).checked);
  EXPECT_EQ(calc.form.engine().target_option(), 4);
  calc.press("2");
  EXPECT_EQ(calc.text("Text1"), "2");
}

}  // namespace
