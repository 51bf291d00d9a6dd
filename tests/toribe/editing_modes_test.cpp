// Editing user holidays and anniversaries on the main window: the setting
// modes, their day presses and limits, the deletion list, and saving.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "calendar/user_day_files.h"
#include "core/scripted_platform.h"
#include "core/text_file.h"
#include "toribe/main_window_fixture.h"
#include "toribe/toribe.h"

namespace {

const QString kTableFull = "登録データ量が規定値を越えました。";

// What a mode may change and must give back.
struct WindowLook {
  QStringList captions;
  QList<int> heights;
  QList<bool> enabled;
  bool text3 = false, list2 = false, text2 = false;
  int height = 0;
  QString caption;
  Toribe::Mode set_mode = Toribe::Mode::None;
  bool operator==(const WindowLook&) const = default;
};

class HolidayEditing : public MainWindowFixture {
 protected:
  void press_cell(int cell, int button = 1) { click_cell(cell, button); }
  // Shows the month with the window's own repaint, as navigation would.
  void show_month(int year, int month) {
    form->cur_year = qint16(year);
    form->cur_month = qint16(month);
    form->disp_calen();
  }
  int cell_of_day(int day) const { return form->first_col + day - 1; }
  WindowLook look() {
    WindowLook seen;
    for (int i = 0; i < 7; ++i) {
      const Control& button = form->c("Command13", i);
      seen.captions << button.text;
      seen.heights << button.height;
      seen.enabled << button.enabled;
    }
    seen.text3 = form->c("Text3").visible;
    seen.list2 = form->c("List2").visible;
    seen.text2 = form->c("Text2").visible;
    seen.height = form->height;
    seen.caption = form->caption;
    seen.set_mode = form->set_mode;
    return seen;
  }
  QStringList messages() {
    QStringList texts;
    for (ShownMessage& shown : platform.shown)
      if (!shown.checked) texts << (shown.input ? "input:" : "") + shown.text, shown.checked = true;
    return texts;
  }
};

TEST_F(HolidayEditing, EveryModeGivesTheWindowBackAsItFoundIt) {
  Toribe& w = start();
  const WindowLook before = look();
  for (const char* item : {"mnu_yasumi", "mnuusr_menol"}) {
    choose(item);
    EXPECT_NE(look(), before) << item;
    press_button(5);
    EXPECT_EQ(look(), before) << item;
  }
  for (int finishing : {4, 5}) {
    choose("del_ukinen");
    EXPECT_NE(look(), before);
    press_button(finishing);
    EXPECT_EQ(look(), before) << finishing;
    EXPECT_EQ(w.set_mode, Toribe::Mode::None);
  }
  EXPECT_EQ(w.set_mode, Toribe::Mode::None);
}

TEST_F(HolidayEditing, TheModesOwnButtonsOnly) {
  Toribe& w = start();
  choose("mnu_yasumi");
  press_button(0);  // disabled in the real window; a stray press must not navigate
  press_button(4);
  EXPECT_EQ(w.cur_year, 2003);
  EXPECT_EQ(w.cur_month, 5);
  press_button(5);
  choose("del_ukinen");
  press_button(2);
  EXPECT_EQ(w.cur_month, 5);
  EXPECT_EQ(w.set_mode, Toribe::Mode::AnniversaryDeletion);
}

TEST_F(HolidayEditing, RegisteredYearBehindAGapIsNotRegisteredTwice) {
  // Saving leaves gaps before a year; entering that year again must reuse its slot.
  ASSERT_TRUE(write_lines(kHolidayFile,
                          {"", "2003", "", "", "", "", "", "", "", "", "hjjijokh"}));  // 20030512
  Toribe& w = start();
  choose("mnu_yasumi");
  EXPECT_EQ(w.holi_dat[0], "");
  EXPECT_EQ(w.holi_dat[1], "2003");
  press_button(5);
  EXPECT_EQ(read_lines(kHolidayFile)->mid(0, 2), (QStringList{"2003", ""}));
}

TEST_F(HolidayEditing, YearsBelowAThousandKeepFourDigitKeys) {
  Toribe& w = start();
  show_month(999, 1);
  choose("mnu_yasumi");
  press_cell(cell_of_day(6));
  EXPECT_EQ(w.holi_dat[0], "0999");
  EXPECT_EQ(w.holi_dat[kHoliYears], "09990106");
  EXPECT_EQ(w.c("Label1", cell_of_day(6)).fore, kRed);
  press_button(5);
  const QStringList lines = read_lines(kHolidayFile).value();
  EXPECT_EQ(lines[0], "0999");
  EXPECT_EQ(lines[10].size(), 8);

  // Read back and shown by the user calendar.
  m.calen_mode = 2;
  start();
  show_month(999, 1);
  EXPECT_EQ(form->c("Label1", cell_of_day(6)).fore, kRed);
  EXPECT_EQ(form->c("Label1", cell_of_day(7)).fore, kSystemColour);
}

TEST_F(HolidayEditing, HolidayTableFullRefusesOnlyNewDates) {
  Toribe& w = start();
  for (int slot = kHoliYears; slot <= 1500; ++slot)
    w.holi_dat[slot] = QString("1%1").arg(slot, 7, 10, QChar('0'));
  w.holi_dat[700] = "20030520";
  choose("mnu_yasumi");
  const HoliTable full = w.holi_dat;

  press_cell(cell_of_day(20));  // already there: no change, no message
  EXPECT_TRUE(messages().isEmpty());
  press_cell(cell_of_day(21));
  EXPECT_EQ(messages(), QStringList{kTableFull});
  EXPECT_EQ(w.holi_dat, full);

  // Removing one closes the gap and makes room at the end.
  press_cell(cell_of_day(20), 2);
  EXPECT_EQ(w.holi_dat[700], full[701]);
  EXPECT_EQ(w.holi_dat[1500], "");
  press_cell(cell_of_day(21));
  EXPECT_EQ(w.holi_dat[1500], "20030521");
  EXPECT_TRUE(messages().isEmpty());
}

TEST_F(HolidayEditing, RightPressRemovesOneHolidayAndKeepsTheListWhole) {
  Toribe& w = start();
  choose("mnu_yasumi");
  for (int day : {3, 5, 7}) press_cell(cell_of_day(day));
  press_cell(cell_of_day(5), 2);
  EXPECT_EQ(w.holi_dat[10], "20030503");
  EXPECT_EQ(w.holi_dat[11], "20030507");
  EXPECT_EQ(w.holi_dat[12], "");
  press_cell(cell_of_day(5), 2);  // no longer there
  EXPECT_EQ(w.holi_dat[11], "20030507");
  EXPECT_EQ(w.c("Label1", cell_of_day(5)).fore, kSystemColour);
  EXPECT_EQ(w.c("Label1", cell_of_day(7)).fore, kRed);
}

TEST_F(HolidayEditing, AnniversaryTableFullAsksNothing) {
  QStringList lines;
  for (int i = 0; i < 50; ++i) lines << QString("0601記念%1").arg(i);
  ASSERT_TRUE(write_lines(kMemorialFile, lines));
  Toribe& w = start();
  choose("mnuusr_menol");
  press_cell(cell_of_day(12));
  EXPECT_EQ(messages(), QStringList{kTableFull});  // and no input box
  EXPECT_EQ(w.kinen_dat[50], "");
  // One removed (the first of 1 June), one may be added.
  show_month(2003, 6);
  press_cell(cell_of_day(1), 2);
  EXPECT_EQ(w.kinen_dat[0], "0601記念1");
  platform.answers.push_back("旅行");
  press_cell(cell_of_day(2));
  EXPECT_EQ(messages(), QStringList{"input:コメントを入力して下さい。"});
  EXPECT_EQ(w.kinen_dat[49], "0602旅行");
}

TEST_F(HolidayEditing, CommentsTheFileCannotHoldAreRefused) {
  Toribe& w = start();
  choose("mnuusr_menol");
  for (const QString& refused : {QString("花🌸見"), QString("一行目\r\n二行目")}) {
    platform.answers.push_back(refused);
    press_cell(cell_of_day(12));
    const QStringList shown = messages();
    ASSERT_EQ(shown.size(), 2) << refused.toStdString();
    EXPECT_EQ(shown[0], "input:コメントを入力して下さい。");
    EXPECT_FALSE(shown[1].isEmpty());
    EXPECT_EQ(w.kinen_dat[0], "");
  }
  EXPECT_EQ(w.c("Label1", cell_of_day(12)).fore, kSystemColour);
  // Blanks and commas are kept as typed.
  platform.answers.push_back(" a, b ");
  press_cell(cell_of_day(12));
  press_button(5);
  EXPECT_EQ(read_lines(kMemorialFile).value(), QStringList{"0512 a, b "});
  start();
  EXPECT_EQ(form->kinen_dat[0], "0512 a, b ");
}

TEST_F(HolidayEditing, DeletionUndoesNewestFirstAndKeepsTen) {
  QStringList lines;
  for (int day = 1; day <= 12; ++day) lines << QString("03%1春").arg(day, 2, 10, QChar('0'));
  ASSERT_TRUE(write_lines(kMemorialFile, lines));
  Toribe& w = start();
  choose("del_ukinen");
  click_list_line(11);  // 0312
  click_list_line(0);   // 0301
  press_button(3);
  EXPECT_EQ(w.c("List2").items.size(), 11);
  EXPECT_EQ(w.c("List2").items[0], "0301春");
  EXPECT_FALSE(w.c("List2").items.contains("0312春"));
  press_button(3);
  EXPECT_EQ(w.c("List2").items, lines);

  for (int i = 0; i < 11; ++i) click_list_line(0);  // 0301 .. 0311
  for (int i = 0; i < 11; ++i) press_button(3);
  EXPECT_EQ(w.c("List2").items, lines.mid(1));  // 0301 is gone for good
  press_button(4);
  EXPECT_EQ(w.kinen_dat[0], "0301春");  // cancelled: the table and file are as they were
  EXPECT_EQ(read_lines(kMemorialFile).value(), lines);
}

TEST_F(HolidayEditing, DeletionStartsWithNothingToUndo) {
  ASSERT_TRUE(write_lines("memo.dat", {"2003/05/12買い物"}));
  ASSERT_TRUE(write_lines(kMemorialFile, {"0512誕生日", "0601記念"}));
  Toribe& w = start();
  choose("memo_all");
  click_list_line(0);  // fills the undo slots, which the memo mode never uses
  press_button(4);
  choose("del_ukinen");
  press_button(3);
  EXPECT_EQ(w.c("List2").items, (QStringList{"0512誕生日", "0601記念"}));
  click_list_line(0);
  press_button(5);
  EXPECT_EQ(read_lines(kMemorialFile).value(), QStringList{"0601記念"});
  EXPECT_EQ(w.kinen_dat[0], "0601記念");
  EXPECT_EQ(w.kinen_dat[1], "");
  EXPECT_EQ(w.c("Label1", cell_of_day(12)).fore, kSystemColour);
}

}  // namespace
