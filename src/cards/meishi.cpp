#include "cards/meishi.h"

#include "cards/meishi_boxes.h"
#include "cards/meishi_file.h"
#include "core/platform.h"
#include "core/save.h"
#include "core/text_file.h"

namespace {

constexpr int kWidth = 8430;
constexpr int kShortHeight = 5580, kTallHeight = 6600;
constexpr int kShortFrame = 5967, kTallFrame = 7061;
constexpr Rgb kEditableBack{0, 255, 255};

const char* const kLimitMessage = "登録件数は１００件までです。";

// Short enough for the prompt line.
const char* const kQuoteRefusal = "「\"」は名刺に使えない文字です。";

QString refusal_text(const QString& characters) {
  return "「" + characters + "」は名刺に保存できない文字のため、入力できません。";
}

}  // namespace

Meishi::Meishi(Module1& m, Platform& platform) : Form("Meishi", platform), m_(m) {
  create_controls();
}

void Meishi::Form_Load() {
  width = kWidth;
  set_height(false);
  centre(4);
  input_mode = change_mode = 0;
  card_cnt = 0;
  has_data = card_dirty = 0;
  c("Text12").text.clear();
  lin_del();
  read_dat();
  card_cur = 0;
  if (has_data == 0) dat_dum();
  dosp_dat();
}

void Meishi::set_height(bool tall) {
  height = tall ? kTallHeight : kShortHeight;
  c("Shape2").height = tall ? kTallFrame : kShortFrame;
}

void Meishi::read_dat() {
  // Every line that reads as a card is loaded, however many; the rest are kept
  // in place and written back, so nothing the file held is lost.
  card_tbl = read_cards(kCardFile);
  card_cnt = int(card_tbl.records.size());
  has_data = card_cnt != 0 ? 1 : 0;
}

bool Meishi::save_dat() {
  if (card_dirty != 1) return true;
  if (!write_cards(kCardFile, card_tbl, has_data == 1)) {
    tell_write_failure(platform(), kCardFile);
    return false;
  }
  card_dirty = 0;
  return true;
}

void Meishi::dat_dum() {
  card_tbl.records.insert(card_tbl.records.begin(), sample_card());
  card_cnt = 1;
}

void Meishi::dosp_dat() {
  const QStringList& card = card_tbl.records[card_cur];
  for (int i = 0; i < kCardFields; ++i) c(kCardBoxes[i].name).text = card[i];
  c("Text11").text = QString::number(card_cur + 1);
}

void Meishi::mado_clear() {
  for (const CardBox& box : kCardBoxes) c(box.name).text.clear();
}

void Meishi::lin_get() {
  for (const CardBox& box : kCardBoxes) {
    Control& control = c(box.name);
    control.back = kEditableBack;
    control.tab_stop = true;
    control.ime = ImeMode::Hiragana;
    control.locked = false;
  }
}

void Meishi::lin_del() {
  for (const CardBox& box : kCardBoxes) {
    Control& control = c(box.name);
    control.back = kWhite;
    control.tab_stop = false;
    control.ime = ImeMode::Off;
    control.locked = true;
  }
}

QStringList Meishi::boxes() const {
  QStringList card;
  for (const CardBox& box : kCardBoxes) card << c(box.name).text;
  return card;
}

void Meishi::Command3_MouseDown(int index) {
  if (editing()) return;
  switch (index) {
    case 0:
      card_cur = 0;
      break;
    case 1:
      if (card_cur > 0) --card_cur;
      break;
    case 2:
      if (card_cur < card_cnt - 1) ++card_cur;
      break;
    case 3:
      card_cur = card_cnt - 1;
      break;
    default:
      return;
  }
  dosp_dat();
}

void Meishi::Command4_Click() {
  set_focus("Text1");
  if (editing()) return;
  if (card_cnt >= kCardLimit) {
    platform().message(kLimitMessage);
    return;
  }
  set_height(true);
  input_mode = 1;
  c("Text11").text = QString::number(has_data == 1 ? card_cnt + 1 : card_cnt);
  mado_clear();
  lin_get();
  c("Text12").text = kCardBoxes[kCompany].prompt;
}

