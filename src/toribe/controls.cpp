// The main window's controls, laid out in twips below the menu bar and toolbar (menus.cpp).
#include <tuple>

#include "calendar/month_layout.h"
#include "core/spoken_names.h"
#include "toribe/toribe.h"

namespace {

const char* const kOptionCaptions[3] = {"通常", "ﾕｰｻﾞｰ", "総合"};
const Rgb kOptionColours[3] = {kBlack, {255, 128, 0}, kRed};

// What screen readers call the controls that show no words of their own.
const SpokenName kSpokenNames[] = {
    {"Command13", 0, "10年前"},
    {"Command13", 1, "前の年"},
    {"Command13", 2, "前の月"},
    {"Command13", 3, "次の月"},
    {"Command13", 4, "次の年"},
    {"Command13", 5, "10年後"},
    {"Text1", -1, "日の情報"},
    {"Text3", -1, "行事"},
    {"Text4", -1, "メモの件数"},
    {"Text2", -1, "メモ"},
    {"List2", -1, "一覧"},
    {"Image1", -1, "この日のメモあり"},
    {"Image2", -1, "今日のメモあり"},
    {"Toolbar1", 19, "未使用"},
    {"Toolbar1", 20, "未使用"},
    {"Toolbar1", 21, "未使用"},
    {"Toolbar1", 22, "未使用"},
    {"Toolbar1", 23, "未使用"},
};

}  // namespace

void Toribe::create_controls() {
  create_menus();

  constexpr int kGridLeft = 120, kGridTop = 660;
  Control& title = place(add(Kind::Label, "Label3"), kGridLeft, 60, 2520, 300);
  title.align = Align::Center;
  title.font = {"ＭＳ Ｐゴシック", 12, true};
  title.fore = kBlack;
  for (int i = 0; i < 7; ++i) {
    const GridPlace at = weekday_heading_place(i, kGridLeft, kGridTop);
    Control& heading = place(add(Kind::Label, "Label2", i), at.left, at.top, at.width, at.height);
    heading.text = kWeekdayNames[i];
    heading.align = Align::Center;
    heading.fore = i == 0 ? kRed : i == 6 ? kBlue : kSystemColour;
  }
  for (int k = 0; k < 37; ++k) {
    const GridPlace at = month_cell_place(k, kGridLeft, kGridTop);
    Control& cell = place(add(Kind::Label, "Label1", k), at.left, at.top, at.width, at.height);
    cell.align = Align::Center;
    cell.back = kLightYellow;
  }
  for (int i = 0; i < 7; ++i) {
    Control& button = place(add(Kind::Button, "Command13", i), kGridLeft + 360 * i, 2220, 400, 300);
    button.text = i < 6 ? QString("<<|<|-|+|>|>>").split('|')[i] : QString("抜ける");
  }
  Control& leave = c("Command13", 6);
  leave.height = 660;
  leave.visible = false;

  Control& frame = place(add(Kind::Frame, "Frame1"), 2880, 0, 1500, 1020);
  frame.text = "ｶﾚﾝﾀﾞｰ";
  for (int i = 0; i < 3; ++i) {
    Control& option = place(add(Kind::Option, "Option1", i), 120, 240 + 240 * i, 1260, 240);
    option.parent = "Frame1";
    option.text = kOptionCaptions[i];
    option.fore = kOptionColours[i];
  }

  Control& clock = place(add(Kind::Label, "Label4"), 4500, 120, 1500, 420);
  clock.align = Align::Center;
  clock.font = {"ＭＳ ゴシック", 14, true};

  Control& info = place(add(Kind::TextBox, "Text1"), 2880, 1080, 3120, 600);
  info.multiline = true;
  info.locked = true;
  place(add(Kind::TextBox, "Text3"), 2880, 1740, 2640, 300).locked = true;
  place(add(Kind::TextBox, "Text4"), 2880, 2100, 2640, 300).locked = true;
  // The icons beside Text3 and Text4 that tell a day (or today) has memos.
  for (auto [name, top, picture] : {std::tuple{"Image1", 1740, ":/memo/day.png"},
                                    std::tuple{"Image2", 2100, ":/memo/today.png"}}) {
    Control& icon = place(add(Kind::Image, name), 5640, top, 360, 300);
    icon.picture = picture;
    icon.visible = false;
  }

  Control& pane = place(add(Kind::TextBox, "Text2"), kGridLeft, 2940, 5880, 1900);
  pane.multiline = true;
  pane.scrollbars = true;
  pane.visible = false;
  pane.ime = ImeMode::Hiragana;
  place(add(Kind::ListBox, "List2"), kGridLeft, 2940, 5880, 1900).visible = false;
  Control& sorter = add(Kind::ListBox, "List1");
  sorter.sorted = true;
  sorter.visible = false;
  give_spoken_names(*this, kSpokenNames);
}
