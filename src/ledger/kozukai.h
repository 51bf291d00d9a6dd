#pragma once
// The pocket-money ledger: one year of income and expense records, entered
// with a day, an amount and an item, listed by month or year with the totals,
// and kept in that year's file TOyyyy.KOZ. The file is written before the view
// leaves the month and when the window closes; the month shown last is kept in
// the settings line KOZ.
#include <optional>

#include "core/form.h"
#include "ledger/kozukai_file.h"
#include "ledger/kozukai_lines.h"
#include "ledger/kozukai_rules.h"
#include "settings/module1.h"

// The box an entry gives the focus back to after a day or navigation button.
enum class KozBox { Item = 1, Amount = 2 };

class Kozukai : public Form {
 public:
  Kozukai(Module1& m, Platform& platform);

  // Year file and tables.
  void read_dat();
  // Writes the year file when a record was added or removed; false when it could
  // not be written (the user was told).
  bool save_dat();
  void newtoshi_dat();
  // Appends a record of that kind built from the date and the two boxes.
  void make_dat(KozKind kind);

  // Lists the records of that kind and period with the totals.
  void show_listing(KozKind kind, KozTerm term);
  void moji_hantei();
  // 入金 and 支出: an entry of that kind starts.
  void begin_entry(KozKind kind);

  // Handlers.
  void Form_Load();
  void Command1_Click();
  void Command2_Click(int index);
  void Command3_Click() { begin_entry(KozKind::Nyukin); }
  void Command4_Click() { begin_entry(KozKind::Shisyutu); }
  void Command4_GotFocus();
  void Command5_Click(int index);
  void Command6_Click();
  void Command6_GotFocus();
  void Command7_Click();
  void Command8_Click();
  void Label4_Click(int index);
  void Option1_Click() { choose_term(KozTerm::Year); }
  void Option2_Click() { choose_term(KozTerm::Month); }
  void Text1_GotFocus();
  void Text1_KeyPress(int& key_ascii);
  void Text1_Change();
  void Text2_GotFocus();
  void Text2_KeyPress(int& key_ascii);

  int nyukin_cnt() const { return int(tables.nyukin.size()); }
  int shisyutu_cnt() const { return int(tables.shisyutu.size()); }

  KozTables tables;  // nyukin_dat and shisyutu_dat
  int koz_year = 0, koz_month = 1, koz_day = 1;
  bool nodata_flg = false, dirty_flg = false;
  std::optional<KozKind> entry;  // the kind of the entry being made
  AmountCheck kingaku_chk = AmountCheck::Good;
  KozBox focus_box = KozBox::Item;
  KozKind disp_kind = KozKind::Shisyutu;
  KozTerm disp_term = KozTerm::Month;

 private:
  void create_controls();
  void initial_state();
  void highlight_kind(KozKind kind);
  void show_captions();
  void choose_term(KozTerm term);
  bool in_entry() const { return entry.has_value(); }
  bool boxes_filled() const;
  void end_entry_controls();
  void refuse_amount();
  std::vector<KozLine>& table(KozKind kind);
  void focus_entry_box();

  Module1& m_;
  bool unreadable_ = false;  // the year file is there but could not be read
};
