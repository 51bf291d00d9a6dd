#include "core/scripted_platform.h"

#include <gtest/gtest.h>

#include "core/form.h"

namespace {

TEST(ScriptedPlatform, TimersFireInTimeOrderAndOnlyWhenAdvanced) {
  ScriptedPlatform platform;
  QStringList fired;
  platform.start_timer(500, [&] { fired << "half " + platform.now().toString("ss.zzz"); });
  platform.start_timer(300, [&] { fired << "third " + platform.now().toString("ss.zzz"); });
  EXPECT_TRUE(fired.isEmpty());
  platform.advance(1000);
  EXPECT_EQ(fired, (QStringList{"third 00.300", "half 00.500", "third 00.600", "third 00.900",
                                "half 01.000"}));
  EXPECT_EQ(platform.now().time(), QTime(9, 0, 1));
}

TEST(ScriptedPlatform, ATimerMayStopItselfWhileFiring) {
  ScriptedPlatform platform;
  int ticks = 0;
  int id = 0;
  id = platform.start_timer(50, [&] {
    if (++ticks == 3) platform.stop_timer(id);
  });
  platform.advance(1000);
  EXPECT_EQ(ticks, 3);
}

TEST(ScriptedPlatform, MessageBoxesTakeQueuedAnswersAndAreRecorded) {
  ScriptedPlatform platform;
  platform.answers = {"no", "yes"};
  EXPECT_EQ(platform.message("a", MsgButtons::YesNo, MsgIcon::Question, "t"), MsgAnswer::No);
  Platform& base = platform;  // the defaults of the interface
  EXPECT_EQ(base.message("b", MsgButtons::YesNo), MsgAnswer::Yes);
  ASSERT_EQ(platform.shown.size(), 2u);
  EXPECT_EQ(platform.shown[0].title, "t");
  EXPECT_EQ(platform.shown[1].title, kAppTitle);
  EXPECT_TRUE(platform.fault.isEmpty());
}

TEST(ScriptedPlatform, AnOkOnlyBoxNeedsNoAnswerButAQuestionDoes) {
  ScriptedPlatform platform;
  Platform& base = platform;
  EXPECT_EQ(base.message("fine"), MsgAnswer::Ok);
  EXPECT_TRUE(platform.fault.isEmpty());
  base.message("sure?", MsgButtons::OkCancel);
  EXPECT_FALSE(platform.fault.isEmpty());
}

TEST(ScriptedPlatform, InputBoxCancelAnswersEmpty) {
  ScriptedPlatform platform;
  platform.answers = {"", "記念日"};
  EXPECT_EQ(platform.input_box("p", "t", "d"), "");
  Platform& base = platform;
  EXPECT_EQ(base.input_box("p"), "記念日");
  EXPECT_EQ(platform.shown[0].default_text, "d");
}

TEST(ScriptedPlatform, TypedAnswersAndButtonsAreNotMistakenForEachOther) {
  ScriptedPlatform platform;
  Platform& base = platform;  // the defaults of the interface
  platform.answers = {ScriptedAnswer::text("yes"), "no"};
  EXPECT_EQ(base.message("m", MsgButtons::YesNo), MsgAnswer::No);
  EXPECT_EQ(base.input_box("p", "t", "d"), "yes");
  EXPECT_TRUE(platform.fault.isEmpty());
}

TEST(ScriptedPlatform, ATextWaitsForItsInputBoxPastAnOkOnlyMessage) {
  ScriptedPlatform platform;
  Platform& base = platform;  // the defaults of the interface
  platform.answers.push_back(ScriptedAnswer::text("旅行"));
  EXPECT_EQ(base.message("note"), MsgAnswer::Ok);
  EXPECT_EQ(base.input_box("p"), "旅行");
  EXPECT_TRUE(platform.fault.isEmpty());
  EXPECT_TRUE(platform.answers.empty());
}

TEST(ScriptedPlatform, AnAnswerOfTheWrongKindFails) {
  struct Case {
    const char* what;
    ScriptedAnswer queued;
    bool input;  // an input box is shown, else a yes/no message box
  };
  const Case cases[] = {
      {"button for an input box", "ok", true},
      {"text for a question", ScriptedAnswer::text("はい"), false},
      {"OK for a yes/no question", "ok", false},
  };
  for (const Case& c : cases) {
    ScriptedPlatform platform;
    Platform& base = platform;
    platform.answers.push_back(c.queued);
    if (c.input)
      EXPECT_EQ(base.input_box("p"), "") << c.what;
    else
      EXPECT_EQ(base.message("q", MsgButtons::YesNo), MsgAnswer::No) << c.what;
    EXPECT_FALSE(platform.fault.isEmpty()) << c.what;
  }
}

TEST(ScriptedPlatform, RandomSequenceRepeatsAtEveryStart) {
  ScriptedPlatform first, second;
  for (int i = 0; i < 100; ++i) {
    const float r = first.rnd();
    EXPECT_EQ(r, second.rnd());
    EXPECT_GE(r, 0.0f);
    EXPECT_LT(r, 1.0f);
  }
}

class Probe : public Form {
 public:
  explicit Probe(Platform& p) : Form("probe", p) { add(Kind::Label, "Label1", 3); }
  int loads = 0;

 protected:
  void handle(Event& e) override {
    if (e.type == Event::Load) ++loads;
  }
};

TEST(Form, ControlsAreFoundByReferenceAndLoadRunsOncePerShowing) {
  ScriptedPlatform platform;
  Probe form(platform);
  EXPECT_EQ(form.find_ref("Label1(3)"), &form.c("Label1", 3));
  EXPECT_EQ(form.find_ref("Label1(4)"), nullptr);
  EXPECT_EQ(form.find_ref("Label1"), nullptr);
  form.show();
  form.show();
  EXPECT_EQ(form.loads, 1);
  form.unload();
  EXPECT_FALSE(form.visible);
  form.show();
  EXPECT_EQ(form.loads, 2);
}

TEST(Form, ABorderlessWindowRefusesTheCloseRequestBeforeItsHandlers) {
  ScriptedPlatform platform;
  Probe form(platform);
  form.show();
  Event close{Event::QueryUnload, "probe"};
  form.dispatch(close);
  EXPECT_FALSE(close.cancel);  // a framed window leaves the answer to its form
  const Control& frame = form.frame_borderless(3900, 3380, kPurple);
  EXPECT_FALSE(form.has_border);
  EXPECT_EQ(frame.width, 3900);
  EXPECT_EQ(frame.border_width, 3);
  Event again{Event::QueryUnload, "probe"};
  form.dispatch(again);
  EXPECT_TRUE(again.cancel);
}

}  // namespace
