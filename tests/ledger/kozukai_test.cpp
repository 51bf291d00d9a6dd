#include "ledger/kozukai.h"

#include <gtest/gtest.h>

#include <QDir>
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
    set_ini_defaults(m, platform.today());  // KOZ = 200305
    m.ini_str = kDefaultTokenString;
  }
  void TearDown() override { QDir::setCurrent(old_folder); }

  void click(const QString& name, int index = -1) {
    Event event{Event::Click, name, index};
    form.dispatch(event);
  }

  QTemporaryDir dir;
  QString old_folder;
  ScriptedPlatform platform;  // today is 2003-05-12
  Module1 m;
  Kozukai form{m, platform};
};

TEST_F(KozukaiForm, FailedSaveKeepsTheMonthAndAsksBeforeClosing) {
  // A folder where the year file should be: it can be neither read nor replaced.
  ASSERT_TRUE(QDir().mkdir("TO2003.KOZ"));
  form.show();
  click("Command3");
  form.c("Text1").text = "おこづかい";
  form.c("Text2").text = "1000";
  click("Command6");
  click("Command2", 2);
  EXPECT_EQ(form.koz_month, 5);
  EXPECT_EQ(form.dirty_flg, 1);
  ASSERT_EQ(platform.shown.size(), 1u);
  EXPECT_TRUE(platform.shown[0].text.contains("TO2003.KOZ"));
  for (const char* answer : {"ok", "no", "ok", "yes"}) platform.answers.push_back(answer);
  click("Command1");
  EXPECT_EQ(platform.shown.back().buttons, MsgButtons::YesNo);
  EXPECT_TRUE(form.visible);
  EXPECT_EQ(form.nyukin_cnt(), 1);
  click("Command1");
  EXPECT_FALSE(form.visible);
  EXPECT_EQ(m.flg_kozu, 0);
  EXPECT_TRUE(platform.fault.isEmpty());
}

}  // namespace
