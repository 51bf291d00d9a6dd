#include "tools/numbers.h"

#include "core/half_width.h"
#include "core/platform.h"
#include "core/spoken_names.h"

namespace {

const char* const kStill = "○";
const char* const kSpinning = "●";
constexpr int kTickMs = 50;

QString digit_box(int k) { return QString("Text%1").arg(k); }
QString stop_button(int k) { return QString("Command%1").arg(k); }

}  // namespace

Number::Number(Module1& m, Platform& platform) : Form("number", platform), m_(m) {
  create_controls();
  set_routes<Number>({
      {Event::Load, {}, &Number::Form_Load},
      {Event::QueryUnload, {}, &Number::Command5_Click},  // the close box ends the game too
      {Event::Click, "Command1", [](Number& f, Event&) { f.Command_Click(1); }},
      {Event::Click, "Command2", [](Number& f, Event&) { f.Command_Click(2); }},
      {Event::Click, "Command3", [](Number& f, Event&) { f.Command_Click(3); }},
      {Event::Click, "Command4", &Number::Command4_Click},
      {Event::Click, "Command5", &Number::Command5_Click},
  });
}

Number::~Number() { stop_timers(); }

void Number::create_controls() {
  caption = "ナンバーズ大予想";
  Control& motto = place(add(Kind::Label, "Label1"), 360, 120, 3255, 360);
  motto.font = {"ＭＳ 明朝", 12, true};
  motto.fore = {0, 0, 160};
  motto.align = Align::Center;
  for (int k = 1; k <= kPlaces; ++k) {
    Control& digit = place(add(Kind::TextBox, digit_box(k)), 360 + (k - 1) * 1200, 600, 855, 735);
    digit.locked = true;
    digit.align = Align::Center;
    digit.font = {"ＭＳ ゴシック", 28, true};
    place(add(Kind::Button, stop_button(k)), 360 + (k - 1) * 1200, 1440, 855, 420);
  }
  place(add(Kind::Button, "Command4"), 360, 2040, 1455, 480).text = "ＳＴＡＲＴ";
  Control& round = place(add(Kind::TextBox, "Text4"), 1920, 2100, 615, 360);
  round.locked = true;
  round.align = Align::Center;
  place(add(Kind::Button, "Command5"), 2760, 2040, 855, 480).text = "Ｅ　Ｎ　Ｄ";
  place(add(Kind::TextBox, "Text5"), 360, 2700, 3255, 360).locked = true;
  static constexpr SpokenName kSpokenNames[] = {
      {"Text1", -1, "1桁目"},
      {"Text2", -1, "2桁目"},
      {"Text3", -1, "3桁目"},
      {"Command1", -1, "1桁目を止める"},
      {"Command2", -1, "2桁目を止める"},
      {"Command3", -1, "3桁目を止める"},
      {"Text4", -1, "回数"},
      {"Text5", -1, "予想"},
  };
  give_spoken_names(*this, kSpokenNames);
}

void Number::Form_Load() {
  stop_timers();
  spin = {};
  pick = {};
  round_no = 0;
  c("Label1").text = "自の運は自ら開こう！";
  for (int k = 1; k <= kPlaces; ++k) {
    c(digit_box(k)).text = "０";
    c(stop_button(k)).text = kStill;
  }
  c("Text4").text = "0";
  c("Text5").text = "トライアルは１０回";
  width = 4080;
  height = 3690;
  centre(4);
}

bool Number::spinning() const {
  for (int k = 1; k <= kPlaces; ++k)
    if (c(stop_button(k)).text != kStill) return true;
  return false;
}

void Number::Command4_Click() {
  if (spinning()) return;
  for (int k = 1; k <= kPlaces; ++k) c(stop_button(k)).text = kSpinning;
  set_focus("Command1");
  for (int k = 1; k <= kPlaces; ++k)
    timer_[k - 1] = platform().start_timer(kTickMs, [this, k] { Timer_Timer(k); });
  ++round_no;
  c("Text4").text = QString::number(round_no);
  c("Text5").text = "今回は当たりますように！！";
}

void Number::Timer_Timer(int k) {
  qint16& counter = spin[k - 1];
  c(digit_box(k)).text = QString::number(counter);
  counter = qint16(counter == 9 ? 0 : counter + 1);
}

void Number::Command_Click(int k) {
  Control& button = c(stop_button(k));
  if (button.text != kSpinning) return;
  platform().stop_timer(timer_[k - 1]);
  timer_[k - 1] = 0;
  button.text = kStill;
  // The digit that would have come next ("０" before the first tick reads 0).
  const int shown =
      c(digit_box(k)).text.isEmpty() ? 0 : to_half_width(c(digit_box(k)).text).toInt();
  if (round_no >= 1 && round_no <= kRounds) pick[round_no - 1][k - 1] = qint16((shown + 1) % 10);
  if (!spinning()) rec_dat();
}

void Number::rec_dat() {
  if (round_no != kRounds) return;
  int digits[kPlaces];
  for (int place = 0; place < kPlaces; ++place) digits[place] = most_frequent_digit(pick, place);
  platform().message("集計終了");
  for (int k = 1; k <= kPlaces; ++k) c(digit_box(k)).text = QString::number(digits[k - 1]);
  round_no = 0;
  c("Text4").text = "0";
  c("Text5").text = "今回の当たりはこれだ？？";
}

void Number::Command5_Click() {
  m_.flg_numbers = 0;
  unload();
}

void Number::stop_timers() {
  for (int& id : timer_)
    if (id) {
      platform().stop_timer(id);
      id = 0;
    }
}

void Number::on_unload() { stop_timers(); }
