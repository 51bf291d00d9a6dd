// Entering and deleting gifts, and the way back to browsing.
#include "core/platform.h"
#include "gifts/zouto.h"
#include "gifts/zouto_record.h"

namespace {

const QString kNamePrompt = QStringLiteral("氏名を入力してください。");
const QString kItemPrompt = QStringLiteral("品名または、金額を入力してください。");

// The name box Text2 and the item box Text3 each have their prompt.
QString prompt_of(const QString& box) { return box == "Text2" ? kNamePrompt : kItemPrompt; }

void set_button(Control& button, bool enabled, Rgb back) {
  button.enabled = enabled;
  button.back = back;
}

}  // namespace

void Zouto::browse_buttons() {
  set_button(c("Command1"), true, kUsableButton);
  set_button(c("Command4"), true, kUsableButton);
  set_button(c("Command7"), true, kUsableButton);
  set_button(c("Command6"), false, kIdleButton);
  set_button(c("Command8"), false, kIdleButton);
  c("Command1").tab_stop = true;
  for (const char* box : {"Text2", "Text3"}) {
    c(box).text.clear();
    c(box).locked = true;
  }
}

// Entering or deleting starts: the other start button and 戻る rest until 終了.
void Zouto::leave_browsing(RecordMode to) {
  mode = to;
  set_button(c(to == RecordMode::Input ? "Command7" : "Command4"), false, kIdleButton);
  set_button(c("Command8"), true, kUsableButton);
  c("Command1").back = kIdleButton;
  c("Command1").tab_stop = false;
}

void Zouto::Command4_Click() {
  leave_browsing(RecordMode::Input);
  c("Text2").locked = false;
  c("Text3").locked = false;
  set_focus("Text2");
}

void Zouto::Command7_Click() {
  leave_browsing(RecordMode::Delete);
  c("List1").selected = -1;
  c("Text1").text = "削除するデータを選択してください。";
}

void Zouto::Command8_Click() {
  mode = RecordMode::Browse;
  browse_buttons();
  c("Text1").text.clear();
  set_focus("Command1");
  show_view_message();
}

void Zouto::check_ready() {
  if (c("Text2").text.isEmpty() || c("Text3").text.isEmpty()) return;
  set_button(c("Command6"), true, kReadyButton);
}

void Zouto::Text_GotFocus(const QString& box) {
  if (mode != RecordMode::Input) return;
  c("Text1").text = prompt_of(box);
  check_ready();
}

// Enter in one box moves on to the other while that is still empty.
void Zouto::Text_KeyPress(const QString& box, int& key_ascii) {
  if (mode != RecordMode::Input) return;
  check_ready();
  if (key_ascii != '\r') return;
  key_ascii = 0;  // a one-line box: Enter only moves on
  const QString other = box == "Text2" ? "Text3" : "Text2";
  if (c(other).text.isEmpty()) {
    set_focus(other);
    c("Text1").text = prompt_of(other);
  }
}

void Zouto::Text_Change(const QString& box) {
  // Only what the file's code page can hold is taken, so nothing typed is lost on saving.
  const CleanedText cleaned = clean_for_file(c(box).text, FieldFormat::Line);
  if (!cleaned.refused.isEmpty()) platform().message(refusal_message(cleaned.refused, "贈答控え"));
}

void Zouto::Command6_Click() {
  set_button(c("Command6"), false, kIdleButton);
  Control& name = c("Text2");
  Control& item = c("Text3");
  if (name.text.isEmpty()) {
    set_focus("Text2");
    return;
  }
  if (given.size() >= kGiftLimit || received.size() >= kGiftLimit) {
    platform().message("登録データ数が５００件を超えました。", MsgButtons::Ok, MsgIcon::None,
                       "　　登録データオーバー");
    name.text.clear();
    item.text.clear();
    return;
  }
  const QString record = gift_record(date_text, name.text, item.text);
  shown().push_back({record, {}});
  c("List1").items.append(record);
  changed = true;
  name.text.clear();
  item.text.clear();
  set_focus("Text2");
  c("Text1").text = kNamePrompt;
}

void Zouto::List1_Click() {
  if (mode != RecordMode::Delete) return;
  Control& list = c("List1");
  const int line = list.selected;
  std::vector<GiftLine>& lines = shown();
  if (line < 0 || line >= int(lines.size()) || line >= list.items.size()) return;
  lines.erase(lines.begin() + line);
  list.items.removeAt(line);
  list.selected = -1;
  changed = true;
}
