// The Calculator window: its controls, loading into one of three faces, the
// routing of its events, and the engine's state shown in its boxes.
#include "calculator/calc_form.h"

#include "core/number_text.h"
#include "core/platform.h"
#include "core/spoken_names.h"

namespace {

constexpr int kColumns[] = {360, 960, 1560, 2160, 2760};
constexpr int kRows[] = {720, 1200, 1680, 2160, 2640};
constexpr int kKeyWidth = 490, kKeyHeight = 400, kWideKey = 1100;
constexpr int kDisplayHeight = 375;

struct KeyPlace {
  const char* name;
  int index;
  const char16_t* caption;
  int row, column;
};

// The shared keypad, row by row as the user sees it.
constexpr KeyPlace kKeys[] = {
    {"Command10", -1, u"M+", 0, 0}, {"Command11", -1, u"M-", 0, 1}, {"Command12", -1, u"MC", 0, 2},
    {"Command8", -1, u"CE", 0, 3},  {"Command7", -1, u"Ｃ", 0, 4},  {"Command1", 7, u"7", 1, 0},
    {"Command1", 8, u"8", 1, 1},    {"Command1", 9, u"9", 1, 2},    {"Command13", -1, u"√", 1, 3},
    {"Command14", -1, u"％", 1, 4}, {"Command1", 4, u"4", 2, 0},    {"Command1", 5, u"5", 2, 1},
    {"Command1", 6, u"6", 2, 2},    {"Command5", -1, u"×", 2, 3},   {"Command6", -1, u"÷", 2, 4},
    {"Command1", 1, u"1", 3, 0},    {"Command1", 2, u"2", 3, 1},    {"Command1", 3, u"3", 3, 2},
    {"Command2", -1, u"+", 3, 3},   {"Command3", -1, u"-", 3, 4},   {"Command1", 0, u"0", 4, 0},
    {"Command1", 10, u"．", 4, 1},  {"Command9", -1, u"±", 4, 2},   {"Command4", -1, u"=", 4, 3},
};

// What screen readers call the keys of signs and the boxes, in every face; the
// keys that show words are called by them.
constexpr SpokenName kSpokenNames[] = {
    {"Command2", -1, "足す"},     {"Command3", -1, "引く"},
    {"Command4", -1, "イコール"}, {"Command5", -1, "掛ける"},
    {"Command6", -1, "割る"},     {"Command9", -1, "符号の切り替え"},
    {"Command13", -1, "平方根"},  {"Command14", -1, "パーセント"},
    {"Command1", 10, "小数点"},   {"Text1", -1, "表示"},
    {"Text2", -1, "メモリー"},    {"Combo1", -1, "換算元の単位"},
    {"Text3", -1, "元素 1行目"},  {"Text4", -1, "元素 2行目"},
    {"Text5", -1, "元素 3行目"},  {"Text6", -1, "元素 4行目"},
    {"Text7", -1, "元素 5行目"},
};
constexpr SpokenName kConversionNames[] = {{"Text1", -1, "換算結果"}, {"Text2", -1, "入力"}};
constexpr SpokenName kPeriodicNames[] = {{"Text1", -1, "原子番号"}, {"Text2", -1, "見出し"}};

// The route of a keypad key other than the digits.
Handler<Calculator> keypad_route(CalcKey k) {
  return [k](Calculator& form, Event&) { form.press(k); };
}

}  // namespace

Calculator::Calculator(Module1& module1, Platform& platform)
    : Form("Calculator", platform), m(module1) {
  create_controls();
  set_routes<Calculator>({
      {Event::Load, {}, &Calculator::Form_Load},
      {Event::Click, {}, &Calculator::Form_Click},
      {Event::QueryUnload, {}, &Calculator::Form_QueryUnload},
      {Event::Click, "Command1", &Calculator::Command1_Click},
      {Event::Click, "Command2", keypad_route(CalcKey::Add)},
      {Event::Click, "Command3", keypad_route(CalcKey::Subtract)},
      {Event::Click, "Command4", keypad_route(CalcKey::Equals)},
      {Event::Click, "Command5", keypad_route(CalcKey::Multiply)},
      {Event::Click, "Command6", keypad_route(CalcKey::Divide)},
      {Event::Click, "Command7", keypad_route(CalcKey::Clear)},
      {Event::Click, "Command8", keypad_route(CalcKey::ClearEntry)},
      {Event::Click, "Command9", keypad_route(CalcKey::Sign)},
      {Event::Click, "Command10", keypad_route(CalcKey::MemoryPlus)},
      {Event::Click, "Command11", keypad_route(CalcKey::MemoryMinus)},
      {Event::Click, "Command12", keypad_route(CalcKey::MemoryClear)},
      {Event::Click, "Command13", keypad_route(CalcKey::Root)},
      {Event::Click, "Command14", keypad_route(CalcKey::Percent)},
      {Event::Click, "Combo1", &Calculator::Combo1_Click},
      {Event::Click, "Option1", &Calculator::Option1_Click},
  });
  restore_design();
}

