// The こよみ window's controls, in twips: the month title and its buttons, the large
// month grid, the pointing line and 戻る.
#include "calendar/month_layout.h"
#include "koyomi/koyomi.h"

namespace {

constexpr int kWidth = 8040, kHeight = 8280;
constexpr int kGridLeft = 240, kGridTop = 1560;
constexpr int kScaleX = 3, kScaleY = 4;  // the gift window's grid, three cells wide and four high

const ButtonLine kButtons[] = {
    {"Command3", 0, "＜", "月戻る", 2100, 720, 660, 360},
    {"Command3", 1, "＞", "月進む", 5280, 720, 660, 360},
    {"Command3", 2, "本日", "本日を表示", 6120, 720, 900, 360},
    {"Command1", -1, "戻る", "店内に戻る", 6450, 7680, 1350, 420},
};

}  // namespace

Koyomi::Koyomi(Module1& m, Platform& platform) : Form("Koyomi", platform), m(m) {
  create_controls();
  set_routes<Koyomi>({
      {Event::Load, {}, &Koyomi::Form_Load},
      {Event::Click, "Command1", &Koyomi::Command1_Click},
      {Event::Click, "Command3", &Koyomi::Command3_Click},
      {Event::MouseMove, "Label1", &Koyomi::Label1_MouseMove},
      {Event::KeyDown, {}, &Koyomi::Form_KeyDown},
  });
}

void Koyomi::create_controls() {
  width = kWidth;
  height = kHeight;
  frame_borderless(kWidth, kHeight, {128, 64, 0});
  Control& heading = place(add(Kind::Label, "Label6"), 240, 150, 2505, 360);
  heading.text = "こよみ";
  title_label = heading.name;
  heading.font = {"ＭＳ 明朝", 14, true};

  Control& month = place(add(Kind::Label, "Label5"), 2880, 750, 2280, 300);
  month.align = Align::Center;
  month.font = {"ＭＳ Ｐゴシック", 12, true};
  for (int i = 0; i < 7; ++i) {
    const GridPlace at = weekday_heading_place(i, kGridLeft, kGridTop, kScaleX);
    Control& day = place(add(Kind::Label, "Label2", i), at.left, at.top, at.width, at.height);
    day.text = kWeekdayNames[i];
    day.align = Align::Center;
    day.fore = is_sunday_cell(i) ? kRed : is_saturday_cell(i) ? kBlue : kSystemColour;
  }
  for (int k = 0; k < kMonthCells; ++k) {
    const GridPlace at = month_cell_place(k, kGridLeft, kGridTop, kScaleX, kScaleY);
    Control& cell = place(add(Kind::Label, "Label1", k), at.left, at.top, at.width, at.height);
    cell.back = kLightYellow;
    // DejaVu Sans draws ● ◐ ○ ◑ at one size; the IPA fonts halve ◐ and ◑.
    cell.font = {"DejaVu Sans", 9, false};
  }
  Control& line = place(add(Kind::TextBox, "Text1"), kGridLeft, 7200, kWidth - 2 * kGridLeft, 330);
  line.spoken_name = "日の情報";
  line.locked = true;
  line.tab_stop = false;

  for (const ButtonLine& line : kButtons) add_button(line);
}
