#pragma once
// The time window: two times in hours, minutes and seconds added or subtracted,
// the result shown in the same units (in red when the difference is negative).
#include "core/form.h"
#include "settings/module1.h"

class TimeCalc : public Form {
 public:
  TimeCalc(Module1& m, Platform& platform);

  void Form_Load();
  void Form_QueryUnload();
  void time_cal();
  void Command1_Click();
  void Command2_Click();
  // Leaving input box k (1..6) and its arrow and Enter keys.
  void Text_LostFocus(int k);
  void Text_KeyDown(int k, int& key_code);

 private:
  void create_controls();
  Module1& m_;
};
