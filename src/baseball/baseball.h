#pragma once
// The baseball window: the standings of both leagues for one season, read from
// its season file, with buttons to step between seasons. The season shown when
// the window is left with 戻る becomes the base year in the settings.
#include <array>

#include "baseball/season_file.h"
#include "baseball/standings.h"
#include "core/form.h"
#include "settings/module1.h"

class Baseball : public Form {
 public:
  Baseball(Module1& m, Platform& platform);

  void Form_Load();
  void read_dat();
  void record_make(int first, int last);
  void make_dat();
  void Command2_Click(int index);
  void Command1_Click();
  void Form_QueryUnload();

  std::array<QString, kTeams> team_name;
  QString bas_year;
  SeasonData bas_data;
  qint16 bas_err = 0;
  LeagueRecords cen_rec, pac_rec;

 private:
  void create_controls();
  Module1& m_;
};
