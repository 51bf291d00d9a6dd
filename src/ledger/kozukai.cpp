#include "ledger/kozukai.h"

#include "core/platform.h"
#include "core/save.h"
#include "ledger/kozukai_rules.h"
#include "settings/settings.h"

namespace {

constexpr int kWidth = 8550, kHeight = 6700;
constexpr Rgb kButtonGreen{128, 255, 128};
constexpr Rgb kYellow{255, 255, 0};
const Font kButtonFont{"ＭＳ Ｐゴシック", 9.75, true};

}  // namespace

Kozukai::Kozukai(Module1& m, Platform& platform) : Form("Kozukai", platform), m_(m) {
  create_controls();
}

void Kozukai::create_controls() {
  frame_borderless(kWidth, kHeight, kPurple);
  back = kLightYellow;
  const auto button = [this](const QString& name, int index, const char* text, int left, int top,
                             int w, int h) -> Control& {
    Control& b = place(add(Kind::Button, name, index), left, top, w, h);
    b.text = text;
    b.back = kButtonGreen;
    b.font = kButtonFont;
    return b;
  };

  Control& title = place(add(Kind::Label, "Label1"), 1680, 360, 2895, 615);
  title.text = "こづかい帳";
  title.fore = kRed;
  title.font = {"ＭＳ Ｐ明朝", 27.75, false};
  place(add(Kind::Label, "Label2"), 4560, 720, 975, 255).text = "Ver.1.02";

  Control& list = place(add(Kind::ListBox, "List1"), 480, 1200, 5415, 3375);
  list.sorted = true;
  list.back = kWhite;
  list.font = {"ＭＳ 明朝", 9.75, false};
  Control& caption_label = place(add(Kind::Label, "Label3"), 5880, 1200, 2415, 375);
  caption_label.fore = kBlue;
  caption_label.font = {"", 18, true};
  caption_label.align = Align::Center;

  const char* const arrows[4] = {"<<", "<", ">", ">>"};
  const char* const arrow_tips[4] = {"年、戻る", "月、戻る", "月、進む", "年、進む"};
  for (int i = 0; i < 4; ++i)
    button("Command2", i, arrows[i], 6120 + 480 * i, 1800, 495, 375).tooltip = arrow_tips[i];

  Control& year_option = place(add(Kind::Option, "Option1"), 6120, 2640, 855, 255);
  year_option.text = "通年";
  year_option.back = kYellow;
  Control& month_option = place(add(Kind::Option, "Option2"), 7080, 2640, 855, 255);
  month_option.text = "月別";
  month_option.back = kYellow;

  const char* const headings[3] = {"入金", "支出", "残高"};
  const char* const heading_tips[3] = {"入金の表示", "支出の表示", ""};
  for (int i = 0; i < 3; ++i) {
    Control& heading = place(add(Kind::Label, "Label4", i), 6120, 3000 + 360 * i, 480, 330);
    heading.text = headings[i];
    heading.tooltip = heading_tips[i];
    Control& total = place(add(Kind::Label, "Label7", i), 6600, 3000 + 360 * i, 1455, 330);
    total.align = Align::Right;
    total.font.bold = true;
    total.back = {255, 192, 128};
  }

  Control& message = place(add(Kind::TextBox, "Text3"), 1800, 4800, 5295, 375);
  message.locked = true;
  button("Command5", 0, "<", 240, 5280, 360, 375).tooltip = "日、戻る";
  button("Command5", 1, ">", 600, 5280, 360, 375).tooltip = "日、進む";
  Control& day = place(add(Kind::Label, "Label5"), 1080, 5280, 735, 375);
  day.font = {"", 14.25, true};
  day.word_wrap = false;  // the caption fills the label to the last pixel
  place(add(Kind::TextBox, "Text1"), 1800, 5280, 5295, 375).font = {"", 12, true};
  place(add(Kind::Label, "Label6"), 960, 5760, 735, 375).text = "金額";
  Control& amount = place(add(Kind::TextBox, "Text2"), 1800, 5760, 2295, 375);
  amount.font = {"", 12, true};
  amount.numeric = true;
  // The record's two-digit length field holds any amount of this length.
  amount.max_length = 20;

  button("Command4", -1, "支出", 4440, 5760, 615, 375);
  button("Command3", -1, "入金", 5040, 5760, 615, 375);
  button("Command6", -1, "登録", 5640, 5760, 615, 375);
  button("Command8", -1, "中止", 6360, 5760, 615, 375);
  button("Command7", -1, "削除", 6960, 5760, 615, 375);
  button("Command1", -1, "戻る", 7560, 5760, 615, 375);
}

