#include "baseball/season_file.h"

#include <gtest/gtest.h>

#include "baseball/texts.h"

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

}  // namespace
