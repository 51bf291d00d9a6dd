// The main window's day tables, loaded before the first paint. Saving them when a
// setting mode ends is the scenarios' (editing/user_holiday_setting,
// editing/anniversary_setting).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/scripted_platform.h"
#include "core/text_file.h"
#include "settings/module1.h"
#include "toribe/toribe.h"

namespace {

// Runs the window in a fresh working folder, as the program opens its files by bare name.
class ToribeDayFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    old_dir_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
  }
  void TearDown() override { QDir::setCurrent(old_dir_); }

  Toribe& load() {
    toribe_ = std::make_unique<Toribe>(module1_, platform_);
    Event load{Event::Load, "toribe"};
    toribe_->dispatch(load);
    return *toribe_;
  }

  QTemporaryDir dir_;
  QString old_dir_;
  Module1 module1_;
  ScriptedPlatform platform_;  // today 2003-05-12: May 2003, day 1 in cell 4
  std::unique_ptr<Toribe> toribe_;
};

TEST_F(ToribeDayFiles, TablesAreLoadedBeforeTheFirstPaint) {
  QStringList holiday(10);
  holiday[0] = "2003";
  holiday.append("hjjijijh");  // 20030302
  ASSERT_TRUE(write_lines("Holiday.DAT", holiday));
  ASSERT_TRUE(write_lines("Memorial.DAT", {"0512記念,日", "0505子"}));
  Toribe& t = load();
  EXPECT_EQ(t.syuku_dat[0], "0101元旦");
  EXPECT_EQ(t.gyouji_dat[0], "0101年賀、初詣");
  EXPECT_EQ(t.holi_dat[kHoliYears], "20030302");
  EXPECT_EQ(t.kinen_dat[0], "0512記念,日");
  EXPECT_EQ(t.c("Label1", 15).fore, kMagenta);  // 12 May
  EXPECT_EQ(t.c("Label1", 8).fore, kMagenta);   // 5 May, a holiday too
  EXPECT_EQ(t.c("Label1", 6).fore, kRed);       // 3 May, a Saturday
  EXPECT_EQ(t.c("Label1", 9).fore, kSystemColour);
}

TEST_F(ToribeDayFiles, NoFilesStartWithEmptyUserTables) {
  Toribe& t = load();
  EXPECT_TRUE(t.holi_dat[0].isEmpty());
  EXPECT_TRUE(t.holi_dat[kHoliYears].isEmpty());
  EXPECT_TRUE(t.kinen_dat[0].isEmpty());
  EXPECT_FALSE(QFile::exists("Holiday.DAT"));
}

}  // namespace