// The window is loaded afresh at every opening: everything a former opening
// changed goes back to its design state.
void Kozukai::initial_state() {
  for (Control& control : controls()) {
    control.enabled = true;
    if (control.kind == Kind::TextBox) {
      control.locked = true;
      control.ime = ImeMode::None;
    }
  }
  c("Text1").text = "購入品の入力";
  c("Text2").text = "金額入力";
  c("Text3").text = "メッセージWindow";
  c("Command6").enabled = false;
  for (int i = 0; i < 2; ++i) c("Command5", i).enabled = false;
  c("Option1").checked = false;
  c("Option2").checked = true;
  c("List1").items.clear();
  c("List1").selected = -1;
  highlight_kind(2);
}

void Kozukai::Form_Load() {
  width = kWidth;
  height = kHeight;
  centre(4);
  initial_state();
  nyukin_mode = 0;
  shisyutu_mode = 0;
  dirty_flg = 0;
  kingaku_chk = 0;
  focus_box = 1;
  koz_day = platform().today().day();
  disp_kind = 2;
  disp_term = 2;
  const YearMonth shown = koz_setting_month(m_.ini_koz, platform().today());
  koz_year = shown.year;
  koz_month = shown.month;
  read_dat();
  make_dat3();
  if (nodata_flg == 1) c("Text3").text = "データが登録されていません。";
  show_captions();
}

void Kozukai::show_captions() {
  c("Label3").text = year_month_caption(koz_year, koz_month);
  c("Label5").text = day_caption(koz_day);
}

void Kozukai::Command1_Click() {
  bool saved = dirty_flg != 1 || save_dat();
  m_.ini_koz = koz_setting_line(koz_year, koz_month);
  if (!write_ini(m_, kSettingsFile)) {
    tell_write_failure(platform(), kSettingsFile);
    saved = false;
  }
  if (!saved && platform().message("保存できなかった内容があります。\r\nこのまま閉じますか？",
                                   MsgButtons::YesNo, MsgIcon::Question) != MsgAnswer::Yes)
    return;
  for (const char* box : {"Text1", "Text2"}) c(box).ime = ImeMode::None;
  m_.flg_kozu = 0;
  unload();
}

void Kozukai::handle(Event& event) {
  const QString& name = event.name;
  switch (event.type) {
    case Event::Load:
      Form_Load();
      break;
    case Event::Click:
      if (name == "Command1") Command1_Click();
      if (name == "Command2") Command2_Click(event.index);
      if (name == "Command3") Command3_Click();
      if (name == "Command4") Command4_Click();
      if (name == "Command5") Command5_Click(event.index);
      if (name == "Command6") Command6_Click();
      if (name == "Command7") Command7_Click();
      if (name == "Command8") Command8_Click();
      if (name == "Label4") Label4_Click(event.index);
      if (name == "Option1") Option1_Click();
      if (name == "Option2") Option2_Click();
      break;
    case Event::GotFocus:
      if (!loaded) break;
      if (name == "Text1") Text1_GotFocus();
      if (name == "Text2") Text2_GotFocus();
      if (name == "Command4") Command4_GotFocus();
      if (name == "Command6") Command6_GotFocus();
      break;
    case Event::KeyPress:
      if (name == "Text1") Text1_KeyPress(event.key_ascii);
      if (name == "Text2") Text2_KeyPress(event.key_ascii);
      break;
    case Event::Change:
      if (name == "Text1") Text1_Change();
      break;
    default:
      break;
  }
}
