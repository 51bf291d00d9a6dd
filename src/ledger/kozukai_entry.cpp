// Entering and deleting ledger records.
#include "core/half_width.h"
#include "core/platform.h"
#include "core/text_file.h"
#include "ledger/kozukai_rules.h"
#include "ledger/kozukai.h"

namespace {

constexpr int kNyukinLimit = 100, kShisyutuLimit = 1000;
constexpr int kEnter = 13;
const QString kNyukinPrompt = "日付を選択し、入金内容を入力してください。";
const QString kShisyutuPrompt = "日を選択し、品名を入力してください。";
const QString kAmountPrompt = "金額を入力してください。";

}  // namespace

bool Kozukai::boxes_filled() const {
  return !c("Text1").text.isEmpty() && !c("Text2").text.isEmpty();
}

void Kozukai::focus_entry_box() { set_focus(focus_box == 2 ? "Text2" : "Text1"); }

void Kozukai::Command3_Click() {
  set_focus("Text1");
  if (in_entry()) return;
  if (nyukin_cnt() >= kNyukinLimit) {
    platform().message("登録データ数は１００件までです。");
    return;
  }
  if (disp_term == 1)
    make_dat6();
  else
    make_dat4();
  highlight_kind(1);
  c("Text1").text.clear();
  c("Text2").text.clear();
  c("Text3").text = kNyukinPrompt;
  c("Text1").locked = false;
  c("Command4").enabled = false;
  c("Command7").enabled = false;
  for (int i = 0; i < 2; ++i) c("Command5", i).enabled = true;
  nyukin_mode = 1;
  c("Option1").enabled = false;
  c("Option2").enabled = false;
  c("Text1").ime = ImeMode::Hiragana;
  c("Text2").ime = ImeMode::Alphanumeric;
  focus_box = 1;
}

void Kozukai::Command4_Click() {
  set_focus("Text1");
  if (in_entry()) return;
  if (shisyutu_cnt() >= kShisyutuLimit) {
    platform().message("登録データ数は１０００件までです。");
    return;
  }
  if (disp_term == 1)
    make_dat5();
  else
    make_dat3();
  highlight_kind(2);
  // The amount box keeps what it holds.
  c("Text1").text.clear();
  c("Text3").text = kShisyutuPrompt;
  c("Text1").locked = false;
  c("Command3").enabled = false;
  c("Command7").enabled = false;
  for (int i = 0; i < 2; ++i) c("Command5", i).enabled = true;
  shisyutu_mode = 1;
  c("Option1").enabled = false;
  c("Option2").enabled = false;
  c("Text1").ime = ImeMode::Hiragana;
  c("Text2").ime = ImeMode::Alphanumeric;
  focus_box = 1;
}

void Kozukai::Command4_GotFocus() {
  if (in_entry() && boxes_filled()) c("Command6").enabled = true;
}

void Kozukai::Command5_Click(int index) {
  if (index == 0 && koz_day > 1) --koz_day;
  if (index == 1 && koz_day < 31) ++koz_day;
  c("Label5").text = day_caption(koz_day);
  focus_entry_box();
}

void Kozukai::Text1_GotFocus() {
  if (nyukin_mode == 1) c("Text3").text = kNyukinPrompt;
  if (shisyutu_mode == 1) c("Text3").text = kShisyutuPrompt;
  if (in_entry() && boxes_filled()) c("Command6").enabled = true;
  focus_box = 1;
}

void Kozukai::Text1_KeyPress(int& key_ascii) {
  if (key_ascii != kEnter || !in_entry()) return;
  key_ascii = 0;
  set_focus("Text2");
  c("Text3").text = kAmountPrompt;
}

// Only what the year file can hold may be typed.
void Kozukai::Text1_Change() {
  Control& item = c("Text1");
  const QString refused = take_out_unsaveable(item.text);
  if (refused.isEmpty()) return;
  platform().message("「" + refused + "」はこづかい帳に保存できない文字のため、入力できません。");
}

