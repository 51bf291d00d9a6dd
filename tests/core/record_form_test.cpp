#include "core/record_form.h"

#include <gtest/gtest.h>

#include "core/scripted_platform.h"

namespace {

TEST(RecordForm, PagingStopsAtBothEndsAndNeverLeavesTheRecords) {
  const struct {
    int page;  // a button's index, or -1 for a record number picked
    int current, count, shown;
  } cases[] = {
      {0, 3, 5, 1},  {1, 3, 5, 2},  {2, 3, 5, 4},  {3, 3, 5, 5},  // one step each way
      {1, 1, 5, 1},  {2, 5, 5, 5},                                // held at either end
      {0, 0, 0, 0},  {1, 0, 0, 0},  {2, 0, 0, 0},  {3, 0, 0, 0},  // no records, no record shown
      {-1, 4, 5, 4}, {-1, 0, 5, 1}, {-1, 6, 5, 5}, {-1, 2, 0, 0}  // by number, held within
  };
  for (const auto& c : cases) {
    const int shown =
        c.page < 0 ? page_at(c.current, c.count) : turn_page(PageStep(c.page), c.current, c.count);
    EXPECT_EQ(shown, c.shown) << c.page << " " << c.current << "/" << c.count;
  }
}

TEST(RecordForm, ClosingSavesWhatChangedAndAsksOnlyWhenTheSaveFailed) {
  const struct {
    bool dirty, writes;
    const char* answer;  // to the question, "" when none is expected
    int written;
    bool dirty_after, closes;
  } cases[] = {
      {false, false, "", 0, false, true},  // nothing changed: no writing, no question
      {true, true, "", 1, false, true},
      {true, false, "yes", 1, true, true},  // failure told, then asked; still dirty
      {true, false, "no", 1, true, false},
  };
  for (const auto& c : cases) {
    ScriptedPlatform platform;
    if (*c.answer) platform.answers = {"ok", c.answer};  // the failure, then the question
    bool dirty = c.dirty;
    int written = 0;
    const bool saved = save_if_changed(platform, dirty, "Address.DAT", [&] {
      ++written;
      return c.writes;
    });
    const bool closes = close_or_ask(platform, saved, "閉じますか？");
    EXPECT_EQ(written, c.written) << c.answer;
    EXPECT_EQ(dirty, c.dirty_after) << c.answer;
    EXPECT_EQ(closes, c.closes) << c.answer;
    ASSERT_EQ(platform.shown.size(), *c.answer ? 2u : 0u) << c.answer;
    if (!*c.answer) continue;
    EXPECT_TRUE(platform.shown[0].text.contains("Address.DAT"));
    EXPECT_EQ(platform.shown[1].text, "閉じますか？");
    EXPECT_EQ(platform.shown[1].buttons, MsgButtons::YesNo);
  }
}

TEST(RecordForm, TypedTextKeepsOnlyWhatTheFileCanHold) {
  const struct {
    const char* typed;
    FieldFormat format;
    const char* kept;
    bool quote;
    const char* refused;
  } cases[] = {
      {"山田 \"太郎\"", FieldFormat::Line, "山田 \"太郎\"", false, ""},
      {"山田 \"太郎\"", FieldFormat::Quoted, "山田 太郎", true, ""},
      {"一行\r\n二行\n", FieldFormat::Line, "一行二行", false, ""},
      {"丼😀と\"鷗\"", FieldFormat::Quoted, "丼と", true, "😀鷗"},
      {"①㈱髙", FieldFormat::Line, "①㈱髙", false, ""},  // CP932's own extensions stay
  };
  for (const auto& c : cases) {
    QString text = QString::fromUtf8(c.typed);
    const CleanedText cleaned = clean_for_file(text, c.format);
    EXPECT_EQ(text, QString::fromUtf8(c.kept)) << c.typed;
    EXPECT_EQ(cleaned.quote, c.quote) << c.typed;
    EXPECT_EQ(cleaned.refused, QString::fromUtf8(c.refused)) << c.typed;
  }
  EXPECT_EQ(refusal_message("😀", "住所録"),
            "「😀」は住所録に保存できない文字のため、入力できません。");
}

}  // namespace