void Calculator::create_controls() {
  // Order matters for overlap: later controls lie on top, so the widened "表示"
  // key covers "±" and the element lines cover the right-hand keys.
  add(Kind::Shape, "Shape1");
  add(Kind::Shape, "Shape3");
  for (int n = 2; n <= 14; ++n) add(Kind::Button, QString("Command%1").arg(n));
  for (int i = 0; i <= 10; ++i) add(Kind::Button, "Command1", i);
  for (int n = 1; n <= 7; ++n) add(Kind::TextBox, QString("Text%1").arg(n));
  add(Kind::ComboBox, "Combo1");
  add(Kind::Frame, "Frame1");
  for (int i = 0; i <= 9; ++i) add(Kind::Option, "Option1", i).parent = "Frame1";
}

// Every showing starts from the window's designed look (the calculator layout),
// whatever face the previous showing left behind.
void Calculator::restore_design() {
  for (Control& control : controls()) {
    Control fresh;
    fresh.name = control.name;
    fresh.index = control.index;
    fresh.kind = control.kind;
    fresh.parent = control.parent;
    control = fresh;
  }
  caption.clear();
  width = 3720;
  height = 3900;

  place(c("Shape1"), 240, 120, 3150, 3100);
  place(c("Shape3"), 285, 165, 3160, 3135);
  for (const KeyPlace& key : kKeys) {
    Control& button = c(key.name, key.index);
    button.text = QString::fromUtf16(key.caption);
    const bool equals = QString(key.name) == "Command4";
    place(button, kColumns[key.column], kRows[key.row], equals ? kWideKey : kKeyWidth, kKeyHeight);
  }

  Control& display = c("Text1");
  place(display, 960, 240, 2295, kDisplayHeight);
  display.text = "0";
  display.align = Align::Right;
  Control& indicator = c("Text2");
  place(indicator, 360, 240, 495, kDisplayHeight);
  indicator.align = Align::Center;
  for (int n = 1; n <= 7; ++n) c(QString("Text%1").arg(n)).locked = true;
  for (int n = 3; n <= 7; ++n) {
    Control& line = c(QString("Text%1").arg(n));
    place(line, 2160, kRows[n - 3], 4200, 400);
    line.visible = false;
  }

  Control& combo = c("Combo1");
  place(combo, 3720, 720, 2535, 300);
  combo.visible = false;
  Control& frame = c("Frame1");
  place(frame, 3600, 1080, 2775, 2055);
  frame.text = "換算単位";
  frame.visible = false;
  for (int i = 0; i <= 9; ++i)
    place(c("Option1", i), i < 5 ? 180 : 1440, 300 + (i % 5) * 340, 1200, 300);
  give_spoken_names(*this, kSpokenNames);
}

void Calculator::Form_Load() {
  restore_design();
  if (m.flg_syuuki == 1) {
    load_syuuki_face();
  } else if (m.flg_kansan == 1) {
    load_kansan_face();
  } else {
    load_calc_face();
  }
  show_engine();
  centre(2);
}

void Calculator::load_calc_face() {
  engine_.start(CalcFace::Arithmetic);
  width = 3720;
  c("Shape1").width = 3150;
  c("Shape3").width = 3160;
  place(c("Text2"), 360, 240, 495, kDisplayHeight);
  c("Text1").left = 960;
  c("Text1").width = 2295;
  c("Command1", 10).width = kKeyWidth;
  for (int n = 2; n <= 12; ++n) c(QString("Command%1").arg(n)).enabled = true;
  caption = "電卓";
}

