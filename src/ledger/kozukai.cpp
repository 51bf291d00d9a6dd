#include "ledger/kozukai.h"

#include "core/platform.h"
#include "core/record_form.h"
#include "core/save.h"
#include "core/spoken_names.h"
#include "settings/settings.h"

namespace {

constexpr int kWidth = 8550, kHeight = 6700;
constexpr Rgb kButtonGreen{128, 255, 128};
constexpr Rgb kYellow{255, 255, 0};
const Font kButtonFont{"ＭＳ Ｐゴシック", 9.75, true};

// A focus event that reaches a window already closed changes nothing.
Handler<Kozukai> when_loaded(void (Kozukai::*handler)()) {
  return [handler](Kozukai& form, Event&) {
    if (form.loaded) (form.*handler)();
  };
}

}  // namespace

Kozukai::Kozukai(Module1& m, Platform& platform) : Form("Kozukai", platform), m_(m) {
  create_controls();
  set_routes<Kozukai>({
      {Event::Load, {}, &Kozukai::Form_Load},
      {Event::Click, "Command1", &Kozukai::Command1_Click},
      {Event::Click, "Command2", &Kozukai::Command2_Click},
      {Event::Click, "Command3", &Kozukai::Command3_Click},
      {Event::Click, "Command4", &Kozukai::Command4_Click},
      {Event::Click, "Command5", &Kozukai::Command5_Click},
      {Event::Click, "Command6", &Kozukai::Command6_Click},
      {Event::Click, "Command7", &Kozukai::Command7_Click},
      {Event::Click, "Command8", &Kozukai::Command8_Click},
      {Event::Click, "Label4", &Kozukai::Label4_Click},
      {Event::Click, "Option1", &Kozukai::Option1_Click},
      {Event::Click, "Option2", &Kozukai::Option2_Click},
      {Event::GotFocus, "Text1", when_loaded(&Kozukai::Text1_GotFocus)},
      {Event::GotFocus, "Text2", when_loaded(&Kozukai::Text2_GotFocus)},
      {Event::GotFocus, "Command4", when_loaded(&Kozukai::Command4_GotFocus)},
      {Event::GotFocus, "Command6", when_loaded(&Kozukai::Command6_GotFocus)},
      {Event::KeyPress, "Text1", &Kozukai::Text1_KeyPress},
      {Event::KeyPress, "Text2", &Kozukai::Text2_KeyPress},
      {Event::Change, "Text1", &Kozukai::Text1_Change},
  });
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
  title_label = title.name;
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
  static constexpr SpokenName kSpokenNames[] = {
      {"List1", -1, "明細"}, {"Text3", -1, "案内"}, {"Text1", -1, "内容"}, {"Text2", -1, "金額"}};
  give_spoken_names(*this, kSpokenNames);

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
  highlight_kind(KozKind::Shisyutu);
}

void Kozukai::Form_Load() {
  width = kWidth;
  height = kHeight;
  centre(4);
  initial_state();
  entry.reset();
  dirty_flg = false;
  kingaku_chk = AmountCheck::Good;
  focus_box = KozBox::Item;
  koz_day = platform().today().day();
  disp_kind = KozKind::Shisyutu;
  disp_term = KozTerm::Month;
  const YearMonth shown = koz_setting_month(m_.ini_koz, platform().today());
  koz_year = shown.year;
  koz_month = shown.month;
  if (const std::optional<OpenAt> at = m_.take_open_at(name()); at && at->date.isValid()) {
    koz_year = at->date.year();
    koz_month = at->date.month();
  }
  read_dat();
  show_listing(KozKind::Shisyutu, KozTerm::Month);
  if (nodata_flg) c("Text3").text = "データが登録されていません。";
  show_captions();
}

void Kozukai::show_captions() {
  c("Label3").text = year_month_caption(koz_year, koz_month);
  c("Label5").text = day_caption(koz_day);
}

void Kozukai::Command1_Click() {
  bool saved = save_dat();
  m_.ini_koz = koz_setting_line(koz_year, koz_month);
  if (!write_ini(m_, kSettingsFile)) {
    tell_write_failure(platform(), kSettingsFile);
    saved = false;
  }
  if (!close_or_ask(platform(), saved, "保存できなかった内容があります。\r\nこのまま閉じますか？"))
    return;
  for (const char* box : {"Text1", "Text2"}) c(box).ime = ImeMode::None;
  m_.flg_kozu = 0;
  unload();
}
