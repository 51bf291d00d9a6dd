// The memo modes and the day counts, driven through the main window's events.
// Entering, cancelling, listing, deleting and the automatic deletion as a person
// meets them, and the counts themselves, are the scenarios' (memo/).
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "core/scripted_platform.h"
#include "core/text_file.h"
#include "toribe/main_window_fixture.h"
#include "toribe/toribe.h"

namespace {

class MainWindow : public MainWindowFixture {
 protected:
  void write_memo_file(const QStringList& lines) { ASSERT_TRUE(write_lines("memo.dat", lines)); }
  QStringList memo_file() { return read_lines("memo.dat").value_or(QStringList{"<missing>"}); }
  void type_memo(const QString& text) {
    form->c("Text2").text = text;
    send(Event::Change, "Text2");
  }
  QString text(const QString& control) { return form->c(control).text; }
  QStringList unchecked_messages() {
    QStringList texts;
    for (ShownMessage& shown : platform.shown)
      if (!shown.checked) texts.append(shown.text), shown.checked = true;
    return texts;
  }
};

using MemoModes = MainWindow;
using DayCount = MainWindow;

TEST_F(MemoModes, DefaultDateIsTodaysDayInTheDisplayedMonth) {
  Toribe& w = start();
  press_button(2);
  press_button(2);  // March 2003
  choose("mnu_memo");
  type_memo("a");
  press_button(5);
  choose("mnu_memo");
  press_button(3);  // April; the key chosen before stays
  type_memo("b");
  press_button(5);
  EXPECT_EQ(w.memo_txt.mid(1), (QStringList{"2003/03/12a\r\n", "2003/03/12b\r\n"}));
}

TEST_F(MemoModes, DefaultDateInAShorterMonthIsItsLastDay) {
  platform.clock = QDateTime(QDate(2003, 5, 31), QTime(9, 0));
  Toribe& w = start();
  for (int i = 0; i < 3; ++i) press_button(2);  // February 2003
  choose("mnu_memo");
  type_memo("a");
  press_button(5);
  EXPECT_EQ(w.memo_txt.value(1), "2003/02/28a\r\n");
}

TEST_F(MemoModes, AStrayPressOnADisabledButtonDoesNothing) {
  Toribe& w = start();
  choose("mnu_memo");
  press_button(0);  // disabled in this mode
  EXPECT_EQ(w.cur_year, 2003);
  EXPECT_EQ(text("Label3"), "2003年 5月");
}

TEST_F(MemoModes, PastedJisFormsAreKeptAsCp932HoldsThem) {
  start();
  choose("mnu_memo");
  type_memo("10時〜12時 −5");  // as a paste: a change with no key
  EXPECT_EQ(unchecked_messages(), QStringList{});
  EXPECT_EQ(text("Text2"), "10時～12時 －5");
}

TEST_F(MemoModes, EntryIsRefusedAtTwoHundredMemos) {
  QStringList lines;
  for (int i = 0; i < 200; ++i) lines << QString("2003/06/01memo %1").arg(i);
  write_memo_file(lines);
  Toribe& w = start();
  EXPECT_EQ(w.memo_cnt, 200);
  choose("mnu_memo");
  EXPECT_EQ(w.set_mode, Toribe::Mode::None);
  ASSERT_EQ(platform.shown.size(), 1u);
  EXPECT_TRUE(platform.shown[0].text.startsWith("メモは200件までしか登録できません。"));
  EXPECT_EQ(memo_file(), lines);
}

TEST_F(MemoModes, CharactersCp932CannotHoldAreRefusedAsTyped) {
  Toribe& w = start();
  choose("mnu_memo");
  type_memo("𠮷野家😀で");
  EXPECT_EQ(text("Text2"), "野家で");
  EXPECT_EQ(unchecked_messages(),
            QStringList{"「𠮷😀」はメモに保存できない文字のため、入力できません。"});
  // Text that slipped past the typing check is not stored either.
  w.c("Text2").text = "a😀";
  press_button(5);
  EXPECT_EQ(w.set_mode, Toribe::Mode::MemoEntry);
  EXPECT_FALSE(QFile::exists("memo.dat"));
  EXPECT_EQ(unchecked_messages().size(), 1);
}

// The list and the memo table sort apart: "…a" + "z" lists after "…ab" but is
// held before it. Deleting the first line must remove the memo "…ab".
TEST_F(MemoModes, DeletionRemovesTheMemoBehindTheLineWhereTheSortsDiffer) {
  write_memo_file({"2003/05/12ab", "", "2003/05/12a", "z", ""});
  Toribe& w = start();
  choose("memo_all");
  EXPECT_EQ(w.c("List2").items, (QStringList{"2003/05/12ab", "2003/05/12az"}));
  click_list_line(0);
  press_button(5);
  EXPECT_EQ(memo_file(), (QStringList{"2003/05/12a", "z", ""}));
}

TEST_F(MemoModes, EleventhRemovedItemPushesOutTheFirst) {
  QStringList file;
  for (int i = 0; i < 11; ++i) file << QString("2003/06/%1x").arg(i + 1, 2, 10, QChar('0'));
  write_memo_file(file);
  Toribe& w = start();
  choose("memo_all");
  for (int i = 0; i < 10; ++i) click_list_line(0);
  EXPECT_EQ(w.del_back[0], "2003/06/01x");
  EXPECT_EQ(w.del_back[9], "2003/06/10x");
  click_list_line(0);
  EXPECT_EQ(w.del_back[0], "2003/06/02x");
  EXPECT_EQ(w.del_back[9], "2003/06/11x");
}

TEST_F(DayCount, LeaveButtonEndsBothCounts) {
  Toribe& w = start();
  choose("mnukara_day");
  choose("mnukara2_day");
  click_cell(15);
  // Both counted; the second count's text is the one kept.
  EXPECT_EQ(text("Text1"), "最後の日付を指定して下さい。");
  press_button(6);
  EXPECT_FALSE(w.c("Command13", 6).visible);
  EXPECT_FALSE(w.count1_mode);
  EXPECT_EQ(w.count2_step, Toribe::Count2Step::Off);
  EXPECT_EQ(text("Text1"), "");
  click_cell(16);
  EXPECT_EQ(text("Text1"), "");
}

TEST_F(DayCount, LeaveButtonWaitsWhileASettingModeIsOn) {
  Toribe& w = start();
  choose("mnukara_day");
  w.set_mode = Toribe::Mode::HolidaySetting;
  press_button(6);
  EXPECT_TRUE(w.count1_mode);
  w.set_mode = Toribe::Mode::AnniversarySetting;
  press_button(6);
  EXPECT_TRUE(w.count1_mode);
  w.set_mode = Toribe::Mode::None;
  press_button(6);
  EXPECT_FALSE(w.count1_mode);
}

TEST_F(DayCount, PressDuringMemoEntryCountsAndTheClickPicksTheDate) {
  Toribe& w = start();
  choose("mnukara2_day");
  choose("mnu_memo");
  EXPECT_EQ(w.set_mode, Toribe::Mode::MemoEntry);
  click_cell(16);
  EXPECT_EQ(w.count2_step, Toribe::Count2Step::LastDate);
  EXPECT_EQ(w.memo_date, "2003/05/13");
  EXPECT_EQ(text("Text1"), "入力日は2003/05/13です。");
}

}  // namespace
