// Entering and deleting ledger records.
#include "core/half_width.h"
#include "core/platform.h"
#include "core/record_form.h"
#include "ledger/kozukai.h"

namespace {

constexpr int kEnter = 13;
const QString kAmountPrompt = "金額を入力してください。";

// What an entry of one kind needs.
struct EntryKind {
  int limit;
  const char* full;
  const char* prompt;
  const char* button;  // the kind's own start button, focused after registering
  const char* other;   // the other kind's, disabled during the entry
};

const EntryKind& entry_kind(KozKind kind) {
  static const EntryKind nyukin{100, "登録データ数は１００件までです。",
                                "日付を選択し、入金内容を入力してください。", "Command3",
                                "Command4"};
  static const EntryKind shisyutu{1000, "登録データ数は１０００件までです。",
                                  "日を選択し、品名を入力してください。", "Command4", "Command3"};
  return kind == KozKind::Nyukin ? nyukin : shisyutu;
}

}  // namespace

bool Kozukai::boxes_filled() const {
  return !c("Text1").text.isEmpty() && !c("Text2").text.isEmpty();
}

void Kozukai::focus_entry_box() { set_focus(focus_box == KozBox::Amount ? "Text2" : "Text1"); }

std::vector<KozLine>& Kozukai::table(KozKind kind) {
  return kind == KozKind::Nyukin ? tables.nyukin : tables.shisyutu;
}

void Kozukai::begin_entry(KozKind kind) {
  set_focus("Text1");
  if (in_entry()) return;
  const EntryKind& what = entry_kind(kind);
  if (int(table(kind).size()) >= what.limit) {
    platform().message(what.full);
    return;
  }
  show_listing(kind, disp_term);
  highlight_kind(kind);
  c("Text1").text.clear();
  // An expense entry keeps what the amount box holds.
  if (kind == KozKind::Nyukin) c("Text2").text.clear();
  c("Text3").text = what.prompt;
  c("Text1").locked = false;
  c(what.other).enabled = false;
  c("Command7").enabled = false;
  for (int i = 0; i < 2; ++i) c("Command5", i).enabled = true;
  entry = kind;
  c("Option1").enabled = false;
  c("Option2").enabled = false;
  c("Text1").ime = ImeMode::Hiragana;
  c("Text2").ime = ImeMode::Alphanumeric;
  focus_box = KozBox::Item;
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
  if (in_entry()) {
    c("Text3").text = entry_kind(*entry).prompt;
    if (boxes_filled()) c("Command6").enabled = true;
  }
  focus_box = KozBox::Item;
}

void Kozukai::Text1_KeyPress(int& key_ascii) {
  if (key_ascii != kEnter || !in_entry()) return;
  key_ascii = 0;
  set_focus("Text2");
  c("Text3").text = kAmountPrompt;
}

// Only what the year file can hold may be typed.
void Kozukai::Text1_Change() {
  const CleanedText cleaned = clean_for_file(c("Text1").text, FieldFormat::Line);
  if (!cleaned.refused.isEmpty())
    platform().message(refusal_message(cleaned.refused, "こづかい帳"));
}

void Kozukai::Text2_GotFocus() {
  if (in_entry()) {
    c("Text3").text = kAmountPrompt;
    c("Text2").locked = false;
    if (boxes_filled()) c("Command6").enabled = true;
  }
  focus_box = KozBox::Amount;
}

void Kozukai::moji_hantei() { kingaku_chk = amount_check(c("Text2").text); }

void Kozukai::refuse_amount() {
  platform().message(kingaku_chk == AmountCheck::TooLarge ? "9999999以上は入力出来ません。"
                                                          : "金額を正しく入力してください。");
  c("Text2").text.clear();
}

void Kozukai::Text2_KeyPress(int& key_ascii) {
  if (key_ascii != kEnter || !in_entry()) return;
  key_ascii = 0;
  moji_hantei();
  if (kingaku_chk != AmountCheck::Good) {
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
  entry.reset();
  c("Option1").enabled = true;
  c("Option2").enabled = true;
  c("Text1").ime = ImeMode::Off;
  c("Text2").ime = ImeMode::Off;
}

void Kozukai::Command6_Click() {
  if (!in_entry()) return;
  moji_hantei();
  if (kingaku_chk != AmountCheck::Good) {
    refuse_amount();
    return;
  }
  const KozKind kind = *entry;
  make_dat(kind);
  show_listing(kind, disp_term);
  set_focus(entry_kind(kind).button);
  for (const char* box : {"Text1", "Text2", "Text3"}) c(box).text.clear();
  end_entry_controls();
  dirty_flg = true;
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
  std::vector<KozLine>& lines = table(disp_kind);
  const int found = find_listed_record(
      lines, delete_keys(list.items[list.selected], disp_term, koz_month), koz_year);
  if (found >= 0) lines.erase(lines.begin() + found);
  show_listing(disp_kind, disp_term);
  dirty_flg = true;
}

void Kozukai::make_dat(KozKind kind) {
  const QString record = build_koz_record(kind == KozKind::Nyukin, koz_year, koz_month, koz_day,
                                          to_half_width(c("Text2").text), c("Text1").text);
  table(kind).push_back(koz_line(record));
}
