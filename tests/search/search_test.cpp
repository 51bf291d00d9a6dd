#include "search/search.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "core/text_file.h"
#include "search/folding.h"

namespace {

// A working folder holding the given files, made current for the test.
class SearchFolder : public ::testing::Test {
 protected:
  void SetUp() override { QDir::setCurrent(dir_.path()); }
  void TearDown() override { QDir::setCurrent(old_); }
  static void file(const QString& name, const QStringList& lines) { write_lines(name, lines); }
  static std::vector<SearchRecord> records() {
    return read_search_records({QDate(2026, 12, 8), false});
  }

 private:
  QString old_ = QDir::currentPath();
  QTemporaryDir dir_;
};

QStringList lines_of(const std::vector<SearchRecord>& records, const QString& query) {
  return run_search(records, query).lines;
}

TEST(SearchFolding, WidthCaseAndKanaFoldTogether) {
  const struct {
    const char* query;
    const char* text;
  } rows[] = {{"ｽｽﾞｷ", "スズキ"}, {"スズキ", "すずき"}, {"すずき", "ｽｽﾞｷ"},
              {"ＡＢＣ", "abc"},  {"abc", "ＡＢＣ"},    {"Ｔｅｌ", "TEL"}};
  for (const auto& row : rows) {
    const QString query = QString::fromUtf8(row.query);
    const std::vector<SearchRecord> records{
        search_record(Source::Card, {}, {QString::fromUtf8(row.text)})};
    EXPECT_EQ(run_search(records, query).total, 1) << row.query << " / " << row.text;
  }
}

TEST(SearchMatching, EveryWordInOneRecordNeverAcrossRecordsOrFields) {
  const std::vector<SearchRecord> records{
      search_record(Source::Card, {}, {"鈴木商事", "営業部", "鈴木一郎"}),
      search_record(Source::Card, {}, {"田中", "営業"}),
      search_record(Source::Address, {}, {"鈴木", "東京"})};
  const struct {
    const char* query;
    int total;
  } rows[] = {{"鈴木 営業", 1}, {"鈴木　営業部", 1}, {"営業", 2}, {"田中 東京", 0}, {"木営", 0},
              {"", 0},          {" 　 ", 0},         {"鈴木", 2}};
  for (const auto& row : rows)
    EXPECT_EQ(run_search(records, QString::fromUtf8(row.query)).total, row.total) << row.query;
  EXPECT_EQ(count_text("", {}), "");
  EXPECT_EQ(count_text("田中 東京", run_search(records, "田中 東京")), "0件");
}

TEST(SearchMatching, ShowsAtMost500LinesAndCountsAll) {
  std::vector<SearchRecord> records;
  for (int i = 0; i < 700; ++i) records.push_back(search_record(Source::Ledger, {}, {"パン"}));
  const SearchResults results = run_search(records, "ぱん");
  EXPECT_EQ(results.total, 700);
  EXPECT_EQ(results.lines.size(), 500);
  EXPECT_EQ(count_text("ぱん", results), "700件");
}

TEST_F(SearchFolder, ReadsEveryFileGroupedAndByDate) {
  file("memo.dat", {"2026/12/20会議", "鈴木さんと", "", "2026/01/05鈴木へ電話"});
  file("Memorial.DAT", {"1224鈴木の誕生日", "0105鈴木の記念日", "1208鈴木の日", "0229鈴木の閏日"});
  file("TO2025.KOZ", {"*12202512245000鈴木から"});
  file("TO2026.KOZ", {"*12202601025000お年玉鈴木", "1120260105350鈴木パン"});
  file("Meishi.DAT", {R"("鈴木商事","","","鈴木一郎","","","","","","")"});
  file("Address.DAT", {R"("田中","","","","","","","")", R"("鈴木花子","","","","","","","")"});
  file("ZOUTOU.ZOU", {"2026年12月1日  鈴木                  お歳暮", "----------",
                      "2025年7月1日  鈴木                  お中元"});
  const QStringList lines = lines_of(records(), "鈴木");
  const QStringList expected{
      "2026/01/05  メモ        鈴木へ電話",   "2026/12/20  メモ        鈴木さんと",
      "2026/12/08  記念日      鈴木の日",     "2026/12/24  記念日      鈴木の誕生日",
      "2027/01/05  記念日      鈴木の記念日", "2028/02/29  記念日      鈴木の閏日",
      "2025/12/24  こづかい帳  鈴木から",     "2026/01/02  こづかい帳  お年玉鈴木",
      "2026/01/05  こづかい帳  鈴木パン",     "            名刺        鈴木商事　鈴木一郎",
      "            住所録      鈴木花子",     "2025/07/01  贈答        鈴木",
      "2026/12/01  贈答        鈴木"};
  EXPECT_EQ(lines, expected);
  const std::vector<SearchRecord> all = records();
  const SearchResults found = run_search(all, "お中元");
  ASSERT_EQ(found.shown.size(), 1u);
  EXPECT_EQ(all[found.shown[0]].view, 1);
  EXPECT_EQ(all[found.shown[0]].record, 0);  // its row in the received list
  EXPECT_EQ(all[run_search(all, "花子").shown[0]].record, 1);
}

TEST_F(SearchFolder, HolidaysOfThisYearAsTheGridNamesThem) {
  const std::vector<SearchRecord> all = records();
  EXPECT_EQ(lines_of(all, "成人の日"), QStringList{"2026/01/12  祝日        成人の日"});
  EXPECT_EQ(lines_of(all, "秋分"), QStringList{"2026/09/23  祝日        秋分の日"});
  const std::vector<SearchRecord> law = read_search_records({QDate(2026, 12, 8), true});
  EXPECT_EQ(lines_of(law, "山の日"), QStringList{"2026/08/11  祝日        山の日"});
  EXPECT_TRUE(lines_of(all, "山の日").isEmpty());  // the classic table has no 山の日
}

TEST(SearchLines, LongTextIsCutToTheListWidth) {
  const std::vector<SearchRecord> records{
      search_record(Source::Memo, QDate(2026, 12, 8), {"あ" + QString(100, QChar(0x3044))})};
  const QString line = run_search(records, "あ").lines.value(0);
  EXPECT_LE(display_cells(line), kResultCells);
  EXPECT_GT(display_cells(line), kResultCells - 2);
}

}  // namespace
