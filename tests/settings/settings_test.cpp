#include "settings/settings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/startup.h"
#include "core/scripted_platform.h"
#include "core/text_file.h"

namespace {

Module1 parsed(const QString& token_string) {
  Module1 m;
  m.ini_str = token_string;
  parse_token_string(m);
  return m;
}

struct TokenCase {
  const char* tokens;
  int mode, memo_del, base_year;
};

TEST(SettingsTokens, EveryTokenIsAppliedWhereverItStands) {
  const TokenCase cases[] = {
      {"TORABCDEFGHIJKLMNOPQRSTUVWXYZ0", 1, 0, 1996},
      {"TORNDD003GHIJKLMNOPQRSTUVWXYZ0", 1, 0, 1999},
      {"IBE", 2, 0, 1996},
      {"YASNDE", 3, 1, 1996},
      {"ABCYASTOR", 1, 0, 1996},  // the last mode token wins
      {"NDENDD", 1, 0, 1996},     // the last memo token wins
      {"TOR002004", 1, 0, 2002},  // "00" tokens add up
      {"TOR00X", 1, 0, 1996},     // a non-digit adds nothing
      {"TORNDE00", 1, 1, 1996},   // a short last token
      {"ABCDEFGHI", 1, 0, 1996},  // no mode token: the normal calendar
      {"", 1, 0, 1996},
  };
  for (const TokenCase& c : cases) {
    const Module1 m = parsed(c.tokens);
    EXPECT_EQ(m.calen_mode, c.mode) << c.tokens;
    EXPECT_EQ(m.memo_del, c.memo_del) << c.tokens;
    EXPECT_EQ(m.base_year, c.base_year) << c.tokens;
  }
}

TEST(SettingsTokens, TokensPastTheTenthAreRead) {
  EXPECT_EQ(parsed("TORABCDEFGHIJKLMNOPQRSTUVWXYZ0"
                   "IBE")
                .calen_mode,
            2);
  EXPECT_EQ(parsed("TORABCDEFGHIJKLMNOPQRSTUVWXYZ0"
                   "005"
                   "007")
                .base_year,
            2008);
}

TEST(SettingsTokens, ShortStringsArePaddedToFullLength) {
  Module1 m;
  m.ini_str = "IBE";
  EXPECT_TRUE(pad_token_string(m));
  EXPECT_EQ(m.ini_str, "IBEABCDEFGHIJKLMNOPQRSTUVWXYZ0");
  m.ini_str = "YASNDE";
  EXPECT_TRUE(pad_token_string(m));
  EXPECT_EQ(m.ini_str, "YASNDEDEFGHIJKLMNOPQRSTUVWXYZ0");
  m.ini_str = "TORND";
  EXPECT_FALSE(pad_token_string(m));
  EXPECT_EQ(m.ini_str, "TORND");
}

TEST(SettingsTokens, EveryBaseYearComesBackAfterARestart) {
  for (int year = 1996; year <= 2100; ++year) {
    const QString saved = rebuild_token_string("TORNDD", year, kDefaultTokenString);
    EXPECT_EQ(parsed(saved).base_year, year) << saved.toStdString();
    // Saving again keeps the string stable and the filler after it.
    EXPECT_EQ(rebuild_token_string("TORNDD", year, saved), saved);
    EXPECT_TRUE(saved.endsWith("GHIJKLMNOPQRSTUVWXYZ0"));
  }
  EXPECT_EQ(rebuild_token_string("TORNDD", 2010, kDefaultTokenString),
            "TORNDD009005GHIJKLMNOPQRSTUVWXYZ0");
  EXPECT_EQ(rebuild_token_string("TORNDD", 1990, kDefaultTokenString),
            "TORNDD000GHIJKLMNOPQRSTUVWXYZ0");
}

TEST(SettingsTokens, ALaterSmallerBaseYearDropsTheExtraTokens) {
  const QString big = rebuild_token_string("TORNDD", 2020, kDefaultTokenString);
  EXPECT_EQ(rebuild_token_string("IBENDE", 1999, big), "IBENDE003GHIJKLMNOPQRSTUVWXYZ0");
}

// The settings file at start; a second copy refused is the scenario
// startup/second_instance_is_refused.
class SettingsFile : public ::testing::Test {
 protected:
  void SetUp() override { QDir::setCurrent(dir.path()); }
  void write_raw(const QByteArray& bytes) {
    QFile f(kSettingsFile);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
  }
  QTemporaryDir dir;
  ScriptedPlatform platform;
};

TEST_F(SettingsFile, MissingFileIsCreatedWithTheDefaults) {
  auto program = module1_main(platform);
  ASSERT_TRUE(program);
  const QStringList lines = *read_lines(kSettingsFile);
  EXPECT_EQ(lines,
            (QStringList{"TORABCDEFGHIJKLMNOPQRSTUVWXYZ0", "KOZ = 200305",
                         "BaseBall = ", "TORIBE1 = ", "TORIBE2 = ", "TORIBE3 = ", "TORIBE4 = ",
                         "TORIBE5 = ", "TORIBE6 = ", "TORIBE7 = ", "TORIBE8 = ", "TORIBE9 ="}));
  EXPECT_EQ(program->m.calen_mode, 1);
  EXPECT_EQ(program->m.memo_del, 0);
  EXPECT_EQ(program->m.load_flag, "0");
}

TEST_F(SettingsFile, ReservedLinesAreKeptAsReadUpToTheFirstComma) {
  write_lines(kSettingsFile, {"YASNDE002GHIJKLMNOPQRSTUVWXYZ0", "KOZ = 199912", "BaseBall = x,y",
                              "a", "b", "c", "d", "e", "f", "g", "h", "i"});
  auto program = module1_main(platform);
  EXPECT_EQ(program->m.calen_mode, 3);
  EXPECT_EQ(program->m.base_year, 1998);
  program->main_window->Option1_Click(0);
  const QStringList lines = *read_lines(kSettingsFile);
  EXPECT_EQ(lines[0], "TORNDE002GHIJKLMNOPQRSTUVWXYZ0");
  EXPECT_EQ(lines[1], "KOZ = 199912");
  EXPECT_EQ(lines[2], "BaseBall = x");
  EXPECT_EQ(lines[11], "i");
}

TEST_F(SettingsFile, AShortFileKeepsWhatWasReadButRestoresTheTokenString) {
  write_lines(kSettingsFile, {"IBENDE", "KOZ = 200101", "BaseBall = "});
  auto program = module1_main(platform);
  const QStringList lines = *read_lines(kSettingsFile);
  ASSERT_EQ(lines.size(), 12);
  EXPECT_EQ(lines[0], kDefaultTokenString);
  EXPECT_EQ(lines[1], "KOZ = 200101");
  EXPECT_EQ(program->m.calen_mode, 1);
}

TEST_F(SettingsFile, AnyBytesStartTheProgram) {
  const QByteArray inputs[] = {
      QByteArray(),
      QByteArray("\x00\x01\x02\xff\xfe\r\n\x80\x81", 9),
      QByteArray(100000, 'A'),
      QByteArray("IBE\r\n").repeated(12),
      QByteArray("\x82\r\n\x82\xa0\x82").repeated(20),
      QByteArray("\r\r\r\n\n\n").repeated(5),
  };
  for (const QByteArray& bytes : inputs) {
    write_raw(bytes);
    ScriptedPlatform fresh;
    auto program = module1_main(fresh);
    ASSERT_TRUE(program);
    EXPECT_GE(program->m.calen_mode, 1);
    EXPECT_LE(program->m.calen_mode, 3);
    // A file of twelve lines or more is read as it is; a shorter one is rewritten whole.
    EXPECT_GE(read_lines(kSettingsFile)->size(), 12);
  }
}

TEST_F(SettingsFile, ModeClicksWhileLoadingNeitherRepaintNorWrite) {
  auto program = module1_main(platform);
  Toribe& window = *program->main_window;
  const QStringList before = *read_lines(kSettingsFile);
  window.m.load_flag = "1";
  window.cur_month = 6;  // a repaint would show June
  window.Option1_Click(2);
  EXPECT_EQ(window.m.calen_mode, 1);
  EXPECT_EQ(window.c("Label3").text, "2003年 5月");
  EXPECT_EQ(*read_lines(kSettingsFile), before);
}

}  // namespace
