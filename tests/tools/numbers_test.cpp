#include "tools/numbers.h"

#include <gtest/gtest.h>

#include "core/scripted_platform.h"

namespace {

Picks all_rounds(int first, int second, int third) {
  Picks pick{};
  for (int round = 0; round < kRounds; ++round)
    pick[round] = {qint16(first), qint16(second), qint16(third)};
  return pick;
}

TEST(NumbersTally, MostFrequentDigitOfEachPlace) {
  const Picks same = all_rounds(7, 3, 1);
  EXPECT_EQ(most_frequent_digit(same, 0), 7);
  EXPECT_EQ(most_frequent_digit(same, 1), 3);
  EXPECT_EQ(most_frequent_digit(same, 2), 1);

  Picks mixed{};
  const int first[kRounds] = {9, 4, 4, 9, 4, 0, 9, 9, 1, 2};
  for (int round = 0; round < kRounds; ++round) mixed[round][0] = qint16(first[round]);
  EXPECT_EQ(most_frequent_digit(mixed, 0), 9);
}

TEST(NumbersTally, TieGoesToTheSmallestDigit) {
  Picks pick{};
  const int first[kRounds] = {5, 2, 5, 2, 5, 2, 5, 2, 5, 2};
  const int second[kRounds] = {9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
  for (int round = 0; round < kRounds; ++round) {
    pick[round][0] = qint16(first[round]);
    pick[round][1] = qint16(second[round]);
  }
  EXPECT_EQ(most_frequent_digit(pick, 0), 2);
  EXPECT_EQ(most_frequent_digit(pick, 1), 0);
  // The spare row does not count.
  pick[kRounds][0] = 5;
  EXPECT_EQ(most_frequent_digit(pick, 0), 2);
}

// The window through its events; a START while a digit spins, the ten rounds of a
// series and END are the scenarios' (tools/numbers_*).
class NumberForm : public ::testing::Test {
 protected:
  NumberForm() : form(m, platform) {
    m.flg_numbers = 1;
    form.show();
  }
  void click(const char* name) {
    Event e{Event::Click, name};
    form.dispatch(e);
  }
  QString digits() const {
    return form.c("Text1").text + form.c("Text2").text + form.c("Text3").text;
  }
  QString buttons() const {
    return form.c("Command1").text + form.c("Command2").text + form.c("Command3").text;
  }
  // One round: START, then each digit stopped after its number of ticks.
  void play_round(int ticks1, int ticks2, int ticks3) {
    click("Command4");
    const int ticks[3] = {ticks1, ticks2, ticks3};
    int done = 0;
    for (int k : {1, 2, 3}) {
      platform.advance(qint64(ticks[k - 1] - done) * 50);
      done = ticks[k - 1];
      click(k == 1 ? "Command1" : k == 2 ? "Command2" : "Command3");
    }
  }

  Module1 m;
  ScriptedPlatform platform;
  Number form;
};

TEST_F(NumberForm, OpensIdle) {
  EXPECT_EQ(form.caption, "ナンバーズ大予想");
  EXPECT_EQ(form.c("Label1").text, "自の運は自ら開こう！");
  EXPECT_EQ(digits(), "０００");
  EXPECT_EQ(buttons(), "○○○");
  EXPECT_EQ(form.c("Text4").text, "0");
  EXPECT_EQ(form.c("Text5").text, "トライアルは１０回");
  EXPECT_EQ(form.c("Command4").text, "ＳＴＡＲＴ");
  EXPECT_EQ(form.c("Command5").text, "Ｅ　Ｎ　Ｄ");
  EXPECT_EQ(form.c("Text2").left, 1560);
  EXPECT_EQ(form.top, (11520 - form.height) / 4);
}

TEST_F(NumberForm, DigitsSpinEveryFiftyMilliseconds) {
  click("Command4");
  EXPECT_EQ(buttons(), "●●●");
  EXPECT_EQ(form.focus_request, "Command1");
  EXPECT_EQ(form.c("Text4").text, "1");
  EXPECT_EQ(form.c("Text5").text, "今回は当たりますように！！");
  platform.advance(49);
  EXPECT_EQ(digits(), "０００");
  platform.advance(1);
  EXPECT_EQ(digits(), "000");
  platform.advance(50 * 4);
  EXPECT_EQ(digits(), "444");
  // Stopping a digit showing 4 records 5; the others spin on.
  click("Command2");
  EXPECT_EQ(form.pick[0][1], 5);
  EXPECT_EQ(buttons(), "●○●");
  platform.advance(50 * 5);
  EXPECT_EQ(digits(), "949");
  click("Command3");
  EXPECT_EQ(form.pick[0][2], 0);  // 9 records 0
  click("Command3");              // already still: nothing
  EXPECT_EQ(form.pick[0][2], 0);
  click("Command1");
  EXPECT_EQ(form.pick[0][0], 0);
  EXPECT_EQ(buttons(), "○○○");
  platform.advance(1000);
  EXPECT_EQ(digits(), "949");
  EXPECT_TRUE(platform.shown.empty());
}

TEST_F(NumberForm, StoppedBeforeTheFirstTickRecordsTheShownDigitPlusOne) {
  play_round(0, 0, 0);
  EXPECT_EQ(form.pick[0][0], 1);  // "０" shown
}

TEST_F(NumberForm, CloseBoxEndsLikeEnd) {
  click("Command4");
  Event close{Event::QueryUnload, "number"};
  form.dispatch(close);
  EXPECT_FALSE(form.visible);
  EXPECT_EQ(m.flg_numbers, 0);
}

}  // namespace
