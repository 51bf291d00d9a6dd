#pragma once
// The dice window: a throw tumbles the die picture to 50 places drawn from the
// runtime's random sequence; the last place is where it rests.
#include "core/form.h"
#include "settings/module1.h"

class Dice : public Form {
 public:
  Dice(Module1& m, Platform& platform);
  ~Dice() override;

  void Form_Load();
  void Command2_Click();
  void Command1_Click();
  // One jump of a throw in progress.
  void tumble_step();

  static constexpr int kJumps = 50;
  static constexpr int kStepMs = 20;  // 50 jumps take about a second

  int jumps_left = 0;      // of the throw in progress
  int throws_waiting = 0;  // throws asked for while one was still tumbling

 protected:
  void on_unload() override;

 private:
  void create_controls();
  void stop_throw();
  Module1& m_;
  int timer_ = 0;
};
