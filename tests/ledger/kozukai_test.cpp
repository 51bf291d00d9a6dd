#include "ledger/kozukai.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/scripted_platform.h"
#include "core/text_file.h"
#include "settings/settings.h"

namespace {

// The ledger window driven through its events in a folder of its own.
class KozukaiForm : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    old_folder = QDir::currentPath();
    QDir::setCurrent(dir.path());
    set_ini_defaults(m, platform.today());
    m.ini_str = kDefaultTokenString;
  }
  void TearDown() override { QDir::setCurrent(old_folder); }

  void open(const QString& ini_koz) {
    m.ini_koz = ini_koz;
    m.flg_kozu = 1;
    form.show();
  }
  void send(Event::Type type, const QString& name, int index = -1, int key = 0) {
    Event event{type, name, index};
    event.key_ascii = key;
    form.dispatch(event);
  }
  void click(const QString& name, int index = -1) { send(Event::Click, name, index); }
  // An expense (or income) typed and registered as a person would.
  void enter(bool income, int day, const QString& amount, const QString& item) {
    click(income ? "Command3" : "Command4");
    send(Event::GotFocus, "Text1");
    while (form.koz_day > day) click("Command5", 0);
    while (form.koz_day < day) click("Command5", 1);
    form.c("Text1").text = item;
    send(Event::Change, "Text1");
    send(Event::KeyPress, "Text1", -1, 13);
    send(Event::GotFocus, "Text2");
    form.c("Text2").text = amount;
    send(Event::KeyPress, "Text2", -1, 13);
    click("Command6");
  }
  static QStringList file_lines(const QString& name) {
    return read_lines(name).value_or(QStringList{"(none)"});
  }

  QTemporaryDir dir;
  QString old_folder;
  ScriptedPlatform platform;  // today is 2003-05-12
  Module1 m;
  Kozukai form{m, platform};
};

TEST_F(KozukaiForm, StepFromDecemberSavesBeforeLoadingNextYear) {
  ASSERT_TRUE(write_lines("TO2004.KOZ", {"*12200401025000お年玉"}));
  open("KOZ = 200312");
  EXPECT_EQ(form.c("Label3").text, "2003年12月");
  enter(false, 24, "2500", "ケーキ");
  EXPECT_EQ(form.dirty_flg, 1);
  EXPECT_FALSE(QFile::exists("TO2003.KOZ"));
  click("Command2", 2);
  EXPECT_EQ(file_lines("TO2003.KOZ"), QStringList{"1220031224"
                                                  "2500ケーキ"});
  EXPECT_EQ(form.dirty_flg, 0);
  EXPECT_EQ(form.c("Label3").text, "2004年　1月");
  EXPECT_EQ(form.nyukin_cnt(), 1);
  EXPECT_EQ(form.c("Label7", 0).text, "5000円");
  EXPECT_EQ(form.c("Text3").text, "データが登録されていません。");
}

TEST_F(KozukaiForm, DeletingOneOfTwoIdenticalEntriesKeepsTheOther) {
  open("KOZ = 200305");
  enter(false, 5, "350", "パン");
  enter(false, 5, "350", "パン");
  enter(false, 6, "120", "ガム");
  ASSERT_EQ(form.c("List1").items.size(), 3);
  // No line selected: nothing is asked.
  click("Command7");
  EXPECT_TRUE(platform.shown.empty());
  form.c("List1").selected = 1;
  platform.answers.push_back("ok");
  click("Command7");
  ASSERT_EQ(platform.shown.size(), 1u);
  EXPECT_EQ(platform.shown[0].text, "選択されたデータを削除します。");
  EXPECT_EQ(platform.shown[0].buttons, MsgButtons::OkCancel);
  EXPECT_EQ(form.shisyutu_cnt(), 2);
  EXPECT_EQ(form.c("List1").items.size(), 2);
  click("Command1");
  EXPECT_EQ(file_lines("TO2003.KOZ"), (QStringList{"1120030505350パン", "1120030506120ガム"}));
  EXPECT_EQ(file_lines("Toribe.ini").value(1), "KOZ = 200305");
  EXPECT_EQ(m.flg_kozu, 0);
}

TEST_F(KozukaiForm, EntryLimitsAndAmountMessages) {
  QStringList lines;
  for (int i = 0; i < 100; ++i) lines << "*1120030501100x";
  ASSERT_TRUE(write_lines("TO2003.KOZ", lines));
  open("KOZ = 200305");
  click("Command3");
  ASSERT_EQ(platform.shown.size(), 1u);
  EXPECT_EQ(platform.shown[0].text, "登録データ数は１００件までです。");
  EXPECT_EQ(form.nyukin_mode, 0);
  click("Command4");
  form.c("Text1").text = "x";
  for (const char* amount : {"12,000", "10000000"}) {
    form.c("Text2").text = amount;
    click("Command6");
    EXPECT_EQ(form.c("Text2").text, "");
  }
  ASSERT_EQ(platform.shown.size(), 3u);
  EXPECT_EQ(platform.shown[1].text, "金額を正しく入力してください。");
  EXPECT_EQ(platform.shown[2].text, "9999999以上は入力出来ません。");
  EXPECT_EQ(form.shisyutu_mode, 1);
  EXPECT_EQ(form.shisyutu_cnt(), 0);
}

TEST_F(KozukaiForm, FailedSaveKeepsTheMonthAndAsksBeforeClosing) {
  // A folder where the year file should be: it can be neither read nor replaced.
  ASSERT_TRUE(QDir().mkdir("TO2003.KOZ"));
  open("KOZ = 200305");
  enter(true, 10, "1000", "おこづかい");
  click("Command2", 2);
  EXPECT_EQ(form.koz_month, 5);
  EXPECT_EQ(form.dirty_flg, 1);
  ASSERT_EQ(platform.shown.size(), 1u);
  EXPECT_TRUE(platform.shown[0].text.contains("TO2003.KOZ"));
  platform.answers.push_back("ok");  // the failure is told again
  platform.answers.push_back("no");
  click("Command1");
  EXPECT_EQ(platform.shown.back().buttons, MsgButtons::YesNo);
  EXPECT_TRUE(form.visible);
  EXPECT_EQ(form.nyukin_cnt(), 1);
  platform.answers.push_back("ok");
  platform.answers.push_back("yes");
  click("Command1");
  EXPECT_FALSE(form.visible);
  EXPECT_TRUE(platform.fault.isEmpty());
}

}  // namespace
