#include "address/jyusho.h"

#include <algorithm>

#include "core/platform.h"
#include "core/save.h"
#include "core/text_file.h"

namespace {

const QString kCloseItem = QStringLiteral("リストボックス閉じる");
const QString kStoreTitle = QStringLiteral("データ登録");
const QString kFull = QStringLiteral("これ以上データ登録できません！！");

// Phone, postal code, fax and mail boxes take half-width letters and digits.
ImeMode editing_ime(const QString& box) {
  return box == "Text1" || box == "Text2" || box == "Text3" ? ImeMode::Hiragana
                                                            : ImeMode::Alphanumeric;
}

}  // namespace

Jyusho::Jyusho(Module1& m, Platform& platform) : Form("jyusho", platform), m_(m) {
  create_controls();
}

void Jyusho::Form_Load() {
  height = 5370;
  width = 7530;
  adr_cnt = 0;
  adr_cur = 0;
  adr_dirty = 0;
  adr_input = 0;
  adr_change = 0;
  quote_noted_ = false;
  c("Command3").enabled = false;
  c("Command8").enabled = false;
  for (const char* box : kBoxes) {
    c(box).locked = false;
    c(box).ime = ImeMode::None;
  }
  for (int i = 0; i < 4; ++i) c("Command1", i).enabled = true;
  for (const char* name : {"Command2", "Command4", "Command5", "Command6"}) c(name).enabled = true;
  c("List1").visible = false;
  read_dat();
  disp_data();
  centre(4);
}

void Jyusho::read_dat() {
  book = read_quoted_records(kAddressFile, kFieldCount);
  adr_cnt = int(book.records.size());
  adr_cur = adr_cnt > 0 ? 1 : 0;
}

bool Jyusho::save_dat() {
  if (adr_dirty != 1) return true;
  if (!write_quoted_records(kAddressFile, book)) {
    tell_write_failure(platform(), kAddressFile);
    return false;
  }
  adr_dirty = 0;
  return true;
}

void Jyusho::disp_data() {
  for (const char* box : kBoxes) c(box).text.clear();
  c("Text9").text = QString::number(adr_cur);
  if (adr_cnt == 0 || adr_cur < 1 || adr_cur > adr_cnt) return;
  const QStringList& record = book.records[adr_cur - 1];
  for (int i = 0; i < kFieldCount; ++i) c(kBoxes[i]).text = record.value(i);
}

void Jyusho::set_editing(bool editing) {
  for (const char* box : kBoxes) {
    c(box).ime = editing ? editing_ime(box) : ImeMode::Off;
    c(box).locked = !editing;
  }
  for (int i = 0; i < 4; ++i) c("Command1", i).enabled = !editing;
  for (const char* name : {"Command2", "Command5", "Command6"}) c(name).enabled = !editing;
  c("Command3").enabled = editing;
  c("Command8").enabled = editing;
}

void Jyusho::write_ok() {
  for (const char* box : kBoxes) c(box).text.clear();
  set_editing(true);
  c("Command4").enabled = false;
}

void Jyusho::write_end() {
  set_editing(false);
  c("Command4").enabled = true;
}

void Jyusho::henkou_ok() { set_editing(true); }

void Jyusho::Command1_Click(int index) {
  if (adr_input || adr_change || adr_cnt == 0) return;
  c("List1").visible = false;
  switch (index) {
    case 0:
      adr_cur = 1;
      break;
    case 1:
      adr_cur = std::max(adr_cur - 1, 1);
      break;
    case 2:
      adr_cur = std::min(adr_cur + 1, adr_cnt);
      break;
    case 3:
      adr_cur = adr_cnt;
      break;
    default:
      return;
  }
  disp_data();
}

void Jyusho::Command6_Click() {
  if (adr_input || adr_change) return;
  Control& list = place(c("List1"), 5000, 120, 2300, 2100);
  list.items.clear();
  list.selected = -1;
  for (const QStringList& record : book.records) list.items << record.value(0);
  list.items << kCloseItem;
  list.visible = true;
}

void Jyusho::List1_MouseDown() {
  Control& list = c("List1");
  if (list.selected < 0 || list.selected >= list.items.size()) return;
  if (list.selected >= adr_cnt) {
    list.visible = false;
    return;
  }
  adr_cur = list.selected + 1;
  disp_data();
}

