// The main window's frame: help, the inert toolbar buttons, the tool openers.
#include "toribe/main_window_fixture.h"

namespace {

using Frame = MainWindowFixture;

TEST_F(Frame, HelpOpensFromTheMenuAndTheToolbar) {
  start();
  choose("mnuhow_to");
  send(Event::Click, "Toolbar1", 25);
  EXPECT_EQ(platform.help_shown, 2);
}

TEST_F(Frame, SpareToolbarButtonsDoNothing) {
  Toribe& w = start();
  const QString title = w.c("Label3").text;
  for (int index = 19; index <= 23; ++index) send(Event::Click, "Toolbar1", index);
  EXPECT_EQ(w.c("Label3").text, title);
  EXPECT_TRUE(platform.shown.empty());
  EXPECT_EQ(platform.help_shown, 0);
  EXPECT_FALSE(platform.quit_called);
}

TEST_F(Frame, EachToolOpensWithItsOwnFlag) {
  start();
  Form* shown = nullptr;
  platform.on_show = [&](Form& form) { shown = &form; };
  choose("mnu_kansan");
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->name(), "Calculator");
  EXPECT_EQ(m.flg_kansan, 1);
  EXPECT_EQ(m.flg_calc, 0);
  send(Event::Click, "Toolbar1", 18);
  EXPECT_EQ(shown->name(), "Dice");
  EXPECT_EQ(m.flg_dice, 1);
}

}  // namespace