void Calculator::load_kansan_face() {
  engine_.start(CalcFace::Conversion);
  dat_set();
  width = 6900;
  c("Shape1").width = 6325;
  c("Shape3").width = 6340;
  place(c("Text2"), 360, 240, 2000, kDisplayHeight);
  c("Text2").align = Align::Right;
  c("Text1").left = 2500;
  c("Text1").width = 3800;
  c("Combo1").visible = true;
  c("Frame1").visible = true;
  c("Command1", 10).width = kKeyWidth;
  for (int n = 2; n <= 14; ++n) c(QString("Command%1").arg(n)).enabled = n == 7;
  caption = "換算";
  give_spoken_names(*this, kConversionNames);
  Control& combo = c("Combo1");
  combo.selected = engine_.source();
  combo.text = combo.items.value(combo.selected);
  label_targets(combo.selected);
}

void Calculator::load_syuuki_face() {
  engine_.start(CalcFace::Periodic);
  width = 6900;
  c("Shape1").width = 6325;
  c("Shape3").width = 6340;
  c("Combo1").visible = false;
  c("Frame1").visible = false;
  for (int i = 0; i <= 9; ++i) c("Option1", i).visible = false;

  place(c("Text1"), 5500, 240, 830, kDisplayHeight);
  Control& title = c("Text2");
  place(title, 500, 240, 4800, kDisplayHeight);
  title.align = Align::Left;
  title.fore = kBlue;
  title.text = "元素の周期表（長周期型）  ";
  for (int n = 3; n <= 7; ++n) c(QString("Text%1").arg(n)).visible = true;

  c("Command1", 10).text = "表示";
  c("Command1", 10).width = kWideKey;
  c("Command10").text = "＋";
  c("Command11").text = "－";
  c("Command12").text = "Ｃ";
  for (int n : {4, 10, 11, 12}) c(QString("Command%1").arg(n)).enabled = true;
  for (int n : {2, 3, 5, 6, 7, 8, 9, 13, 14}) c(QString("Command%1").arg(n)).enabled = false;
  caption = "周期表";
  give_spoken_names(*this, kPeriodicNames);
}

// Copies what the engine holds into the boxes of the face, after asking for the
// message box the last key wanted.
void Calculator::show_engine() {
  if (!engine_.message().isEmpty()) platform().message(engine_.message());
  c("Text1").text = engine_.display();
  switch (engine_.face()) {
    case CalcFace::Arithmetic:
      // The memory outlives the window, so a reopened calculator still shows its mark.
      c("Text2").text = memory_mark(engine_.memory());
      break;
    case CalcFace::Conversion:
      c("Text2").text = general_text(engine_.entry());
      for (int i = 0; i <= 9; ++i) c("Option1", i).checked = i == engine_.target_option();
      break;
    case CalcFace::Periodic:
      for (int line = 0; line < 5; ++line)
        c(QString("Text%1").arg(line + 3)).text = engine_.element_lines()[line];
      c("Text5").fore = engine_.element_missing() ? kRed : kBlue;
      break;
  }
}

void Calculator::Form_Click() { centre(2); }

void Calculator::Form_QueryUnload() {
  m.flg_calc = 0;
  m.flg_kansan = 0;
  m.flg_syuuki = 0;
  unload();
}

void Calculator::Command1_Click(int index) {
  if (index < 0 || index > 10) return;
  press(static_cast<CalcKey>(index));
}

void Calculator::press(CalcKey key) {
  engine_.press(key);
  show_engine();
}

void Calculator::handle(Event& event) {
  if (event.type == Event::KeyPress) keyboard_key(event.key_ascii);
}

void Calculator::dat_set() {
  for (const Unit& unit : units()) c("Combo1").items << QString::fromUtf16(unit.list_text);
}

// The target options carry the units of the source's group; a nine-unit group
// leaves the tenth blank and out of use.
void Calculator::label_targets(int list_index) {
  const int start = unit_group_start(list_index);
  const int size = unit_group_size(list_index);
  for (int k = 0; k <= 9; ++k) {
    Control& option = c("Option1", k);
    option.text = k < size ? QString::fromUtf16(units()[start + k].caption) : QString();
    option.enabled = k < size;
  }
}

void Calculator::Combo1_Click() {
  const int i = c("Combo1").selected;
  if (i < 0 || i >= kUnitCount) return;
  label_targets(i);
  engine_.choose_source(i);
  show_engine();
}

void Calculator::Option1_Click(int index) {
  engine_.choose_target(index);
  show_engine();
}
