#include "address/jyusho.h"

#include "core/platform.h"

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
  std::vector<RouteOf<Jyusho>> routes{
      {Event::Load, {}, &Jyusho::Form_Load},
      {Event::Click, "Command1", &Jyusho::Command1_Click},
      {Event::Click, "Command2", &Jyusho::Command2_Click},
      {Event::Click, "Command3", &Jyusho::Command3_Click},
      {Event::Click, "Command4", &Jyusho::Command4_Click},
      {Event::Click, "Command5", &Jyusho::Command5_Click},
      {Event::Click, "Command6", &Jyusho::Command6_Click},
      {Event::Click, "Command7", &Jyusho::Command7_Click},
      {Event::Click, "Command8", &Jyusho::Command8_Click},
      {Event::MouseDown, "List1", &Jyusho::List1_MouseDown},
  };
  for (const char* box : kBoxes) {
    routes.push_back(
        {Event::KeyPress, box, [](Jyusho& f, Event& e) { f.Text_KeyPress(e.name, e.key_ascii); }});
    routes.push_back({Event::Change, box, [](Jyusho& f, Event& e) { f.Text_Change(e.name); }});
  }
  add_routes<Jyusho>(routes);
}

void Jyusho::Form_Load() {
  height = 5370;
  width = 7530;
  adr_cnt = 0;
  adr_cur = 0;
  adr_dirty = false;
  mode = RecordMode::Browse;
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
  if (const std::optional<OpenAt> at = m_.take_open_at(name()); at && at->record >= 0 &&
      at->record < adr_cnt)
    adr_cur = at->record + 1;
  disp_data();
  centre(4);
}

void Jyusho::read_dat() {
  book = read_quoted_records(kAddressFile, kFieldCount);
  adr_cnt = int(book.records.size());
  adr_cur = adr_cnt > 0 ? 1 : 0;
}

bool Jyusho::save_dat() {
  return save_if_changed(platform(), adr_dirty, kAddressFile,
                         [this] { return write_quoted_records(kAddressFile, book); });
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
  if (!browsing() || adr_cnt == 0 || index < 0 || index > 3) return;
  c("List1").visible = false;
  adr_cur = turn_page(PageStep(index), adr_cur, adr_cnt);
  disp_data();
}

void Jyusho::Command6_Click() {
  if (!browsing()) return;
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
  adr_cur = page_at(list.selected + 1, adr_cnt);
  disp_data();
}

void Jyusho::Command2_Click() {
  if (!browsing()) return;
  if (adr_cnt >= kLimit) {
    platform().message(kFull, MsgButtons::Ok, MsgIcon::Exclamation, kStoreTitle);
    return;
  }
  c("List1").visible = false;
  write_ok();
  mode = RecordMode::Input;
  c("Text9").text = QString::number(adr_cnt + 1);
  set_focus("Text1");
}

void Jyusho::Command3_Click() {
  if (browsing()) return;
  if (c("Text1").text.isEmpty()) {
    platform().message("登録には、氏名の入力が必要です。", MsgButtons::Ok, MsgIcon::Stop,
                       kStoreTitle);
    return;
  }
  QStringList record;
  for (const char* box : kBoxes) record << c(box).text;
  if (mode == RecordMode::Change) {
    book.records[adr_cur - 1] = record;
  } else {
    book.records.push_back(record);
    adr_cnt = int(book.records.size());
  }
  adr_dirty = true;
  if (mode == RecordMode::Change) {
    mode = RecordMode::Browse;
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
    mode = RecordMode::Browse;
    adr_cur = page_at(adr_cur, adr_cnt);
    disp_data();
  }
}

void Jyusho::Command8_Click() {
  write_end();
  mode = RecordMode::Browse;
  adr_cur = page_at(adr_cur, adr_cnt);
  disp_data();
}

void Jyusho::Command4_Click() {
  if (!browsing() || adr_cnt == 0) return;
  mode = RecordMode::Change;
  henkou_ok();
  c("List1").visible = false;
  set_focus("Text1");
}

void Jyusho::Command5_Click() {
  if (!browsing() || adr_cnt == 0) return;
  c("List1").visible = false;
  if (platform().message("このデータを削除します。", MsgButtons::OkCancel, MsgIcon::Question,
                         "データの削除") != MsgAnswer::Ok)
    return;
  book.erase_record(adr_cur - 1);
  adr_cnt = int(book.records.size());
  adr_cur = page_at(adr_cur, adr_cnt);
  adr_dirty = true;
  disp_data();
}

void Jyusho::Command7_Click() {
  if (!browsing()) return;
  if (!close_or_ask(platform(), save_dat(),
                    "住所録の変更は保存されていません。\r\nこのまま閉じますか？"))
    return;
  m_.flg_jyu = 0;
  unload();
}

void Jyusho::Text_KeyPress(const QString& box, int& key_ascii) {
  if (key_ascii != 13 || browsing()) return;
  key_ascii = 0;
  for (int i = 0; i < kFieldCount; ++i)
    if (box == kBoxes[i]) set_focus(kBoxes[(i + 1) % kFieldCount]);
}

void Jyusho::Text_Change(const QString& box) {
  const CleanedText cleaned = clean_for_file(c(box).text, FieldFormat::Quoted);
  if (cleaned.quote && !quote_noted_) {
    quote_noted_ = true;
    platform().message("住所録には、半角の「\"」は入力できません。");
  }
  if (!cleaned.refused.isEmpty()) platform().message(refusal_message(cleaned.refused, "住所録"));
}
