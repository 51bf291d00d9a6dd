#pragma once
// The tools folder: the small windows without files (time, era, numbers, dice), one form each.
// The era window: a Western year and an era year chosen with two scroll bars and
// the era buttons, each shown in the other's terms, with the age this year.
#include "core/form.h"
#include "settings/module1.h"

class Nengou : public Form {
 public:
  Nengou(Module1& m, Platform& platform);

  void Form_Load();
  void henkan1();
  void henkan2();
  void HScroll1_Change();
  void HScroll2_Change();
  void Option1_Click(int index);
  void Command1_Click();

  qint16 era_type = 3;

 private:
  void create_controls();
  void place_eras();
  void show_age();
  Module1& m_;
  int eras_ = 4;  // eras offered: four, or five with 令和
};
