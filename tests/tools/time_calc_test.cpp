#include "tools/time_calc.h"

#include <gtest/gtest.h>

#include "core/scripted_platform.h"
#include "tools/time_calc_arith.h"

namespace {

TEST(TimeArith, RoundsHalvesToEven) {
  const struct {
    double value;
    qint32 rounded;
  } cases[] = {
      {2.5, 2},   {3.5, 4},    {0.5, 0},    {1.5, 2},   {-0.5, 0},    {-1.5, -2},
      {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {-2.6, -3}, {199.5, 200}, {0, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(round_half_even(c.value), c.rounded) << c.value;
}

TEST(TimeArith, RoundsAfterEachStep) {
  EXPECT_EQ(to_seconds(2.5, 0, 0), 7200);   // 2.5 hours count as 2
  EXPECT_EQ(to_seconds(3.5, 0, 0), 14400);  // 3.5 hours count as 4
  EXPECT_EQ(to_seconds(0, 1.5, 0), 90);
  EXPECT_EQ(to_seconds(0, 0, 0.5), 0);
  EXPECT_EQ(to_seconds(0, 0, 1.5), 2);
  EXPECT_EQ(to_seconds(1, 30, 45), 5445);
  EXPECT_EQ(to_seconds(-1, 0, -1), -3601);
}

TEST(TimeArith, LeavingABoxAppliesItsLimit) {
  const struct {
    const char* typed;
    TimeBox box;
    const char* shown;
  } cases[] = {
      {"250", TimeBox::Hours, "200"},
      {"200", TimeBox::Hours, "200"},
      {"200.5", TimeBox::Hours, "200"},
      {"-250", TimeBox::Hours, "-200"},
      {"-200", TimeBox::Hours, "-200"},
      {"75", TimeBox::MinutesOrSeconds, "0"},
      {"59", TimeBox::MinutesOrSeconds, "59"},
      {"-60", TimeBox::MinutesOrSeconds, "0"},
      {"", TimeBox::Hours, "0"},
      {"05", TimeBox::MinutesOrSeconds, "5"},
      {"1.5", TimeBox::Hours, "1.5"},
      {"abc", TimeBox::Hours, "0"},
      {"１２", TimeBox::MinutesOrSeconds, "12"},
      {"12分", TimeBox::MinutesOrSeconds, "12"},
      {"-0", TimeBox::Hours, "0"},
      {"1e9", TimeBox::Hours, "200"},
  };
  for (const auto& c : cases) EXPECT_EQ(left_box_text(c.typed, c.box), c.shown) << c.typed;
}

TEST(TimeArith, SplitsWithoutDayWrap) {
  const Hms hms = split_seconds(25 * 3600 + 59);
  EXPECT_EQ(hms.hours, 25);
  EXPECT_EQ(hms.minutes, 0);
  EXPECT_EQ(hms.seconds, 59);
  const Hms most = split_seconds(2 * (200 * 3600 + 59 * 60 + 59));
  EXPECT_EQ(most.hours, 401);
  EXPECT_EQ(most.minutes, 59);
  EXPECT_EQ(most.seconds, 58);
}

TEST(TimeArith, NegativeDifferenceIsShownBySize) {
  const TimeTotal minus = combine_times(1, 3600, false);
  EXPECT_EQ(minus.seconds, 3599);
  EXPECT_TRUE(minus.negative);
  const TimeTotal plus = combine_times(3600, 1, false);
  EXPECT_EQ(plus.seconds, 3599);
  EXPECT_FALSE(plus.negative);
  EXPECT_FALSE(combine_times(5, 5, false).negative);
  const TimeTotal sum = combine_times(-7200, 3600, true);
  EXPECT_EQ(sum.seconds, 3600);
  EXPECT_TRUE(sum.negative);
}

// The window driven through its events, as the window layer does. Adding,
// subtracting and the limits of the boxes are the scenarios' (tools/time_calc_*).
class TimeCalcForm : public ::testing::Test {
 protected:
  TimeCalcForm() : form(m, platform) {
    m.flg_timecal = 1;
    form.show();
  }
  void enter(int k, const QString& text) {
    form.c(QString("Text%1").arg(k)).text = text;
    Event leave{Event::LostFocus, QString("Text%1").arg(k)};
    form.dispatch(leave);
  }
  void click(const char* name) {
    Event e{Event::Click, name};
    form.dispatch(e);
  }
  int key(int k, int code) {
    Event e{Event::KeyDown, QString("Text%1").arg(k)};
    e.key_code = code;
    form.dispatch(e);
    return e.key_code;
  }
  QString result() const {
    return form.c("Text7").text + ":" + form.c("Text8").text + ":" + form.c("Text9").text;
  }
  bool red() const {
    for (const char* name : {"Text7", "Text8", "Text9"})
      if (form.c(name).fore != kRed) return false;
    return true;
  }

  Module1 m;
  ScriptedPlatform platform;
  TimeCalc form;
};

TEST_F(TimeCalcForm, OpensCentredWithZeroResultAndAddition) {
  EXPECT_EQ(form.caption, "時の計算");
  EXPECT_EQ(form.c("Command1").text, "加算");
  EXPECT_EQ(form.c("Command2").text, "ク リ ア ー");
  EXPECT_EQ(result(), "0:0:0");
  EXPECT_EQ(form.left, (15360 - form.width) / 2);
  EXPECT_EQ(form.top, (11520 - form.height) / 2);
  EXPECT_TRUE(form.has_border);
}

TEST_F(TimeCalcForm, ValuesNotYetLeftAreReadWithinTheirLimits) {
  form.c("Text1").text = "99999999999";
  form.c("Text3").text = "100";
  click("Command1");
  click("Command1");
  EXPECT_EQ(result(), "200:0:0");
}

TEST_F(TimeCalcForm, EnterAndArrowsMoveTheFocusAndLeaveTheBox) {
  form.c("Text1").text = "05";
  EXPECT_EQ(key(1, 13), 0);
  EXPECT_EQ(form.focus_request, "Text2");
  EXPECT_EQ(form.c("Text1").text, "5");
  EXPECT_EQ(result(), "5:0:0");
  key(2, 39);
  EXPECT_EQ(form.focus_request, "Text3");
  key(6, 39);
  EXPECT_EQ(form.focus_request, "Text1");
  key(1, 37);
  EXPECT_EQ(form.focus_request, "Text6");
  key(4, 37);
  EXPECT_EQ(form.focus_request, "Text3");
  // Other keys are left to the box.
  form.focus_request.clear();
  EXPECT_EQ(key(3, 40), 40);
  EXPECT_TRUE(form.focus_request.isEmpty());
}

TEST_F(TimeCalcForm, ClearKeepsTheOperation) {
  click("Command1");
  const char* times[6] = {"0", "0", "1", "1", "0", "0"};  // 0:0:1 - 1:0:0
  for (int k = 1; k <= 6; ++k) enter(k, times[k - 1]);
  ASSERT_TRUE(red());
  click("Command2");
  for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"})
    EXPECT_EQ(form.c(name).text, "") << name;
  EXPECT_EQ(result(), "0:0:0");
  EXPECT_EQ(form.c("Text8").fore, kSystemColour);
  EXPECT_EQ(form.c("Command1").text, "減算");
  EXPECT_EQ(form.focus_request, "Text1");
}

TEST_F(TimeCalcForm, CloseBoxClearsTheFlagAndReopensFresh) {
  click("Command1");
  enter(1, "3");
  Event close{Event::QueryUnload, "TimeCalc"};
  form.dispatch(close);
  EXPECT_FALSE(close.cancel);
  EXPECT_FALSE(form.visible);
  EXPECT_EQ(m.flg_timecal, 0);
  form.show();
  EXPECT_EQ(form.c("Text1").text, "");
  EXPECT_EQ(form.c("Command1").text, "加算");
  EXPECT_EQ(result(), "0:0:0");
}

}  // namespace
