#include "tools/dice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/scripted_platform.h"

namespace {

struct Place {
  int left, top;
  friend bool operator==(const Place&, const Place&) = default;
};

// The places of the first throws as a fresh run of the runtime's sequence gives them.
std::vector<Place> expected_places(int jumps) {
  ScriptedPlatform fresh;
  std::vector<Place> places;
  for (int i = 0; i < jumps; ++i) {
    const float r1 = fresh.rnd();
    const float r2 = fresh.rnd();
    places.push_back({int(std::lround(r1 * 5000)), int(std::lround(r2 * 4000))});
  }
  return places;
}

class DiceForm : public ::testing::Test {
 protected:
  DiceForm() : form(m, platform) {
    m.flg_dice = 1;
    form.show();
  }
  void click(const char* name) {
    Event e{Event::Click, name};
    form.dispatch(e);
  }
  Place die() const { return {form.c("Image1").left, form.c("Image1").top}; }
  // Advances step by step, recording every place the die is drawn at.
  std::vector<Place> watch(int ms) {
    std::vector<Place> seen;
    for (int t = 0; t < ms; ++t) {
      const Place before = die();
      platform.advance(1);
      if (!(die() == before)) seen.push_back(die());
    }
    return seen;
  }

  Module1 m;
  ScriptedPlatform platform;
  Dice form;
};

TEST_F(DiceForm, OpensBorderlessWithTheDie) {
  EXPECT_FALSE(form.has_border);
  EXPECT_EQ(form.c("Image1").picture, ":/dice/1.png");
  EXPECT_EQ(form.c("Command2").text, "Command2");
  EXPECT_EQ(form.c("Command1").text, "戻る");
  EXPECT_EQ(form.c("Shape1").width, form.width);
  EXPECT_EQ(form.left, (15360 - form.width) / 2);
  EXPECT_EQ(form.top, (11520 - form.height) / 4);
}

TEST_F(DiceForm, AThrowJumpsFiftyTimesToTheSequencesPlaces) {
  const Place start = die();
  click("Command2");
  EXPECT_EQ(die(), start);  // nothing moves before the first step
  const std::vector<Place> seen = watch(3000);
  EXPECT_EQ(seen, expected_places(Dice::kJumps));
  EXPECT_EQ(die(), seen.back());
  // Every place keeps the die inside the window.
  for (const Place& place : seen) {
    EXPECT_LE(place.left + form.c("Image1").width, form.width);
    EXPECT_LE(place.top + form.c("Image1").height, form.c("Command2").top);
  }
}

TEST_F(DiceForm, AClickDuringAThrowThrowsAgainAfterIt) {
  click("Command2");
  platform.advance(Dice::kStepMs * 10);
  click("Command2");
  const std::vector<Place> seen = watch(5000);
  const std::vector<Place> all = expected_places(2 * Dice::kJumps);
  EXPECT_EQ(seen.size(), 2u * Dice::kJumps - 10);
  EXPECT_EQ(die(), all.back());
}

TEST_F(DiceForm, EveryRunRepeatsThePreviousRunsThrows) {
  click("Command2");
  platform.advance(5000);
  const Place first = die();
  click("Command2");
  platform.advance(5000);
  const Place second = die();

  Module1 other_m;
  ScriptedPlatform other_run;
  Dice other(other_m, other_run);
  other.show();
  for (const Place& want : {first, second}) {
    Event throw_click{Event::Click, "Command2"};
    other.dispatch(throw_click);
    other_run.advance(5000);
    EXPECT_EQ(other.c("Image1").left, want.left);
    EXPECT_EQ(other.c("Image1").top, want.top);
  }
}

TEST_F(DiceForm, BackStopsTheThrowAndClearsTheFlag) {
  Event close{Event::QueryUnload, "Dice"};
  form.dispatch(close);
  EXPECT_TRUE(close.cancel);
  click("Command2");
  platform.advance(100);
  click("Command1");
  EXPECT_FALSE(form.visible);
  EXPECT_EQ(m.flg_dice, 0);
  const Place left_at = die();
  platform.advance(3000);
  EXPECT_EQ(die(), left_at);
  // Shown again, the die rests at its starting place and throws afresh.
  form.show();
  EXPECT_NE(die(), left_at);
  click("Command2");
  platform.advance(3000);
  EXPECT_EQ(die(), expected_places(Dice::kJumps + 5).back());
}

}  // namespace
