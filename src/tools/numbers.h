#pragma once
// The numbers game: three spinning digits, each stopped with its button; after
// ten rounds the digit stopped on most often in each place is the prediction.
#include "core/form.h"
#include "settings/module1.h"
#include "tools/numbers_tally.h"

class Number : public Form {
 public:
  Number(Module1& m, Platform& platform);
  ~Number() override;

  void Form_Load();
  void Command4_Click();
  // Stop button k (1..3) and the tick of timer k.
  void Command_Click(int k);
  void Timer_Timer(int k);
  void rec_dat();
  void Command5_Click();

  std::array<qint16, kPlaces> spin{};
  qint16 round_no = 0;
  Picks pick{};

 protected:
  void on_unload() override;

 private:
  void create_controls();
  void stop_timers();
  bool spinning() const;
  Module1& m_;
  std::array<int, kPlaces> timer_{};  // platform timer ids, 0 while stopped
};