void Kozukai::Text2_GotFocus() {
  if (in_entry()) {
    c("Text3").text = kAmountPrompt;
    c("Text2").locked = false;
    if (boxes_filled()) c("Command6").enabled = true;
  }
  focus_box = 2;
}

void Kozukai::moji_hantei() { kingaku_chk = qint16(amount_check(c("Text2").text)); }

void Kozukai::refuse_amount() {
  platform().message(kingaku_chk == 2 ? "9999999以上は入力出来ません。"
                                      : "金額を正しく入力してください。");
  c("Text2").text.clear();
}

void Kozukai::Text2_KeyPress(int& key_ascii) {
  if (key_ascii != kEnter || !in_entry()) return;
  key_ascii = 0;
  moji_hantei();
  if (kingaku_chk != 0) {
    refuse_amount();
    return;
  }
  c("Command6").enabled = true;
  set_focus("Command6");
}

void Kozukai::Command6_GotFocus() {
  if (in_entry()) c("Text3").text = "登録が可能です。";
}

void Kozukai::end_entry_controls() {
  c("Command3").enabled = true;
  c("Command4").enabled = true;
  for (int i = 0; i < 2; ++i) c("Command5", i).enabled = false;
  c("Command6").enabled = false;
  c("Command7").enabled = true;
  c("Text1").locked = true;
  c("Text2").locked = true;
  nyukin_mode = 0;
  shisyutu_mode = 0;
  c("Option1").enabled = true;
  c("Option2").enabled = true;
  c("Text1").ime = ImeMode::Off;
  c("Text2").ime = ImeMode::Off;
}

void Kozukai::Command6_Click() {
  if (!in_entry()) return;
  moji_hantei();
  if (kingaku_chk != 0) {
    refuse_amount();
    return;
  }
  if (nyukin_mode == 1) {
    make_dat1();
    if (disp_term == 1)
      make_dat6();
    else
      make_dat4();
    set_focus("Command3");
  } else {
    make_dat2();
    if (disp_term == 1)
      make_dat5();
    else
      make_dat3();
    set_focus("Command4");
  }
  for (const char* box : {"Text1", "Text2", "Text3"}) c(box).text.clear();
  end_entry_controls();
  dirty_flg = 1;
}

void Kozukai::Command8_Click() {
  end_entry_controls();
  for (const char* box : {"Text1", "Text2", "Text3"}) c(box).text.clear();
}

void Kozukai::Command7_Click() {
  const Control& list = c("List1");
  if (list.selected < 0 || list.selected >= list.items.size()) return;
  if (platform().message("選択されたデータを削除します。", MsgButtons::OkCancel) != MsgAnswer::Ok)
    return;
  if (disp_kind == 1)
    del_dat1();
  else
    del_dat2();
  list_current();
  dirty_flg = 1;
}

void Kozukai::make_dat1() {
  const QString record = build_koz_record(true, koz_year, koz_month, koz_day,
                                          to_half_width(c("Text2").text), c("Text1").text);
  tables.nyukin.push_back(koz_line(record));
}

void Kozukai::make_dat2() {
  const QString record = build_koz_record(false, koz_year, koz_month, koz_day,
                                          to_half_width(c("Text2").text), c("Text1").text);
  tables.shisyutu.push_back(koz_line(record));
}

void Kozukai::delete_selected(std::vector<KozLine>& table) {
  const Control& list = c("List1");
  if (list.selected < 0 || list.selected >= list.items.size()) return;
  const KozTerm term = disp_term == 1 ? KozTerm::Year : KozTerm::Month;
  const int found =
      find_listed_record(table, delete_keys(list.items[list.selected], term, koz_month), koz_year);
  if (found >= 0) table.erase(table.begin() + found);
}

void Kozukai::del_dat1() { delete_selected(tables.nyukin); }
void Kozukai::del_dat2() { delete_selected(tables.shisyutu); }
