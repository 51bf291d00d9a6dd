#include "cards/meishi.h"

#include "cards/meishi_boxes.h"
#include "cards/meishi_file.h"
#include "core/platform.h"

namespace {

constexpr int kWidth = 8430;
constexpr int kShortHeight = 5580, kTallHeight = 6600;
constexpr int kShortFrame = 5967, kTallFrame = 7061;
constexpr Rgb kEditableBack{0, 255, 255};

const char* const kLimitMessage = "登録件数は１００件までです。";

// Short enough for the prompt line.
const char* const kQuoteRefusal = "「\"」は名刺に使えない文字です。";

}  // namespace

Meishi::Meishi(Module1& m, Platform& platform) : Form("Meishi", platform), m_(m) {
  create_controls();
  std::vector<RouteOf<Meishi>> routes{
      {Event::Load, {}, &Meishi::Form_Load},
      {Event::MouseDown, "Command3", &Meishi::Command3_MouseDown},
      {Event::Click, "Command1", &Meishi::Command1_Click},
      {Event::Click, "Command2", &Meishi::Command2_Click},
      {Event::Click, "Command4", &Meishi::Command4_Click},
      {Event::Click, "Command5", &Meishi::Command5_Click},
      {Event::Click, "Command6", &Meishi::Command6_Click},
      {Event::Click, "Command7", &Meishi::Command7_Click},
  };
  for (const CardBox& box : kCardBoxes) {
    routes.push_back(
        {Event::GotFocus, box.name, [](Meishi& f, Event& e) { f.Text_GotFocus(e.name); }});
    routes.push_back({Event::KeyPress, box.name,
                      [](Meishi& f, Event& e) { f.Text_KeyPress(e.name, e.key_ascii); }});
    routes.push_back({Event::Change, box.name, [](Meishi& f, Event& e) { f.Text_Change(e.name); }});
  }
  add_routes<Meishi>(routes);
}

void Meishi::Form_Load() {
  width = kWidth;
  set_height(false);
  centre(4);
  mode = RecordMode::Browse;
  card_cnt = 0;
  has_data = card_dirty = false;
  c("Text12").text.clear();
  set_editable(false);
  read_dat();
  card_cur = 0;
  if (const std::optional<OpenAt> at = m_.take_open_at(name()); at && at->record < card_cnt)
    card_cur = std::max(at->record, 0);
  if (!has_data) dat_dum();
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
  has_data = card_cnt != 0;
}

bool Meishi::save_dat() {
  return save_if_changed(platform(), card_dirty, kCardFile,
                         [this] { return write_cards(kCardFile, card_tbl, has_data); });
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

void Meishi::set_editable(bool editable) {
  for (const CardBox& box : kCardBoxes) {
    Control& control = c(box.name);
    control.back = editable ? kEditableBack : kWhite;
    control.tab_stop = editable;
    control.ime = editable ? ImeMode::Hiragana : ImeMode::Off;
    control.locked = !editable;
  }
}

QStringList Meishi::boxes() const {
  QStringList card;
  for (const CardBox& box : kCardBoxes) card << c(box.name).text;
  return card;
}

void Meishi::Command3_MouseDown(int index) {
  if (editing() || index < 0 || index > 3) return;
  card_cur = turn_page(PageStep(index), card_cur + 1, card_cnt) - 1;
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
  mode = RecordMode::Input;
  c("Text11").text = QString::number(has_data ? card_cnt + 1 : card_cnt);
  mado_clear();
  set_editable(true);
  c("Text12").text = kCardBoxes[kCompany].prompt;
}

void Meishi::Command1_Click() {
  if (mode == RecordMode::Input) {
    const QStringList card = boxes();
    for (int field : {kCompany, kDepartment, kTitle, kName})
      if (card[field].isEmpty()) {
        platform().message("データが不足しています。");
        return;
      }
    if (has_data && card_cnt >= kCardLimit) {
      platform().message(kLimitMessage);
      return;
    }
    // The first real card takes the sample's place in slot 0.
    if (has_data) {
      card_tbl.records.push_back(card);
      ++card_cnt;
    } else {
      card_tbl.records[0] = card;
    }
    has_data = true;
    card_dirty = true;
    c("Text11").text = QString::number(card_cnt + 1);
    set_focus("Text1");
    mado_clear();
    c("Text12").text = kCardBoxes[kCompany].prompt;
  } else if (mode == RecordMode::Change) {
    card_tbl.records[card_cur] = boxes();
    // A changed sample is what the user entered: it becomes a card to keep.
    has_data = true;
    Command6_Click();
    card_dirty = true;
  }
}

void Meishi::Command6_Click() {
  set_height(false);
  mode = RecordMode::Browse;
  set_editable(false);
  dosp_dat();
}

void Meishi::Command7_Click() {
  if (editing()) return;
  set_height(true);
  mode = RecordMode::Change;
  set_editable(true);
  c("Text12").text = "変更が終了したら、「登録」を選択して下さい。";
}

void Meishi::Command5_Click() {
  if (!has_data || editing()) return;
  if (platform().message("このデータを削除しますか？", MsgButtons::OkCancel) != MsgAnswer::Ok)
    return;
  card_tbl.erase_record(card_cur);
  --card_cnt;
  if (card_cnt == 0) {
    has_data = false;
    dat_dum();
  } else {
    card_cur = page_at(card_cur + 1, card_cnt) - 1;
  }
  dosp_dat();
  card_dirty = true;
}

void Meishi::Command2_Click() {
  if (editing()) return;
  if (!close_or_ask(platform(), save_dat(), "名刺の変更を保存しないまま、名刺管理を終了しますか？"))
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
  if (key_ascii != 13 || mode != RecordMode::Input) return;
  key_ascii = 0;
  const CardBox& next = kCardBoxes[(field + 1) % kCardFields];
  set_focus(next.name);
  c("Text12").text = next.prompt;
}

void Meishi::Text_Change(const QString& box) {
  if (card_box_index(box) < 0) return;
  // Pasted or composed text reaches the box whole: what the file cannot hold is
  // taken out again.
  const CleanedText cleaned = clean_for_file(c(box).text, FieldFormat::Quoted);
  if (cleaned.quote) c("Text12").text = kQuoteRefusal;
  if (!cleaned.refused.isEmpty()) platform().message(refusal_message(cleaned.refused, "名刺"));
}
