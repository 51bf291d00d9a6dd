#include "tools/dice.h"

#include <cmath>

#include "core/platform.h"
#include "core/spoken_names.h"

namespace {

constexpr int kWidth = 5880, kHeight = 5640;
constexpr int kDieSize = 720;
constexpr int kRestLeft = (kWidth - kDieSize) / 2, kRestTop = 1800;

constexpr SpokenName kSpokenNames[] = {{"Command2", -1, "さいころを振る"},
                                       {"Image1", -1, "さいころ"}};

}  // namespace

Dice::Dice(Module1& m, Platform& platform) : Form("Dice", platform), m_(m) {
  create_controls();
  set_routes<Dice>({
      {Event::Load, {}, &Dice::Form_Load},
      {Event::Click, "Command2", &Dice::Command2_Click},
      {Event::Click, "Command1", &Dice::Command1_Click},
  });
}

Dice::~Dice() { stop_throw(); }

void Dice::create_controls() {
  frame_borderless(kWidth, kHeight, {0, 128, 0});
  caption = "さいころ";  // no title label: the desktop names it as the menu does
  place(add(Kind::Image, "Image1"), kRestLeft, kRestTop, kDieSize, kDieSize).picture =
      ":/dice/1.png";
  // The throw button's caption is its own name, as it has always been.
  place(add(Kind::Button, "Command2"), 1200, 4920, 1455, 420).text = "Command2";
  place(add(Kind::Button, "Command1"), 3240, 4920, 1455, 420).text = "戻る";
  give_spoken_names(*this, kSpokenNames);
}

void Dice::Form_Load() {
  stop_throw();
  c("Image1").left = kRestLeft;
  c("Image1").top = kRestTop;
  width = kWidth;
  height = kHeight;
  centre(4);
}

void Dice::Command2_Click() {
  // A throw asked for during a tumble follows it, as a click waits for a busy window.
  if (timer_) {
    ++throws_waiting;
    return;
  }
  jumps_left = kJumps;
  timer_ = platform().start_timer(kStepMs, [this] { tumble_step(); });
}

void Dice::tumble_step() {
  if (jumps_left <= 0) return;
  const float r1 = platform().rnd();
  const float r2 = platform().rnd();
  Control& die = c("Image1");
  die.left = int(std::lround(r1 * 5000));
  die.top = int(std::lround(r2 * 4000));
  if (--jumps_left > 0) return;
  if (throws_waiting > 0) {
    --throws_waiting;
    jumps_left = kJumps;
  } else {
    stop_throw();
  }
}

void Dice::stop_throw() {
  if (timer_) platform().stop_timer(timer_);
  timer_ = 0;
  jumps_left = 0;
  throws_waiting = 0;
}

void Dice::Command1_Click() {
  m_.flg_dice = 0;
  unload();
}

void Dice::on_unload() { stop_throw(); }
