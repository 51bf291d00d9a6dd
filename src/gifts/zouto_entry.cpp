// Entering and deleting gifts, and the way back to browsing.
#include "core/platform.h"
#include "core/text_file.h"
#include "gifts/zouto_record.h"
#include "gifts/zouto.h"

namespace {

const QString kNamePrompt = QStringLiteral("氏名を入力してください。");
const QString kItemPrompt = QStringLiteral("品名または、金額を入力してください。");

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

void Zouto::Command4_Click() {
  input_mode = 1;
  set_button(c("Command7"), false, kIdleButton);
  set_button(c("Command8"), true, kUsableButton);
  c("Command1").back = kIdleButton;
  c("Command1").tab_stop = false;
  c("Text2").locked = false;
  c("Text3").locked = false;
  set_focus("Text2");
}

void Zouto::Command7_Click() {
  delete_mode = 1;
  set_button(c("Command8"), true, kUsableButton);
  set_button(c("Command4"), false, kIdleButton);
  c("Command1").back = kIdleButton;
  c("Command1").tab_stop = false;
  c("List1").selected = -1;
  c("Text1").text = "削除するデータを選択してください。";
}

void Zouto::Command8_Click() {
  input_mode = delete_mode = 0;
  browse_buttons();
  c("Text1").text.clear();
  set_focus("Command1");
  show_view_message();
}

void Zouto::check_ready() {
  if (c("Text2").text.isEmpty() || c("Text3").text.isEmpty()) return;
  set_button(c("Command6"), true, kReadyButton);
}

void Zouto::Text2_GotFocus() {
  if (input_mode != 1) return;
  c("Text1").text = kNamePrompt;
  check_ready();
}

void Zouto::Text3_GotFocus() {
  if (input_mode != 1) return;
  c("Text1").text = kItemPrompt;
  check_ready();
}

void Zouto::Text2_KeyPress(int& key_ascii) {
  if (input_mode != 1) return;
  check_ready();
  if (key_ascii != '\r') return;
  key_ascii = 0;  // a one-line box: Enter only moves on
  if (c("Text3").text.isEmpty()) {
    set_focus("Text3");
    c("Text1").text = kItemPrompt;
  }
}

void Zouto::Text3_KeyPress(int& key_ascii) {
  if (input_mode != 1) return;
  check_ready();
  if (key_ascii != '\r') return;
  key_ascii = 0;
  if (c("Text2").text.isEmpty()) {
    set_focus("Text2");
    c("Text1").text = kNamePrompt;
  }
}

void Zouto::Text_Change(const QString& box) {
  // Only what the file's code page can hold is taken, so nothing typed is lost on saving.
  Control& text = c(box);
  const QString refused = take_out_unsaveable(text.text);
  if (refused.isEmpty()) return;
  platform().message("「" + refused + "」は贈答控えに保存できない文字のため、入力できません。");
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
  changed = 1;
  name.text.clear();
  item.text.clear();
  set_focus("Text2");
  c("Text1").text = kNamePrompt;
}

void Zouto::List1_Click() {
  if (delete_mode != 1 || input_mode == 1) return;
  Control& list = c("List1");
  const int line = list.selected;
  std::vector<GiftLine>& lines = shown();
  if (line < 0 || line >= int(lines.size()) || line >= list.items.size()) return;
  lines.erase(lines.begin() + line);
  list.items.removeAt(line);
  list.selected = -1;
  changed = 1;
}
