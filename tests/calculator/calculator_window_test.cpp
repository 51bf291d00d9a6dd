// The Calculator window itself: the face chosen by the flags, sizes and
// placement, the keypad grid, closing, and what survives a reopening.
#include <gtest/gtest.h>

#include "calculator_driver.h"

namespace {

TEST(CalcWindow, CalculatorFaceIsNarrowAndCentredAtHalfTheFreeHeight) {
  CalculatorDriver calc;
  calc.platform.screen_w = 15360;
  calc.platform.screen_h = 11520;
  calc.open(&Module1::flg_calc);
  const Calculator& f = calc.form;
  EXPECT_TRUE(f.visible);
  EXPECT_EQ(f.caption, "電卓");
  EXPECT_EQ(f.width, 3720);
  EXPECT_EQ(f.height, 3900);
  EXPECT_EQ(f.left, (15360 - 3720) / 2);
  EXPECT_EQ(f.top, (11520 - 3900) / 2);
  EXPECT_EQ(f.c("Text1").text, "0");
  EXPECT_EQ(f.c("Text2").text, "");
  EXPECT_EQ(f.c("Text1").left, 960);
  EXPECT_EQ(f.c("Text1").width, 2295);
  EXPECT_EQ(f.c("Text2").left, 360);
  EXPECT_EQ(f.c("Text2").width, 495);
  EXPECT_EQ(f.c("Shape1").width, 3150);
  EXPECT_EQ(f.c("Shape3").width, 3160);
  EXPECT_FALSE(f.c("Text3").visible);
  EXPECT_FALSE(f.c("Frame1").visible);
  for (int n = 2; n <= 14; ++n) EXPECT_TRUE(f.c(QString("Command%1").arg(n)).enabled) << n;
}

TEST(CalcWindow, KeypadFollowsTheGrid) {
  CalculatorDriver calc;
  calc.open(&Module1::flg_calc);
  struct Place {
    const char* name;
    int index;
    const char* caption;
    int left, top, width;
  };
  const Place places[] = {
      {"Command10", -1, "M+", 360, 720, 490},   {"Command7", -1, "Ｃ", 2760, 720, 490},
      {"Command1", 7, "7", 360, 1200, 490},     {"Command13", -1, "√", 2160, 1200, 490},
      {"Command14", -1, "％", 2760, 1200, 490}, {"Command5", -1, "×", 2160, 1680, 490},
      {"Command6", -1, "÷", 2760, 1680, 490},   {"Command1", 3, "3", 1560, 2160, 490},
      {"Command3", -1, "-", 2760, 2160, 490},   {"Command1", 0, "0", 360, 2640, 490},
      {"Command1", 10, "．", 960, 2640, 490},   {"Command9", -1, "±", 1560, 2640, 490},
      {"Command4", -1, "=", 2160, 2640, 1100},
  };
  for (const Place& p : places) {
    const Control& key = calc.form.c(p.name, p.index);
    EXPECT_EQ(key.text, QString::fromUtf8(p.caption)) << p.name;
    EXPECT_EQ(key.left, p.left) << p.name;
    EXPECT_EQ(key.top, p.top) << p.name;
    EXPECT_EQ(key.width, p.width) << p.name;
  }
}

TEST(CalcWindow, ClosingClearsEveryFaceFlagAndUnloads) {
  CalculatorDriver calc;
  calc.open(&Module1::flg_kansan);
  calc.m.flg_calc = 1;  // whatever the opener left
  calc.close();
  EXPECT_FALSE(calc.form.visible);
  EXPECT_FALSE(calc.form.loaded);
  EXPECT_EQ(calc.m.flg_calc, 0);
  EXPECT_EQ(calc.m.flg_kansan, 0);
  EXPECT_EQ(calc.m.flg_syuuki, 0);
}

TEST(CalcWindow, MemorySurvivesClosingAndReopening) {
  CalculatorDriver calc;
  calc.open(&Module1::flg_calc);
  calc.press("7 + 3 = M+ 2");
  calc.close();
  calc.open(&Module1::flg_calc);
  // A new showing starts a fresh calculation, with the memory and its mark kept.
  EXPECT_EQ(calc.text("Text1"), "0");
  EXPECT_EQ(calc.text("Text2"), "Ｍ");
  calc.press("4");
  EXPECT_EQ(calc.text("Text1"), "4");
  calc.press("+ M+ =");
  EXPECT_EQ(calc.text("Text1"), "14");
  calc.press("MC");
  calc.close();
  calc.open(&Module1::flg_calc);
  EXPECT_EQ(calc.text("Text2"), "");
}

TEST(CalcWindow, EachShowingStartsFromTheDesignedLook) {
  CalculatorDriver calc;
  calc.open(&Module1::flg_syuuki);
  calc.press("2 6 show");
  calc.close();
  calc.open(&Module1::flg_calc);
  const Calculator& f = calc.form;
  EXPECT_EQ(f.caption, "電卓");
  EXPECT_EQ(f.width, 3720);
  EXPECT_EQ(f.c("Command1", 10).text, "．");
  EXPECT_EQ(f.c("Command1", 10).width, 490);
  EXPECT_EQ(f.c("Command10").text, "M+");
  EXPECT_EQ(f.c("Text2").text, "");
  EXPECT_EQ(f.c("Text2").fore, kSystemColour);
  EXPECT_FALSE(f.c("Text5").visible);
  EXPECT_TRUE(f.c("Command9").enabled);
  calc.press("2 + 2 =");
  EXPECT_EQ(calc.text("Text1"), "4");

  calc.close();
  calc.open(&Module1::flg_kansan);
  EXPECT_EQ(f.c("Combo1").items.size(), 37);  // not appended twice
  EXPECT_TRUE(f.c("Combo1").visible);
}

TEST(CalcWindow, BackgroundClickCentresAgain) {
  CalculatorDriver calc;
  calc.open(&Module1::flg_syuuki);
  calc.form.left = 0;
  calc.form.top = 0;
  calc.platform.screen_w = 12000;
  calc.platform.screen_h = 9000;
  calc.click("Calculator");
  EXPECT_EQ(calc.form.left, (12000 - 6900) / 2);
  EXPECT_EQ(calc.form.top, (9000 - 3900) / 2);
}

TEST(CalcWindow, ConversionFaceLayout) {
  CalculatorDriver calc;
  calc.open(&Module1::flg_kansan);
  const Calculator& f = calc.form;
  EXPECT_EQ(f.caption, "換算");
  EXPECT_EQ(f.width, 6900);
  EXPECT_EQ(f.c("Shape1").width, 6325);
  EXPECT_EQ(f.c("Shape3").width, 6340);
  EXPECT_EQ(f.c("Text2").width, 2000);
  EXPECT_EQ(f.c("Text1").left, 2500);
  EXPECT_EQ(f.c("Text1").width, 3800);
  EXPECT_EQ(f.c("Text1").text, "0");
  EXPECT_EQ(f.c("Text2").text, "0");
  EXPECT_EQ(f.c("Frame1").text, "換算単位");
  EXPECT_TRUE(f.c("Frame1").visible);
  EXPECT_EQ(f.c("Combo1").selected, 0);
  EXPECT_EQ(f.c("Combo1").text, "センチ　　　　　（長さ）");
  EXPECT_TRUE(f.c("Option1", 0).checked);
  for (int n = 2; n <= 14; ++n) EXPECT_EQ(f.c(QString("Command%1").arg(n)).enabled, n == 7) << n;
}

TEST(CalcWindow, PeriodicFaceLayout) {
  CalculatorDriver calc;
  calc.open(&Module1::flg_syuuki);
  const Calculator& f = calc.form;
  EXPECT_EQ(f.caption, "周期表");
  EXPECT_EQ(f.width, 6900);
  EXPECT_EQ(f.c("Text2").text, "元素の周期表（長周期型）  ");
  EXPECT_EQ(f.c("Text2").fore, kBlue);
  EXPECT_EQ(f.c("Text1").left, 5500);
  EXPECT_EQ(f.c("Text5").text, "番号を選択して下さい。");
  EXPECT_EQ(f.c("Text7").top, 2640);
  EXPECT_FALSE(f.c("Combo1").visible);
  EXPECT_FALSE(f.c("Frame1").visible);
  EXPECT_EQ(f.c("Command1", 10).text, "表示");
  EXPECT_EQ(f.c("Command1", 10).width, 1100);
  EXPECT_EQ(f.c("Command10").text, "＋");
  EXPECT_EQ(f.c("Command11").text, "－");
  EXPECT_EQ(f.c("Command12").text, "Ｃ");
  for (int n : {4, 10, 11, 12}) EXPECT_TRUE(f.c(QString("Command%1").arg(n)).enabled) << n;
  for (int n : {2, 3, 5, 6, 7, 8, 9, 13, 14})
    EXPECT_FALSE(f.c(QString("Command%1").arg(n)).enabled) << n;
}

}  // namespace
