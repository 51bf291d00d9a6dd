#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "core/scripted_platform.h"
#include "core/text_file.h"
#include "gifts/zouto.h"

namespace {

// The gift window in a folder of its own; the clock reads 2003-05-12.
class ZoutoForm : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    old_folder = QDir::currentPath();
    QDir::setCurrent(dir.path());
  }
  void TearDown() override { QDir::setCurrent(old_folder); }

  void send(Event::Type type, const QString& name, int index = -1) {
    Event event;
    event.type = type;
    event.name = name;
    event.index = index;
    form.dispatch(event);
  }
  void click(const QString& name, int index = -1) { send(Event::Click, name, index); }
  // Text put into a box, as typing ends up there.
  void fill(const QString& box, const QString& text) {
    form.c(box).text = text;
    send(Event::Change, box);
  }
  void add_gift(const QString& name) {
    fill("Text2", name);
    fill("Text3", "x");
    click("Command6");
  }

  QTemporaryDir dir;
  QString old_folder;
  ScriptedPlatform platform;
  Module1 m;
  Zouto form{m, platform};
};

TEST_F(ZoutoForm, FiveHundredInEitherListStopsAddingToBoth) {
  QStringList lines{"----------"};
  for (int i = 0; i < 500; ++i) lines << QString("2003年5月6日  r%1").arg(i);
  ASSERT_TRUE(write_lines(kZoutouFile, lines));
  form.show();
  click("Command4");
  add_gift("山田");
  ASSERT_EQ(platform.shown.size(), 1u);
  EXPECT_EQ(platform.shown[0].text, "登録データ数が５００件を超えました。");
  EXPECT_EQ(platform.shown[0].title, "　　登録データオーバー");
  EXPECT_TRUE(form.given.empty());
  EXPECT_EQ(form.c("Text2").text + form.c("Text3").text, "");
}

TEST_F(ZoutoForm, TypedCharactersTheFileCannotHoldAreRefused) {
  form.show();
  click("Command4");
  fill("Text2", "山田😀様");
  EXPECT_EQ(form.c("Text2").text, "山田様");
  ASSERT_EQ(platform.shown.size(), 1u);
  EXPECT_TRUE(platform.shown[0].text.startsWith("「😀」"));
}

TEST_F(ZoutoForm, BackLeavesTheTabOrderWhileAModeIsActive) {
  form.show();
  click("Command7");
  EXPECT_FALSE(form.c("Command1").tab_stop);
  click("Command8");
  EXPECT_TRUE(form.c("Command1").tab_stop);
}

}  // namespace
