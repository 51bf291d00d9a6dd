#pragma once
// The main window's folder: the form `Toribe` and all its handlers, one file for
// each thing they handle (grid and navigation, day files, editing modes, memo
// modes, pointing, day presses, day counts, menus, frame). The rules they apply
// live below, in calendar/, memo/ and settings/.
#include <functional>
#include <map>
#include <memory>

#include "calendar/day_tables.h"
#include "core/form.h"
#include "search/search_records.h"
#include "settings/module1.h"
#include "toribe/day_speech.h"
#include "toribe/exchange_menu.h"

// Makes the tool window of that name; nullptr for a window not in this build.
using ToolFactory = std::function<std::unique_ptr<Form>(const QString& window_name)>;

class Toribe : public Form {
 public:
  Toribe(Module1& m, Platform& platform, ToolFactory make_tool = {});

  // Loading and window life.
  void Form_Load();
  void Form_QueryUnload(bool& cancel);
  // The close box: the closing question, and the program ends on Yes.
  void close_box(bool& cancel);
  void Form_Click();
  void Form_MouseMove();
  void Timer1_Timer();
  void Toolbar1_ButtonClick(int index);
  void mnujihou_Click();
  void mnu_delmemo_Click();
  // The option "現行の祝日法": holidays and eras as the law stands today.
  void mnu_law_Click();
  void mnuhow_to_Click();
  // ファイル > 書き出し and 読み込み; item is the chosen item's caption.
  void mnu_export_Click(MenuExport what, const QString& item);
  void mnu_import_Click(ContactBook book, const QString& item);
  // A menu item chosen (toolbar buttons choose the item they stand for).
  void menu_click(const QString& item);
  // Asks the closing question and ends the program on Yes.
  void close_main_window();
  void jump_to_today();
  // ファイル → 印刷: each opens the print preview.
  void mnu_print_cal_Click();
  void mnu_print_label_Click();
  void mnu_print_card_Click();

  // The search over every data file, and the place of the result chosen there:
  // the day of a memo, anniversary or holiday on the grid as when pointed at,
  // or the tool window that holds the record.
  void mnu_kensaku_Click();
  void show_found(const SearchRecord& record);
  // The reminder of today and the next two days as a desktop notification, sent
  // at start and whenever the clock passes midnight; the option "予定を通知".
  void tell_days_ahead();
  void mnu_notice_Click();
  QDate notice_date;  // the day the reminder last looked at

  // Month grid and navigation.
  void disp_calen();
  void holiday_iro();
  void set_butan();
  void set_caption();
  void Command13_MouseDown(int index, int button);
  void Option1_Click(int index);
  void save_dat();

  // Day tables and the user day files (day_files.cpp).
  void dat_set();
  void read_hol();
  void read_mem();
  void save_holi();
  void save_kinen();

  // User holiday and anniversary editing (editing_modes.cpp, setting_day_presses.cpp).
  void mnu_yasumi_Click();
  void mnuusr_menol_Click();
  void del_ukinen_Click();
  // Command13 while a holiday, anniversary or anniversary deletion mode holds the buttons.
  void holiday_Command13(int index);
  // A button pressed on a day cell while a setting mode is active.
  void day_setting_press(int cell, int button);

  // Opens a tool window modally: its flag (when it has one) set to 1, the window
  // created when missing.
  void open_tool(const QString& window_name, qint16 Module1::*flag);
  Form* tool(const QString& window_name);

  // Day memos: the store (memo_files.cpp), the memo modes (memo_modes.cpp), day-cell
  // presses (day_presses.cpp), day counts (day_counts.cpp).
  void read_memo();
  void memo_refresh();
  void mnu_memo_Click();
  void mnumemoichi_Click();
  void memo_all_Click();
  void List2_Click();
  void Text2_Change();
  // Command13 while a memo mode holds the buttons.
  void memo_Command13(int index);
  void Label1_MouseDown(int index, int button, int shift);
  void Label1_Click(int index);
  void mnukara_day_Click();
  void mnukara2_day_Click();
  void day_count_press(int cell);
  // The yyyy/mm/dd key of a day cell; empty for a cell without a day number.
  QString cell_date_key(int cell) const;

