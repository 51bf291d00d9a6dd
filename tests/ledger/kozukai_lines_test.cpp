#include "ledger/kozukai_lines.h"

#include <gtest/gtest.h>

#include "ledger/kozukai_rules.h"

namespace {

const QString W(QChar(0x3000));  // full-width blank

KozTables expenses(const QStringList& lines) {
  KozTables tables;
  for (const QString& line : lines) tables.shisyutu.push_back(koz_line(line));
  return tables;
}

TEST(KozListing, LineLayoutOfTheWorkedExample) {
  const QString month_line = "05" + W + W + "    350" + "     " + "パン" + W.repeated(18);
  const KozTables tables = expenses({"1120030305350パン"});
  EXPECT_EQ(make_listing(tables, KozKind::Shisyutu, KozTerm::Month, 2003, 3).lines,
            QStringList{month_line});
  EXPECT_EQ(make_listing(tables, KozKind::Shisyutu, KozTerm::Year, 2003, 3).lines,
            QStringList{"03" + month_line});
  // Amounts show their last 7 characters, items their first 20.
  const auto longer =
      parse_koz_record(build_koz_record(false, 2003, 3, 5, "00000000000000012345",
                                        "あいうえおかきくけこさしすせそたちつてとなにぬねの"));
  ASSERT_TRUE(longer);
  EXPECT_EQ(koz_list_line(*longer, KozTerm::Month),
            "05" + W + W + "0012345" + "     " + "あいうえおかきくけこさしすせそたちつてと");
}

TEST(KozListing, TotalsAreSixtyFourBit) {
  KozTables tables = expenses(QStringList(1000, "15200301019999999x"));
  tables.nyukin.push_back(koz_line("*1120030101500x"));
  const KozListing listing = make_listing(tables, KozKind::Nyukin, KozTerm::Month, 2003, 1);
  EXPECT_EQ(listing.lines.size(), 1);
  EXPECT_EQ(yen_text(listing.nyukin_sum - listing.shisyutu_sum), "-9999998500円");
}

TEST(KozListing, SelectedLineRemovesTheFirstOfIdenticalRecords) {
  const KozTables tables = expenses(
      {"1120020305350パン", "1120030305350パン", "1120030305350パン　", "1120030305350パン"});
  for (KozTerm term : {KozTerm::Month, KozTerm::Year}) {
    const KozListing listing = make_listing(tables, KozKind::Shisyutu, term, 2003, 3);
    ASSERT_EQ(listing.lines.size(), 3);
    // The 2002 record is another year's: the first match of 2003 is line 1.
    EXPECT_EQ(find_listed_record(tables.shisyutu, delete_keys(listing.lines[2], term, 3), 2003), 1);
  }
}

TEST(KozRules, AmountCheck) {
  const struct {
    const char* text;
    int result;
  } cases[] = {
      {"350", 0},       {"１２３", 0},
      {"9999999", 0},   {"0000350", 0},
      {"", 1},          {"0", 1},
      {"000", 1},       {"12,000", 1},
      {"-5", 1},        {"1e9", 1},
      {"金額入力", 1},  {"10000000", 2},
      {"99999999a", 2}, {"１２３４５６７８", 2},
  };
  for (const auto& c : cases)
    EXPECT_EQ(int(amount_check(QString::fromUtf8(c.text))), c.result) << c.text;
}

TEST(KozRules, NavigationStepsAndBounds) {
  const struct {
    int button, from, last, to;  // year * 100 + month
    bool reload;
  } cases[] = {
      {1, 200303, 2010, 200302, false}, {2, 200312, 2010, 200401, true},
      {1, 199801, 2010, 199801, true},  {2, 201012, 2010, 201012, true},
      {3, 200907, 2010, 201007, true},  {3, 201007, 2027, 201107, true},
      {0, 199804, 2010, 199804, true},  {0, 203004, 2027, 202904, true},
  };
  for (const auto& c : cases) {
    const KozStep step = navigation_step(c.button, {c.from / 100, c.from % 100}, c.last);
    EXPECT_EQ(step.to.year * 100 + step.to.month, c.to) << c.button << " " << c.from;
    EXPECT_EQ(step.reload, c.reload) << c.button << " " << c.from;
  }
  EXPECT_EQ(last_step_year(QDate(2003, 5, 12)), 2010);
  EXPECT_EQ(last_step_year(QDate(2026, 5, 12)), 2027);
}

}  // namespace
