#include "ledger/koz_listing.h"

#include <gtest/gtest.h>

#include "ledger/koz_rules.h"

namespace {

const QString W(QChar(0x3000));  // full-width blank

KozTables tables_of(const QStringList& nyukin, const QStringList& shisyutu) {
  KozTables tables;
  for (const QString& line : nyukin) tables.nyukin.push_back(koz_line(line));
  for (const QString& line : shisyutu) tables.shisyutu.push_back(koz_line(line));
  return tables;
}

TEST(KozListing, LineLayoutOfTheWorkedExample) {
  const auto record = parse_koz_record("1120030305350パン");
  ASSERT_TRUE(record);
  const QString month_line = "05" + W + W + "    350" + "     " + "パン" + W.repeated(18);
  EXPECT_EQ(koz_list_line(*record, KozTerm::Month), month_line);
  EXPECT_EQ(koz_list_line(*record, KozTerm::Year), "03" + month_line);
  // Items are cut to 20 characters; amounts to their last 7.
  const auto longer =
      parse_koz_record(build_koz_record(false, 2003, 3, 5, "00000000000000012345",
                                        "あいうえおかきくけこさしすせそたちつてとなにぬねの"));
  ASSERT_TRUE(longer);
  EXPECT_EQ(koz_list_line(*longer, KozTerm::Month),
            "05" + W + W + "0012345" + "     " + "あいうえおかきくけこさしすせそたちつてと");
}

TEST(KozListing, MonthListingSortsAndTotalsBothKinds) {
  const KozTables tables = tables_of(
      {"*12200303015000お年玉", "*12200304015000x"},
      {"1220030315120015日", "09200303033c", "1120030328350d", "1120030315350a", "1120030415999z"});
  const KozListing listing = make_listing(tables, KozKind::Shisyutu, KozTerm::Month, 2003, 3);
  ASSERT_EQ(listing.lines.size(), 4);
  EXPECT_TRUE(listing.lines[0].startsWith("03"));
  EXPECT_TRUE(listing.lines[1].startsWith("15" + W + W + "    350"));  // 350 before 1200
  EXPECT_TRUE(listing.lines[2].startsWith("15" + W + W + "   1200"));
  EXPECT_TRUE(listing.lines[3].startsWith("28"));
  EXPECT_EQ(listing.nyukin_sum, 5000);
  EXPECT_EQ(listing.shisyutu_sum, 1903);
  const KozListing year = make_listing(tables, KozKind::Nyukin, KozTerm::Year, 2003, 3);
  EXPECT_EQ(year.lines.size(), 2);
  EXPECT_EQ(year.nyukin_sum, 10000);
  EXPECT_EQ(year.shisyutu_sum, 2902);
}

TEST(KozListing, TotalsDoNotOverflow) {
  KozTables tables;
  for (int i = 0; i < 1000; ++i) tables.shisyutu.push_back(koz_line("15200301019999999x"));
  const KozListing listing = make_listing(tables, KozKind::Shisyutu, KozTerm::Year, 2003, 1);
  EXPECT_EQ(listing.shisyutu_sum, 9999999000LL);
  EXPECT_EQ(yen_text(listing.nyukin_sum - listing.shisyutu_sum), "-9999999000円");
}

TEST(KozListing, Captions) {
  EXPECT_EQ(year_month_caption(2003, 3), "2003年" + W + "3月");
  EXPECT_EQ(year_month_caption(2003, 12), "2003年12月");
  EXPECT_EQ(day_caption(5), W + "5日");
  EXPECT_EQ(day_caption(12), "12日");
}

TEST(KozListing, SelectedLineFindsTheFirstMatchingRecord) {
  const KozTables tables = tables_of(
      {}, {"1120030305350パン", "1120030305350パン　", "1120030305350パン", "1120020305350パン"});
  for (KozTerm term : {KozTerm::Month, KozTerm::Year}) {
    const KozListing listing = make_listing(tables, KozKind::Shisyutu, term, 2003, 3);
    ASSERT_EQ(listing.lines.size(), 3);
    const DeleteKeys keys = delete_keys(listing.lines[0], term, 3);
    EXPECT_EQ(keys.date, "0305");
    EXPECT_EQ(keys.amount, "350");
    EXPECT_EQ(keys.item, "パン");
    EXPECT_EQ(find_listed_record(tables.shisyutu, keys, 2003), 0);
    // Another year's record never answers.
    EXPECT_EQ(find_listed_record({tables.shisyutu[3]}, keys, 2003), -1);
  }
}

TEST(KozRules, AmountCheck) {
  const struct {
    const char* text;
    int result;
  } cases[] = {
      {"350", 0},      {"１２３", 0},   {"9999999", 0},   {"0000350", 0},
      {"", 1},         {"0", 1},        {"000", 1},       {"12,000", 1},
      {"-5", 1},       {" 5", 1},       {"1e9", 1},       {"金額入力", 1},
      {"10000000", 2}, {"12345678", 2}, {"99999999a", 2}, {"１２３４５６７８", 2},
  };
  for (const auto& c : cases)
    EXPECT_EQ(amount_check(QString::fromUtf8(c.text)), c.result) << c.text;
}

TEST(KozRules, SettingsLine) {
  const QDate today(2026, 12, 7);
  const struct {
    const char* line;
    int year, month;
  } cases[] = {
      {"KOZ = 200305", 2003, 5},  {"KOZ = 200512", 2005, 12},
      {"KOZ = 200513", 2026, 12}, {"KOZ = 200500", 2026, 12},
      {"KOZ = 20055", 2026, 12},  {"KOZ = 2005051", 2026, 12},
      {"KOZ=200305", 2026, 12},   {"", 2026, 12},
  };
  for (const auto& c : cases) {
    const YearMonth read = koz_setting_month(c.line, today);
    EXPECT_EQ(read.year, c.year) << c.line;
    EXPECT_EQ(read.month, c.month) << c.line;
  }
  EXPECT_EQ(koz_setting_line(2003, 5), "KOZ = 200305");
}

TEST(KozRules, NavigationStepsAndBounds) {
  const struct {
    int button, year, month, last;
    int to_year, to_month;
    bool reload;
  } cases[] = {
      {1, 2003, 3, 2010, 2003, 2, false},  {2, 2003, 12, 2010, 2004, 1, true},
      {1, 2003, 1, 2010, 2002, 12, true},  {1, 1998, 1, 2010, 1998, 1, true},
      {2, 2010, 12, 2010, 2010, 12, true}, {3, 2009, 7, 2010, 2010, 7, true},
      {3, 2010, 7, 2010, 2010, 7, true},   {3, 2010, 7, 2027, 2011, 7, true},
      {0, 1998, 4, 2010, 1998, 4, true},   {0, 2030, 4, 2027, 2029, 4, true},
  };
  for (const auto& c : cases) {
    const KozStep step = navigation_step(c.button, {c.year, c.month}, c.last);
    EXPECT_EQ(step.to.year, c.to_year) << c.button << " " << c.year << "/" << c.month;
    EXPECT_EQ(step.to.month, c.to_month) << c.button << " " << c.year << "/" << c.month;
    EXPECT_EQ(step.reload, c.reload) << c.button << " " << c.year << "/" << c.month;
  }
  EXPECT_EQ(last_step_year(QDate(2003, 5, 12)), 2010);
  EXPECT_EQ(last_step_year(QDate(2026, 5, 12)), 2027);
}

}  // namespace
