#include "core/spoken_names.h"

#include <gtest/gtest.h>

#include "core/scripted_platform.h"

namespace {

// A form with a labelled row, a frame, and the controls each case adds.
struct Sheet {
  ScriptedPlatform platform;
  Form form{"Sheet", platform};
  Control& add(Kind kind, const char* name, QRect at, const char* text = "", QString parent = {}) {
    Control& control = place(form.add(kind, name), at.x(), at.y(), at.width(), at.height());
    control.text = text;
    control.parent = parent;
    return control;
  }
};

TEST(SpokenNames, CaptionsLoseTheirAccessKeyAndSignsGiveWayToTheTableThenTheTooltip) {
  const struct {
    Kind kind;
    const char* caption;
    const char* table;
    const char* tooltip;
    const char* spoken;
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
      {Kind::Button, "M+", "メモリー加算", "", "M+"},
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

TEST(SpokenNames, BoxesTakeTheNearestLabelLeftOrAboveInTheirOwnFrame) {
  const struct {
    QRect label;
    const char* text;
    QString label_parent;
    bool border;
    const char* spoken;  // for a box at 1000,1000 1000x300
  } cases[] = {
      {{0, 1000, 900, 300}, "氏名：", {}, false, "氏名"},    // left, colon dropped
      {{1000, 600, 800, 300}, "住所", {}, false, "住所"},    // above
      {{0, 1000, 900, 300}, "12", {}, true, "枠"},           // a bordered display names nothing
      {{0, 1000, 900, 300}, "氏名", "Frame2", false, "枠"},  // another frame's label
      {{0, 0, 900, 300}, "遠い", {}, false, "枠"},           // too far away
      {{2100, 1000, 900, 300}, "右", {}, false, "枠"},       // right of the box
  };
  for (const auto& c : cases) {
    Sheet sheet;
    sheet.add(Kind::Frame, "Frame1", {0, 0, 5000, 5000}, "枠(&F)");
    Control& label = sheet.add(Kind::Label, "Label1", c.label, c.text, c.label_parent);
    label.border = c.border;
    Control& box = sheet.add(Kind::TextBox, "Text1", {1000, 1000, 1000, 300}, "", "Frame1");
    if (c.label_parent.isEmpty()) label.parent = "Frame1";
    EXPECT_EQ(spoken_name(sheet.form, box), c.spoken) << c.text;
    EXPECT_EQ(only_decorates(sheet.form, label), QString(c.spoken) != "枠") << c.text;
  }
}

TEST(SpokenNames, TheTableOutranksTheLabelAndTheNearerLabelWins) {
  Sheet sheet;
  sheet.add(Kind::Label, "Label1", {0, 1000, 900, 300}, "近い");
  sheet.add(Kind::Label, "Label2", {1000, 300, 900, 300}, "上の遠い");
  Control& box = sheet.add(Kind::ListBox, "List1", {1000, 1000, 1000, 300});
  EXPECT_EQ(spoken_name(sheet.form, box), "近い");
  box.spoken_name = "一覧";
  EXPECT_EQ(spoken_name(sheet.form, box), "一覧");
  EXPECT_FALSE(only_decorates(sheet.form, sheet.form.c("Label1")));  // no longer its name
  Control& picture = sheet.add(Kind::Image, "Image1", {0, 0, 10, 10});
  EXPECT_TRUE(only_decorates(sheet.form, picture));
  picture.spoken_name = "メモあり";
  EXPECT_FALSE(only_decorates(sheet.form, picture));
}

}  // namespace
