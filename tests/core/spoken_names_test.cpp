#include "core/spoken_names.h"

#include <gtest/gtest.h>

#include "core/scripted_platform.h"

namespace {

struct Sheet {
  ScriptedPlatform platform;
  Form form{"Sheet", platform};
  Control& add(Kind kind, const char* name, QRect at, const char* text, QString parent = "Frame1") {
    Control& control = place(form.add(kind, name), at.x(), at.y(), at.width(), at.height());
    control.text = text;
    control.parent = parent;
    return control;
  }
};

TEST(SpokenNames, CaptionsLoseTheirAccessKeyAndSignsGiveWayToTheTableThenTheTooltip) {
  const struct {
    Kind kind;
    const char *caption, *table, *tooltip, *spoken;
  } cases[] = {
      {Kind::Button, "終了(&X)", "", "", "終了"},
      {Kind::Button, "A&&B", "", "", "A&B"},
      {Kind::CheckBox, "&Name", "", "", "Name"},
      {Kind::Button, "<", "前の年", "x", "前の年"},
      {Kind::Button, "√", "", "平方根", "平方根"},
      {Kind::Button, "登録", "前の年", "", "登録"},
      {Kind::Button, "=", "", "", "="},
      {Kind::ToolButton, "", "", "メモ", "メモ"},
      {Kind::Frame, "色(&C)", "", "", "色"},
      {Kind::Button, "Command1", "振る", "", "振る"},
      {Kind::Button, "ク リ ア ー", "", "", "クリアー"},
      {Kind::Button, "Ｅ　Ｎ　Ｄ", "", "", "ＥＮＤ"},
  };
  for (const auto& c : cases) {
    Sheet sheet;
    Control& control = sheet.add(c.kind, "Command1", {0, 0, 100, 100}, c.caption);
    control.spoken_name = c.table;
    control.tooltip = c.tooltip;
    EXPECT_EQ(spoken_name(sheet.form, control), c.spoken) << c.caption;
  }
}

TEST(SpokenNames, BoxesTakeTheTableTheTooltipOrTheNearestLabelLeftOrAboveInTheirFrame) {
  const struct {
    QRect label;  // the box is at 1000,1000 1000x300 in Frame1 "枠(&F)"
    const char *text, *parent, *table, *tooltip, *spoken;
    bool border = false;
  } cases[] = {
      {{0, 1000, 900, 300}, "氏名：", "Frame1", "", "", "氏名"},  // left, colon dropped
      {{1000, 600, 800, 300}, "住所", "Frame1", "", "", "住所"},  // above
      {{0, 1000, 900, 300}, "12", "Frame1", "", "", "枠", true},  // a bordered display
      {{0, 1000, 900, 300}, "氏名", "Frame2", "", "", "枠"},      // another frame's
      {{0, 0, 900, 300}, "遠い", "Frame1", "", "", "枠"},         // too far
      {{2100, 1000, 900, 300}, "右", "Frame1", "", "", "枠"},     // right of the box
      {{0, 1000, 900, 300}, "氏名", "Frame1", "一覧", "", "一覧"},
      {{0, 1000, 900, 300}, "氏名", "Frame1", "", "番号", "番号"},
  };
  for (const auto& c : cases) {
    Sheet sheet;
    sheet.add(Kind::Frame, "Frame1", {0, 0, 5000, 5000}, "枠(&F)", "");
    Control& label = sheet.add(Kind::Label, "Label1", c.label, c.text, c.parent);
    label.border = c.border;
    Control& box = sheet.add(Kind::TextBox, "Text1", {1000, 1000, 1000, 300}, "");
    box.spoken_name = c.table;
    box.tooltip = c.tooltip;
    EXPECT_EQ(spoken_name(sheet.form, box), c.spoken) << c.text;
    // A label that names its box only decorates; pictures too, unless named.
    EXPECT_EQ(only_decorates(sheet.form, label), c.spoken == QString(c.text).remove("："))
        << c.text;
  }
  Sheet sheet;
  EXPECT_TRUE(only_decorates(sheet.form, sheet.add(Kind::Image, "Image1", {}, "")));
  sheet.form.c("Image1").spoken_name = "メモあり";
  EXPECT_FALSE(only_decorates(sheet.form, sheet.form.c("Image1")));
}

}  // namespace
