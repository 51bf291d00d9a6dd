#include "about/about.h"

#include <gtest/gtest.h>

#include "core/scripted_platform.h"

namespace {

TEST(AboutVersion, MajorAndMinorInPlainDigits) {
  EXPECT_EQ(version_text(1, 52), "Ver.1.52");
  EXPECT_EQ(version_text(1, 0), "Ver.1.0");
  EXPECT_EQ(version_text(12, 3), "Ver.12.3");
}

TEST(AboutWindow, ShowsNameVersionAndWelcome) {
  ScriptedPlatform platform;
  FrmAbout form(platform);
  form.show();
  EXPECT_FALSE(form.has_border);
  EXPECT_EQ(form.caption, "トリベのﾊﾞｰｼﾞｮﾝ情報");
  EXPECT_EQ(form.c("lblTitle").text, "ト リ ベ");
  EXPECT_EQ(form.c("lblVersion").text, version_text(TORIBE_VERSION_MAJOR, TORIBE_VERSION_MINOR));
  const QStringList lines = form.c("lblDescription").text.split("\r\n");
  ASSERT_EQ(lines.size(), 3);
  EXPECT_FALSE(lines[0].isEmpty());
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "何でもあるトリベへようこそ！！");
  EXPECT_EQ(form.c("cmdOK").text, "OK");
  EXPECT_EQ(form.c("Shape1").width, form.width);
  EXPECT_EQ(form.left, (15360 - form.width) / 2);
  EXPECT_EQ(form.top, (11520 - form.height) / 4);
}

TEST(AboutWindow, ClosesOnlyWithOk) {
  ScriptedPlatform platform;
  FrmAbout form(platform);
  form.show();
  Event close{Event::QueryUnload, "frmAbout"};
  form.dispatch(close);
  EXPECT_TRUE(close.cancel);
  EXPECT_TRUE(form.visible);
  Event ok{Event::Click, "cmdOK"};
  form.dispatch(ok);
  EXPECT_FALSE(form.visible);
}

}  // namespace
