#pragma once
// The pocket-money ledger: one year of income and expense records, entered
// with a day, an amount and an item, listed by month or year with the totals,
// and kept in that year's file TOyyyy.KOZ. The file is written before the view
// leaves the month and when the window closes; the month shown last is kept in
// the settings line KOZ.
#include "core/form.h"
#include "ledger/kozukai_file.h"
#include "ledger/kozukai_lines.h"
#include "settings/module1.h"

class Kozukai : public Form {
 public:
  Kozukai(Module1& m, Platform& platform);

  // Year file and tables.
  void read_dat();
  bool save_dat();  // false when the file could not be written (the user was told)
  void newtoshi_dat();
  void make_dat1();
  void make_dat2();
  void del_dat1();
  void del_dat2();

  // Listings: expenses / income of the month, expenses / income of the year.
  void make_dat3();
  void make_dat4();
  void make_dat5();
  void make_dat6();
  void list_current();
  void moji_hantei();

  // Handlers.
  void Form_Load();
  void Command1_Click();
  void Command2_Click(int index);
  void Command3_Click();
  void Command4_Click();
  void Command4_GotFocus();
  void Command5_Click(int index);
  void Command6_Click();
  void Command6_GotFocus();
  void Command7_Click();
  void Command8_Click();
  void Label4_Click(int index);
  void Option1_Click();
  void Option2_Click();
  void Text1_GotFocus();
  void Text1_KeyPress(int& key_ascii);
  void Text1_Change();
  void Text2_GotFocus();
  void Text2_KeyPress(int& key_ascii);

  int nyukin_cnt() const { return int(tables.nyukin.size()); }
  int shisyutu_cnt() const { return int(tables.shisyutu.size()); }

  KozTables tables;  // nyukin_dat and shisyutu_dat
  int koz_year = 0, koz_month = 1, koz_day = 1;
  qint16 nodata_flg = 0, dirty_flg = 0;
  qint16 nyukin_mode = 0, shisyutu_mode = 0;
  qint16 kingaku_chk = 0;
  qint16 focus_box = 1;
  qint16 disp_kind = 2, disp_term = 2;

 protected:
  void handle(Event& event) override;

 private:
  void create_controls();
  void initial_state();
  void show_listing(KozKind kind, KozTerm term);
  void highlight_kind(int kind);
  void show_captions();
  bool in_entry() const { return nyukin_mode == 1 || shisyutu_mode == 1; }
  bool boxes_filled() const;
  void end_entry_controls();
  void refuse_amount();
  void delete_selected(std::vector<KozLine>& table);
  void focus_entry_box();

  Module1& m_;
  bool unreadable_ = false;  // the year file is there but could not be read
};
