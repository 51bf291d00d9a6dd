// The gift window's controls, in twips: the calendar on the left, the list and the
// entry boxes on the right, the mode buttons along the bottom.
#include "calendar/month_layout.h"
#include "core/spoken_names.h"
#include "gifts/zouto.h"

namespace {

constexpr int kWidth = 8550, kHeight = 5160;
constexpr int kGridLeft = 240, kGridTop = 1620;
constexpr int kRight = 3000, kRightWidth = 5310;

const ButtonLine kButtons[] = {
    {"Command2", 0, "贈る", "贈った物を表示", kRight, 150, 900, 360},
    {"Command2", 1, "受る", "頂いた物を表示", kRight + 960, 150, 900, 360},
    {"Command3", 0, "＜", "月戻る", kGridLeft, 990, 660, 300},
    {"Command3", 2, "本日", "本日を表示", kGridLeft + 900, 990, 720, 300},
    {"Command3", 1, "＞", "月進む", kGridLeft + 1845, 990, 660, 300},
    {"Command4", -1, "データ入力", "データの入力", 240, 4500, 1500, 420},
    {"Command6", -1, "データ登録", "入力されたデータを登録", 1860, 4500, 1500, 420},
    {"Command7", -1, "データ削除", "登録データの削除", 3480, 4500, 1500, 420},
    {"Command8", -1, "データ操作終了", "閲覧に戻る", 5100, 4500, 1680, 420},
    {"Command1", -1, "戻る", "店内に戻る", 6960, 4500, 1350, 420},
};

}  // namespace

Zouto::Zouto(Module1& m, Platform& platform) : Form("Zouto", platform), m_(m) {
  create_controls();
  std::vector<RouteOf<Zouto>> routes{
      {Event::Load, {}, &Zouto::Form_Load},
      {Event::MouseDown, "Command3", &Zouto::Command3_MouseDown},
      {Event::Click, "Command1", &Zouto::Command1_Click},
      {Event::Click, "Command2", &Zouto::Command2_Click},
      {Event::Click, "Command4", &Zouto::Command4_Click},
      {Event::Click, "Command6", &Zouto::Command6_Click},
      {Event::Click, "Command7", &Zouto::Command7_Click},
      {Event::Click, "Command8", &Zouto::Command8_Click},
      {Event::Click, "Label1", &Zouto::Label1_Click},
      {Event::Click, "List1", &Zouto::List1_Click},
  };
  for (const char* box : {"Text2", "Text3"}) {
    routes.push_back({Event::GotFocus, box, [](Zouto& f, Event& e) { f.Text_GotFocus(e.name); }});
    routes.push_back(
        {Event::KeyPress, box, [](Zouto& f, Event& e) { f.Text_KeyPress(e.name, e.key_ascii); }});
    routes.push_back({Event::Change, box, [](Zouto& f, Event& e) { f.Text_Change(e.name); }});
  }
  add_routes<Zouto>(routes);
}

void Zouto::create_controls() {
  width = kWidth;
  height = kHeight;
  frame_borderless(kWidth, kHeight, {0, 128, 128});
  Control& heading = place(add(Kind::Label, "Label6"), 240, 150, 2505, 360);
  heading.text = "贈答控え";
  title_label = heading.name;
  heading.font = {"ＭＳ 明朝", 14, true};

  Control& month = place(add(Kind::Label, "Label5"), kGridLeft, 630, 2505, 300);
  month.align = Align::Center;
  month.font = {"ＭＳ Ｐゴシック", 12, true};
  for (int i = 0; i < 7; ++i) {
    const GridPlace at = weekday_heading_place(i, kGridLeft, kGridTop);
    Control& day = place(add(Kind::Label, "Label2", i), at.left, at.top, at.width, at.height);
    day.text = kWeekdayNames[i];
    day.align = Align::Center;
    day.fore = is_sunday_cell(i) ? kRed : is_saturday_cell(i) ? kBlue : kSystemColour;
  }
  for (int k = 0; k < kMonthCells; ++k) {
    const GridPlace at = month_cell_place(k, kGridLeft, kGridTop);
    Control& cell = place(add(Kind::Label, "Label1", k), at.left, at.top, at.width, at.height);
    cell.align = Align::Center;
    cell.back = kLightYellow;
  }
  Control& chosen = place(add(Kind::Label, "Label7"), kGridLeft, 3180, 2505, 300);
  chosen.align = Align::Center;
  chosen.border = true;
  chosen.back = kWhite;
  chosen.font = {"ＭＳ ゴシック", 10, true};

  const char* const headings[3] = {"日　付", "氏　名", "贈答品"};
  const int heading_left[3] = {kRight, kRight + 1260, kRight + 3060};
  for (int i = 0; i < 3; ++i)
    place(add(Kind::Label, "Label4", i), heading_left[i], 630, 1200, 240).text = headings[i];
  Control& list = place(add(Kind::ListBox, "List1"), kRight, 900, kRightWidth, 2130);
  list.font = {"ＭＳ ゴシック", 9, false};
  place(add(Kind::TextBox, "Text1"), kRight, 3120, kRightWidth, 300).locked = true;

  place(add(Kind::Label, "Label8"), kRight, 3600, 1020, 270).text = "氏　名";
  place(add(Kind::Label, "Label9"), kRight, 4000, 1020, 270).text = "品名・金額";
  for (const char* box : {"Text2", "Text3"}) {
    Control& text = place(add(Kind::TextBox, box), kRight + 1080, box[4] == '2' ? 3540 : 3940,
                          kRightWidth - 1080, 330);
    text.max_length = 20;
    text.ime = ImeMode::Hiragana;
    text.locked = true;
  }

  for (const ButtonLine& line : kButtons) add_button(line).back = kUsableButton;
  static constexpr SpokenName kSpokenNames[] = {{"List1", -1, "贈答の一覧"}, {"Text1", -1, "状態"}};
  give_spoken_names(*this, kSpokenNames);
}
