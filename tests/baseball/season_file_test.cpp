#include "baseball/season_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "baseball/texts.h"
#include "core/text_file.h"

namespace {

TEST(SeasonFile, FieldsEndAtCommasAndLineEnds) {
  const struct {
    const char* text;
    QStringList fields;
  } cases[] = {
      {"a,b\r\nc", {"a", "b", "c"}},
      {"a,\r\n\r\nb\r\n", {"a", "", "", "b"}},  // an empty line is an empty field
      {"\"05,03\"x,\" 3 2 100\"", {"05,03", " 3 2 100"}},
      {" 3 2 100,  ,", {" 3 2 100", "  ", ""}},  // blanks belong to the game text
      {"a\rb\nc", {"a", "b", "c"}},
      {"\"open", {"open"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(u8(season_fields(QString::fromUtf8(c.text))), u8(c.fields)) << c.text;
}

TEST(SeasonFile, GameTextColumns) {
  const struct {
    const char* field;
    int runs, runs_other, attendance;
  } cases[] = {
      {"050330000", 5, 3, 30000}, {" 5 3 3000", 5, 3, 3000}, {"12", 12, 0, 0},
      {"1x2y", 1, 2, 0},          {"0000", 0, 0, 0},         {"01029E+99", 1, 2, 99999},
  };
  for (const auto& c : cases) {
    const Game game = read_game(c.field);
    EXPECT_EQ(game.runs, c.runs) << c.field;
    EXPECT_EQ(game.runs_other, c.runs_other) << c.field;
    EXPECT_EQ(game.attendance, c.attendance) << c.field;
  }
}

class SeasonFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override { QDir::setCurrent(dir.path()); }
  QTemporaryDir dir;
};

TEST_F(SeasonFileOnDisk, NeedsAllFields) {
  QStringList one_per_line(kSeasonFields, "");
  one_per_line[0] = "0102 1000";
  one_per_line[kSeasonFields - 1] = "\"0908 99999\"";
  ASSERT_TRUE(write_lines("Bas2001.DAT", one_per_line));
  const auto season = read_season("Bas2001.DAT");
  ASSERT_TRUE(season);
  EXPECT_EQ(u8((*season)[0][0][0]), u8("0102 1000"));
  EXPECT_EQ(u8((*season)[11][5][29]), u8("0908 99999"));
  EXPECT_EQ(u8((*season)[6][2][4]), u8(""));

  one_per_line.removeLast();
  ASSERT_TRUE(write_lines("Bas2002.DAT", one_per_line));
  EXPECT_FALSE(read_season("Bas2002.DAT"));
  EXPECT_FALSE(read_season("Bas2003.DAT"));
  EXPECT_EQ(u8(season_file_name("2003")), u8("Bas2003.DAT"));
}

}  // namespace