  // Pointing at the grid (pointing.cpp).
  void Label1_MouseMove(int index);
  void Image2_MouseMove();
  void Label2_MouseMove(int index);
  // The name of the table's national holiday on a day cell, and its tooltip.
  void point_syuku(int index, const QString& key, QString& holiday_name, bool& named);
  QString syuku_name(int index, const QString& key) const;

  // The day cells as screen readers hear them, and the focus day the arrow keys
  // move, crossing into the next or previous month (day_speech.cpp).
  void speak_days();
  DayNotes day_notes(int cell, const QDate& date) const;
  void Label1_KeyDown(int index, int& key_code);
  QDate focus_day;
  // The memos of a clicked day in the memo pane, or the pane hidden.
  void show_day_memos(int index);
  // The memo pane: a header with the date, then each memo numbered.
  void show_memo_pane(const QString& date_text, const QList<int>& slots);
  void hide_memo_pane();
  bool today_has_memos() const;
  QString today_key();
  qint16 last_cell = -1;      // the day cell last pointed at
  bool day_has_memo = false;  // the day last pointed at has memos

  Module1& m;

  // Displayed month and grid state.
  qint16 cur_year = 0, cur_month = 0, first_col = 0;
  QString cap_str, cap_back;
  // The special mode that holds the navigation buttons, one at a time: entering
  // a mode sets it, set_butan gives the buttons back. The memo modes keep their
  // numbers (memo_mode 1, 3, 4).
  enum class Mode : qint16 {
    None = 0,
    MemoEntry = 1,
    MemoDeletion = 3,
    MemoList = 4,
    HolidaySetting,       // yasumi_mode
    AnniversarySetting,   // kinen_mode
    AnniversaryDeletion,  // del_mode
  };
  Mode set_mode = Mode::None;
  bool memo_mode() const {
    return set_mode == Mode::MemoEntry || set_mode == Mode::MemoDeletion ||
           set_mode == Mode::MemoList;
  }
  // A new mode is not entered while one holds the buttons or day count 1 is on.
  bool modes_refused() const { return set_mode != Mode::None || count1_mode; }
  // The day counts run beside the modes above, and beside each other. Day count 2
  // waits for its first date, then its last.
  enum class Count2Step : qint16 { Off = 0, FirstDate = 1, LastDate = 2 };
  bool count1_mode = false;
  Count2Step count2_step = Count2Step::Off;
  // Memo tables (slot 0 unused), today's memo slots, the memo being entered.
  QStringList memo_txt{QString()}, memo_line{QString()};
  int memo_cnt = 0;
  QList<int> today_memo = QList<int>(11, 0);
  QString memo_date;
  std::array<QString, 10> del_back;  // items removed from List2, newest last
  // The full memo behind each line of the deletion list, in list order: the
  // memos kept are written back whole, their line breaks intact.
  QStringList deletion_memos;
  QString count_from, count_to;  // the two dates of day count 2
  QString mode_names[3];
  bool jihou = false, jihou_done = false;  // time signal on, and sounded this minute
  qint16 holi_years = 10;
  // Day tables: built-in national holidays and observances, the user's holidays
  // and anniversaries.
  SyukuTable syuku_dat;
  GyoujiTable gyouji_dat;
  HoliTable holi_dat;
  KinenTable kinen_dat;

  static constexpr int kNormalHeight = 4950;
  static constexpr int kTallHeight = 7250;

 private:
  void create_controls();
  // The menu bar and the toolbar (menus.cpp), and the routes of the menu items.
  void create_menus();
  static std::vector<RouteOf<Toribe>> menu_routes();
  ToolFactory make_tool_;
  std::map<QString, std::unique_ptr<Form>> tools_;
};