void Meishi::Command1_Click() {
  if (input_mode == 1) {
    const QStringList card = boxes();
    for (int field : {kCompany, kDepartment, kTitle, kName})
      if (card[field].isEmpty()) {
        platform().message("データが不足しています。");
        return;
      }
    if (has_data == 1 && card_cnt >= kCardLimit) {
      platform().message(kLimitMessage);
      return;
    }
    // The first real card takes the sample's place in slot 0.
    if (has_data == 1) {
      card_tbl.records.push_back(card);
      ++card_cnt;
    } else {
      card_tbl.records[0] = card;
    }
    has_data = 1;
    card_dirty = 1;
    c("Text11").text = QString::number(card_cnt + 1);
    set_focus("Text1");
    mado_clear();
    c("Text12").text = kCardBoxes[kCompany].prompt;
  } else if (change_mode == 1) {
    card_tbl.records[card_cur] = boxes();
    // A changed sample is what the user entered: it becomes a card to keep.
    has_data = 1;
    Command6_Click();
    card_dirty = 1;
  }
}

void Meishi::Command6_Click() {
  set_height(false);
  input_mode = change_mode = 0;
  lin_del();
  dosp_dat();
}

void Meishi::Command7_Click() {
  if (editing()) return;
  set_height(true);
  change_mode = 1;
  lin_get();
  c("Text12").text = "変更が終了したら、「登録」を選択して下さい。";
}

void Meishi::Command5_Click() {
  if (has_data != 1 || editing()) return;
  if (platform().message("このデータを削除しますか？", MsgButtons::OkCancel) != MsgAnswer::Ok)
    return;
  card_tbl.erase_record(card_cur);
  --card_cnt;
  if (card_cnt == 0) {
    has_data = 0;
    dat_dum();
  } else if (card_cur >= card_cnt) {
    card_cur = card_cnt - 1;
  }
  dosp_dat();
  card_dirty = 1;
}

void Meishi::Command2_Click() {
  if (editing()) return;
  if (!save_dat() && platform().message("名刺の変更を保存しないまま、名刺管理を終了しますか？",
                                        MsgButtons::YesNo, MsgIcon::Question) != MsgAnswer::Yes)
    return;
  m_.flg_meisi = 0;
  unload();
}

void Meishi::Text_GotFocus(const QString& box) {
  const int field = card_box_index(box);
  if (field >= 0) c("Text12").text = kCardBoxes[field].prompt;
}

void Meishi::Text_KeyPress(const QString& box, int& key_ascii) {
  const int field = card_box_index(box);
  if (field < 0) return;
  if (key_ascii == '"') {
    key_ascii = 0;
    c("Text12").text = kQuoteRefusal;
    return;
  }
  if (key_ascii != 13 || input_mode != 1) return;
  key_ascii = 0;
  const CardBox& next = kCardBoxes[(field + 1) % kCardFields];
  set_focus(next.name);
  c("Text12").text = next.prompt;
}

void Meishi::Text_Change(const QString& box) {
  if (card_box_index(box) < 0) return;
  // Pasted or composed text reaches the box whole: what the file cannot hold is
  // taken out again.
  Control& control = c(box);
  if (control.text.contains('"')) {
    control.text.remove('"');
    c("Text12").text = kQuoteRefusal;
  }
  const QString refused = take_out_unsaveable(control.text);
  if (refused.isEmpty()) return;
  platform().message(refusal_text(refused));
}

void Meishi::handle(Event& event) {
  const QString& name = event.name;
  switch (event.type) {
    case Event::Load:
      Form_Load();
      break;
    case Event::MouseDown:
      if (name == "Command3") Command3_MouseDown(event.index);
      break;
    case Event::Click:
      if (name == "Command1") Command1_Click();
      if (name == "Command2") Command2_Click();
      if (name == "Command4") Command4_Click();
      if (name == "Command5") Command5_Click();
      if (name == "Command6") Command6_Click();
      if (name == "Command7") Command7_Click();
      break;
    case Event::GotFocus:
      Text_GotFocus(name);
      break;
    case Event::KeyPress:
      Text_KeyPress(name, event.key_ascii);
      break;
    case Event::Change:
      Text_Change(name);
      break;
    default:
      break;
  }
}
