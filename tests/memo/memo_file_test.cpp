#include "memo/memo_file.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "core/text_file.h"

namespace {

QStringList memos_of(const QStringList& file_lines) {
  QStringList memos;
  for (const QStringList& memo : parse_memo_lines(file_lines).memos) memos.append(full_form(memo));
  return memos;
}

TEST(MemoFile, DateLineHasASlashAsFifthOrEighthCharacter) {
  const struct {
    const char* line;
    bool date;
  } cases[] = {
      {"2003/05/12買い物", true}, {"2003/05/12", true}, {"abcd/", true},       {"1234567/", true},
      {"12345678/", false},       {"abc/", false},      {"2003-05-12", false}, {"", false},
      {"20030/05/12", false},     {"2003/13/45", true},
  };
  for (const auto& c : cases) EXPECT_EQ(is_date_line(QString::fromUtf8(c.line)), c.date) << c.line;
}

TEST(MemoFile, FullFormRoundTripIsStable) {
  const QStringList file = {"2003/05/12買い物", "牛乳", "パン", "", "2003/05/20会議", ""};
  const QStringList memos = memos_of(file);
  ASSERT_EQ(memos.size(), 2);
  EXPECT_EQ(memos[0], "2003/05/12買い物\r\n牛乳\r\nパン\r\n");
  EXPECT_EQ(memos[1], "2003/05/20会議\r\n");
  // Written and read again, over and over: the one empty line never grows.
  QStringList written = full_form_file(memos);
  EXPECT_EQ(written, file);
  for (int round = 0; round < 3; ++round) written = full_form_file(memos_of(written));
  EXPECT_EQ(written, file);
}

TEST(MemoFile, NewMemoIsWrittenWithOneLineEnd) {
  // A memo typed in this run has no closing line end of its own.
  EXPECT_EQ(full_form_file({"2003/05/12a\r\nb"}), (QStringList{"2003/05/12a", "b"}));
  // Stray CR or LF alone still end a line, so no line of the file holds one.
  EXPECT_EQ(full_form_file({"2003/05/12a\nb\rc\r\n"}), (QStringList{"2003/05/12a", "b", "c", ""}));
  EXPECT_TRUE(full_form_file({}).isEmpty());
}

TEST(MemoFile, OneLineFormJoinsTheLines) {
  const QStringList file = {"2003/05/12買い物", "牛乳", "パン", "", "2003/05/20会議", ""};
  QStringList items;
  for (const QStringList& memo : parse_memo_lines(file).memos) items.append(one_line_form(memo));
  EXPECT_EQ(items, (QStringList{"2003/05/12買い物牛乳パン", "2003/05/20会議"}));
  EXPECT_EQ(one_line_file(items), items);
  // Read back, the one-line file gives the same items.
  QStringList again;
  for (const QStringList& memo : parse_memo_lines(one_line_file(items)).memos)
    again.append(one_line_form(memo));
  EXPECT_EQ(again, items);
  EXPECT_EQ(one_line_file({"2003/05/12a\r\nb"}), QStringList{"2003/05/12ab"});
}

TEST(MemoFile, ContinuationLineBeginningWithADateStartsANewMemo) {
  const QStringList memos = memos_of(full_form_file({"2003/05/12予定\r\n2003/06/01に旅行"}));
  EXPECT_EQ(memos, (QStringList{"2003/05/12予定\r\n", "2003/06/01に旅行\r\n"}));
}

TEST(MemoFile, EmptyLinesAndLinesBeforeTheFirstMemoAreSkipped) {
  MemoFileContents contents = parse_memo_lines({"", "", ""});
  EXPECT_TRUE(contents.memos.isEmpty());
  EXPECT_FALSE(contents.has_content);

  contents = parse_memo_lines({"no date yet", "", "2003/05/12a", "", "b"});
  ASSERT_EQ(contents.memos.size(), 1);
  EXPECT_EQ(contents.memos[0], (QStringList{"2003/05/12a", "b"}));
  EXPECT_TRUE(contents.has_content);

  contents = parse_memo_lines({"only a continuation"});
  EXPECT_TRUE(contents.memos.isEmpty());
  EXPECT_TRUE(contents.has_content);
}

TEST(MemoFile, BadBytesNeitherCrashNorLoseTheMemo) {
  // 0x81 0x20 is a broken double-byte character, 0xFF no character at all.
  const QString line = from_cp932(QByteArray("2003/05/12\x81\x20x\xff", 14));
  const MemoFileContents contents = parse_memo_lines({line, from_cp932("\xfe\xfe")});
  ASSERT_EQ(contents.memos.size(), 1);
  EXPECT_TRUE(contents.memos[0][0].startsWith("2003/05/12"));
  EXPECT_EQ(contents.memos[0].size(), 2);
}

}  // namespace
