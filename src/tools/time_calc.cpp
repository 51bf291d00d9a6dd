#include "tools/time_calc.h"

#include "core/spoken_names.h"
#include "tools/time_calc_arith.h"

namespace {

const char* const kAdd = "加算";
const char* const kSubtract = "減算";
constexpr int kKeyEnter = 13, kKeyLeft = 37, kKeyRight = 39;

QString box(int k) { return QString("Text%1").arg(k); }

// The unit labels stand right of their boxes, so each box is named here.
constexpr SpokenName kSpokenNames[] = {
    {"Text1", -1, "1つ目の時間 時"}, {"Text2", -1, "1つ目の時間 分"},
    {"Text3", -1, "1つ目の時間 秒"}, {"Text4", -1, "2つ目の時間 時"},
    {"Text5", -1, "2つ目の時間 分"}, {"Text6", -1, "2つ目の時間 秒"},
    {"Text7", -1, "答え 時"},        {"Text8", -1, "答え 分"},
    {"Text9", -1, "答え 秒"},
};

// Boxes 1 and 4 hold hours; the others minutes or seconds.
TimeBox box_kind(int k) { return k == 1 || k == 4 ? TimeBox::Hours : TimeBox::MinutesOrSeconds; }

}  // namespace

TimeCalc::TimeCalc(Module1& m, Platform& platform) : Form("TimeCalc", platform), m_(m) {
  create_controls();
  set_routes<TimeCalc>({
      {Event::Load, {}, &TimeCalc::Form_Load},
      {Event::QueryUnload, {}, &TimeCalc::Form_QueryUnload},
      {Event::Click, "Command1", &TimeCalc::Command1_Click},
      {Event::Click, "Command2", &TimeCalc::Command2_Click},
  });
  std::vector<RouteOf<TimeCalc>> input_boxes;
  for (int k = 1; k <= 6; ++k) {
    input_boxes.push_back({Event::LostFocus, box(k), [k](TimeCalc& f, Event&) {
                             if (f.loaded) f.Text_LostFocus(k);
                           }});
    input_boxes.push_back(
        {Event::KeyDown, box(k), [k](TimeCalc& f, Event& e) { f.Text_KeyDown(k, e.key_code); }});
  }
  add_routes<TimeCalc>(input_boxes);
}

void TimeCalc::create_controls() {
  caption = "時の計算";
  const int rows[3] = {240, 720, 1320};
  const char* const units[3] = {"時", "分", "秒"};
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) {
      Control& text = add(Kind::TextBox, box(row * 3 + col + 1));
      text.left = 240 + col * 1200;
      text.top = rows[row];
      text.width = 855;
      text.height = 360;
      text.align = Align::Right;
      text.ime = ImeMode::Alphanumeric;
      text.numeric = true;
      text.locked = row == 2;  // the result row only shows
      Control& label = add(Kind::Label, "Label1", row * 3 + col);
      label.text = units[col];
      label.left = text.left + 900;
      label.top = rows[row] + 60;
      label.width = 255;
      label.height = 255;
    }
  Control& line = add(Kind::Line, "Line1");
  line.left = 240;
  line.top = 1170;
  line.width = 3270;
  line.height = 15;
  Control& op = add(Kind::Button, "Command1");
  op.left = 3840;
  op.top = 240;
  op.width = 1215;
  op.height = 840;
  op.font.size = 12;
  op.font.bold = true;
  Control& clear = add(Kind::Button, "Command2");
  clear.text = "ク リ ア ー";
  clear.left = 3840;
  clear.top = 1290;
  clear.width = 1215;
  clear.height = 420;
  give_spoken_names(*this, kSpokenNames);
}

void TimeCalc::Form_Load() {
  width = 5400;
  height = 2400;
  centre(2);
  for (int k = 1; k <= 6; ++k) c(box(k)).text.clear();
  for (int k = 7; k <= 9; ++k) {
    c(box(k)).text = "0";
    c(box(k)).fore = kSystemColour;
  }
  c("Command1").text = kAdd;
  set_focus("Text1");
}

void TimeCalc::Form_QueryUnload() {
  m_.flg_timecal = 0;
  unload();
}

void TimeCalc::time_cal() {
  for (int k = 7; k <= 9; ++k) c(box(k)).fore = kSystemColour;
  qint32 t[2];
  for (int i = 0; i < 2; ++i) {
    const int first = i * 3 + 1;
    t[i] = to_seconds(limited_value(c(box(first)).text, TimeBox::Hours),
                      limited_value(c(box(first + 1)).text, TimeBox::MinutesOrSeconds),
                      limited_value(c(box(first + 2)).text, TimeBox::MinutesOrSeconds));
  }
  const TimeTotal total = combine_times(t[0], t[1], c("Command1").text == kAdd);
  if (total.negative)
    for (int k = 7; k <= 9; ++k) c(box(k)).fore = kRed;
  const Hms hms = split_seconds(total.seconds);
  c("Text7").text = QString::number(hms.hours);
  c("Text8").text = QString::number(hms.minutes);
  c("Text9").text = QString::number(hms.seconds);
}

void TimeCalc::Command1_Click() {
  Control& op = c("Command1");
  op.text = op.text == kAdd ? kSubtract : kAdd;
  time_cal();
}

void TimeCalc::Command2_Click() {
  for (int k = 1; k <= 6; ++k) c(box(k)).text.clear();
  for (int k = 7; k <= 9; ++k) {
    c(box(k)).text = "0";
    c(box(k)).fore = kSystemColour;
  }
  set_focus("Text1");
}

void TimeCalc::Text_LostFocus(int k) {
  Control& text = c(box(k));
  text.text = left_box_text(text.text, box_kind(k));
  time_cal();
}

void TimeCalc::Text_KeyDown(int k, int& key_code) {
  int next = 0;
  if (key_code == kKeyEnter || key_code == kKeyRight) next = k % 6 + 1;
  if (key_code == kKeyLeft) next = (k + 4) % 6 + 1;
  if (next == 0) return;
  key_code = 0;
  // A focus moved from here is not reported as a leave, so the box is left now.
  Text_LostFocus(k);
  set_focus(box(next));
}