void Jyusho::Command2_Click() {
  if (adr_input || adr_change) return;
  if (adr_cnt >= kLimit) {
    platform().message(kFull, MsgButtons::Ok, MsgIcon::Exclamation, kStoreTitle);
    return;
  }
  c("List1").visible = false;
  write_ok();
  adr_input = 1;
  c("Text9").text = QString::number(adr_cnt + 1);
  set_focus("Text1");
}

void Jyusho::Command3_Click() {
  if (!adr_input && !adr_change) return;
  if (c("Text1").text.isEmpty()) {
    platform().message("登録には、氏名の入力が必要です。", MsgButtons::Ok, MsgIcon::Stop,
                       kStoreTitle);
    return;
  }
  QStringList record;
  for (const char* box : kBoxes) record << c(box).text;
  if (adr_change) {
    book.records[adr_cur - 1] = record;
  } else {
    book.records.push_back(record);
    adr_cnt = int(book.records.size());
  }
  adr_dirty = 1;
  if (adr_change) {
    adr_change = 0;
    set_focus("Text1");
    Command8_Click();
    return;
  }
  write_ok();
  c("Text9").text = QString::number(adr_cnt + 1);
  set_focus("Text1");
  if (adr_cnt == kLimit) {
    platform().message("入力されたデータは登録しましたが、\r\n" + kFull, MsgButtons::Ok,
                       MsgIcon::Exclamation, kStoreTitle);
    write_end();
    adr_input = 0;
    if (adr_cur == 0) adr_cur = 1;
    disp_data();
  }
}

void Jyusho::Command8_Click() {
  write_end();
  adr_input = 0;
  adr_change = 0;
  if (adr_cur == 0 && adr_cnt > 0) adr_cur = 1;
  disp_data();
}

void Jyusho::Command4_Click() {
  if (adr_input || adr_change || adr_cnt == 0) return;
  adr_change = 1;
  henkou_ok();
  c("List1").visible = false;
  set_focus("Text1");
}

void Jyusho::Command5_Click() {
  if (adr_input || adr_change || adr_cnt == 0) return;
  c("List1").visible = false;
  if (platform().message("このデータを削除します。", MsgButtons::OkCancel, MsgIcon::Question,
                         "データの削除") != MsgAnswer::Ok)
    return;
  book.erase_record(adr_cur - 1);
  adr_cnt = int(book.records.size());
  if (adr_cur > adr_cnt) adr_cur = adr_cur - 1;
  adr_dirty = 1;
  disp_data();
}

void Jyusho::Command7_Click() {
  if (adr_input || adr_change) return;
  if (!save_dat() &&
      platform().message("住所録の変更は保存されていません。\r\nこのまま閉じますか？",
                         MsgButtons::YesNo, MsgIcon::Question) != MsgAnswer::Yes)
    return;
  m_.flg_jyu = 0;
  unload();
}

void Jyusho::Text_KeyPress(const QString& box, int& key_ascii) {
  if (key_ascii != 13 || (!adr_input && !adr_change)) return;
  key_ascii = 0;
  for (int i = 0; i < kFieldCount; ++i)
    if (box == kBoxes[i]) set_focus(kBoxes[(i + 1) % kFieldCount]);
}

void Jyusho::Text_Change(const QString& box) {
  QString& text = c(box).text;
  // A double quote would end the field early in the file; a line break would split
  // the record.
  const bool quote = text.contains('"');
  text.remove('"');
  text.remove('\r');
  text.remove('\n');
  if (quote && !quote_noted_) {
    quote_noted_ = true;
    platform().message("住所録には、半角の「\"」は入力できません。");
  }
  if (const QString refused = take_out_unsaveable(text); !refused.isEmpty()) {
    platform().message("「" + refused + "」は住所録に保存できない文字のため、入力できません。");
  }
}

void Jyusho::handle(Event& event) {
  const QString& name = event.name;
  switch (event.type) {
    case Event::Load:
      Form_Load();
      break;
    case Event::Click:
      if (name == "Command1") Command1_Click(event.index);
      if (name == "Command2") Command2_Click();
      if (name == "Command3") Command3_Click();
      if (name == "Command4") Command4_Click();
      if (name == "Command5") Command5_Click();
      if (name == "Command6") Command6_Click();
      if (name == "Command7") Command7_Click();
      if (name == "Command8") Command8_Click();
      break;
    case Event::MouseDown:
      if (name == "List1") List1_MouseDown();
      break;
    case Event::KeyPress:
      if (name.startsWith("Text") && name != "Text9") Text_KeyPress(name, event.key_ascii);
      break;
    case Event::Change:
      if (name.startsWith("Text") && name != "Text9") Text_Change(name);
      break;
    default:
      break;
  }
}
