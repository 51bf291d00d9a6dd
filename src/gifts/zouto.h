#pragma once
// The gift record window: gifts given and received, each dated on the window's own
// month calendar, one list showing either kind. Browse, enter or delete; the file
// is written once, on leaving, and only when something changed.
#include <vector>

#include "core/form.h"
#include "core/record_form.h"
#include "gifts/zouto_file.h"
#include "settings/module1.h"

// Button colours say what can be used.
inline constexpr Rgb kUsableButton{0, 0, 255};
inline constexpr Rgb kIdleButton{128, 255, 128};
inline constexpr Rgb kReadyButton{255, 0, 0};
// The chosen day while entering.
inline constexpr Rgb kChosenDay{255, 192, 128};

// The list shown: the index of its button Command2.
enum class GiftList { Given = 0, Received = 1 };

class Zouto : public Form {
 public:
  Zouto(Module1& m, Platform& platform);

  void Form_Load();
  void read_dat();
  // Writes the file when something changed; false when it could not be written
  // (the user has been told).
  bool save_dat();
  void disp_calen();

  void Command1_Click();
  void Command2_Click(int index);
  void Command3_MouseDown(int index);
  void Command4_Click();
  void Command6_Click();
  void Command7_Click();
  void Command8_Click();
  void Label1_Click(int index);
  void List1_Click();
  void Text_GotFocus(const QString& box);
  void Text_KeyPress(const QString& box, int& key_ascii);
  void Text_Change(const QString& box);

  std::vector<GiftLine> given, received;
  GiftList view = GiftList::Given;
  RecordMode mode = RecordMode::Browse;  // Input adds gifts, Delete takes them out
  bool changed = false;
  qint16 z_year = 0, z_month = 0, z_first_col = 0;
  QString date_text;

 private:
  void create_controls();
  void browse_buttons();
  void leave_browsing(RecordMode to);
  void colour_view_buttons();
  void show_view_message();
  std::vector<GiftLine>& shown() { return view == GiftList::Given ? given : received; }
  // Enables "データ登録" once both boxes hold something.
  void check_ready();
  void mark_cell(int cell);
  Module1& m_;
};
