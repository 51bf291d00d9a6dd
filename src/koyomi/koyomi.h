#pragma once
// The こよみ window: a month of the old calendar. Each day cell shows the day, its
// 六曜 and its 旧暦 day, with a mark for a solar term or a moon phase; pointing at a
// day spells it all out in the line below the grid. It opens on the month the main
// window shows and steps through 1901–2100.
#include <vector>

#include "almanac/almanac_feature.h"
#include "core/form.h"
#include "settings/module1.h"

class Koyomi : public Form {
 public:
  Koyomi(Module1& m, Platform& platform);

  void Form_Load();
  void disp_calen();
  void Command1_Click();
  void Command3_Click(int index);
  void Label1_MouseMove(int index);
  void Form_KeyDown(int& key_code, int shift);

  int k_year = 0, k_month = 0, k_first_col = 0;

 private:
  void create_controls();
  // Moves to the month, when it lies within the old calendar's years.
  void show_month(int year, int month);

  Module1& m;
  const AlmanacFeature* almanac_ = nullptr;  // loaded with the window
  std::vector<KoyomiDay> days_;              // the shown month's days, from day 1
};

// "2026年12月8日（火） 旧暦10月30日 先負 丙辰 月齢28.8", then the day's names and its moon phase.
QString koyomi_pointing_text(const KoyomiDay& day);
// The cell: the day and its mark, the 六曜, the 旧暦 day (with the month on a month's first day).
QString koyomi_cell_text(const KoyomiDay& day);
