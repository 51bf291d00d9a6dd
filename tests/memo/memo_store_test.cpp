#include "memo/memo_store.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QStringList>

namespace {

const QDate kMay31(2003, 5, 31);

QStringList held(const MemoTables& tables) { return tables.memo_txt.mid(1, tables.memo_cnt); }

TEST(MemoStore, AutoDeletionDropsMemosThirtyOrMoreDaysOld) {
  const QStringList file = {"2003/05/01thirty", "continued",       "2003/05/02twenty-nine",
                            "2004/01/01future", "2003/04/01older", "also dropped",
                            "2003/05/31today"};
  const MemoLoad load = load_memos(file, true, kMay31);
  EXPECT_EQ(held(load.tables), (QStringList{"2003/05/02twenty-nine\r\n", "2003/05/31today\r\n",
                                            "2004/01/01future\r\n"}));
  EXPECT_EQ(load.tables.memo_cnt, 3);
  // The rewrite keeps the order read, one empty line after each memo.
  EXPECT_TRUE(load.rewrite);
  EXPECT_EQ(load.rewrite_lines, (QStringList{"2003/05/02twenty-nine", "", "2004/01/01future", "",
                                             "2003/05/31today", ""}));
}

TEST(MemoStore, WithoutAutoDeletionEveryMemoStaysAndNothingIsRewritten) {
  const MemoLoad load = load_memos({"1990/01/01old", "2003/05/12new"}, false, kMay31);
  EXPECT_EQ(load.tables.memo_cnt, 2);
  EXPECT_FALSE(load.rewrite);
}

TEST(MemoStore, FileWithoutMemosIsRewrittenOnlyWhenItHadContent) {
  EXPECT_FALSE(load_memos({}, true, kMay31).rewrite);
  EXPECT_FALSE(load_memos({"", "", ""}, true, kMay31).rewrite);
  const MemoLoad stray = load_memos({"stray"}, true, kMay31);
  EXPECT_EQ(stray.tables.memo_cnt, 0);
  EXPECT_TRUE(stray.rewrite);
  EXPECT_TRUE(stray.rewrite_lines.isEmpty());
  EXPECT_EQ(stray.tables.today_memo[0], 1000);
}

TEST(MemoStore, DateLineNamingNoDateIsKeptAndLoadingGoesOn) {
  const QStringList file = {"2003/05/20b", "2003/13/45odd", "more", "2003/02/30x", "2003/05/12a"};
  const MemoLoad load = load_memos(file, true, kMay31);
  EXPECT_EQ(load.tables.memo_cnt, 4);
  EXPECT_TRUE(load.tables.memo_txt.contains("2003/13/45odd\r\nmore\r\n"));
  EXPECT_TRUE(load.tables.memo_txt.contains("2003/02/30x\r\n"));
  EXPECT_TRUE(load.tables.memo_txt.contains("2003/05/12a\r\n"));
  EXPECT_TRUE(load.rewrite_lines.contains("2003/13/45odd"));
  EXPECT_FALSE(memo_expired("2003/13/45", kMay31));
  EXPECT_FALSE(memo_expired("abcd/", kMay31));
}

TEST(MemoStore, MemosSortByDateThenTextIgnoringCase) {
  const MemoLoad load = load_memos({"2003/05/20c", "2003/05/12b", "2003/05/12A"}, false, kMay31);
  EXPECT_EQ(held(load.tables),
            (QStringList{"2003/05/12A\r\n", "2003/05/12b\r\n", "2003/05/20c\r\n"}));
  EXPECT_EQ(load.tables.memo_line.mid(1),
            (QStringList{"2003/05/12A", "2003/05/12b", "2003/05/20c"}));
  EXPECT_EQ(load.tables.memo_txt[0], "");
}

TEST(MemoStore, TodaysMemosAreListedBySlot) {
  const QDate may12(2003, 5, 12);
  const MemoLoad load = load_memos(
      {"2003/05/20later", "2003/05/12b", "2003/05/01earlier", "2003/05/12a"}, false, may12);
  const QList<int> expected = {2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(load.tables.today_memo, expected);

  const MemoLoad none = load_memos({"2003/05/20later"}, false, may12);
  EXPECT_EQ(none.tables.today_memo[0], 1000);
  EXPECT_EQ(none.tables.today_memo.size(), kTodayEntries);
}

TEST(MemoStore, MoreThanElevenMemosTodayAreAllListed) {
  QStringList file;
  for (int i = 0; i < 13; ++i) file.append(QString("2003/05/12memo %1").arg(i, 2, 10, QChar('0')));
  const MemoLoad load = load_memos(file, false, QDate(2003, 5, 12));
  ASSERT_EQ(load.tables.today_memo.size(), 14);
  for (int i = 0; i < 13; ++i) EXPECT_EQ(load.tables.today_memo[i], i + 1);
  EXPECT_EQ(load.tables.today_memo[13], 0);
}

TEST(MemoStore, MoreThanTwoHundredMemosLoadAndSaveWhole) {
  QStringList file;
  for (int i = 0; i < 250; ++i)
    file << QString("2003/05/%1memo").arg(i % 28 + 1, 2, 10, QChar('0')) << "";
  const MemoLoad load = load_memos(file, true, QDate(2003, 5, 12));
  EXPECT_EQ(load.tables.memo_cnt, 250);
  EXPECT_EQ(load.rewrite_lines, file);
}

}  // namespace
