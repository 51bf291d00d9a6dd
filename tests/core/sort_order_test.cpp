#include "core/sort_order.h"

#include <gtest/gtest.h>

#include <QDate>
#include <algorithm>
#include <random>

namespace {

QStringList texts(std::initializer_list<const char*> items) {
  QStringList list;
  for (const char* item : items) list << QString::fromUtf8(item);
  return list;
}

TEST(ListLess, IgnoresLetterCaseOnly) {
  EXPECT_TRUE(list_less("2003/05/12 b", "2003/05/12 C"));
  EXPECT_TRUE(list_less("2003/05/12 C", "2003/05/13 a"));
  EXPECT_FALSE(list_less("abc", "ABC"));
  EXPECT_FALSE(list_less("ABC", "abc"));
  EXPECT_TRUE(list_less("abc", "ABD"));
  EXPECT_TRUE(list_less("", "a"));
  EXPECT_FALSE(list_less("a", ""));
  EXPECT_FALSE(list_less("a", "a"));
}

TEST(ListLess, BlanksComeBeforeDigits) {
  // Right-aligned amounts after a date sort by size.
  EXPECT_TRUE(list_less("2003/05/12    500 x", "2003/05/12   1500 a"));
  EXPECT_TRUE(list_less("2003/05/12  9", "2003/05/12 10"));
  EXPECT_TRUE(list_less("2003/05/12", "2003/05/12 a"));
}

TEST(ListLess, KanaFollowTheJapaneseOrder) {
  EXPECT_TRUE(list_less("あいう", "かきく"));
  EXPECT_TRUE(list_less("か", "が"));
  EXPECT_TRUE(list_less("ア", "カ"));
}

TEST(ListSort, DateKeysComeOutChronologically) {
  QStringList expected;
  for (QDate d(1999, 12, 25); d <= QDate(2000, 3, 5); d = d.addDays(3)) {
    expected << QString("%1/%2/%3 memo")
                    .arg(d.year(), 4, 10, QChar('0'))
                    .arg(d.month(), 2, 10, QChar('0'))
                    .arg(d.day(), 2, 10, QChar('0'));
  }
  QStringList items = expected;
  std::mt19937 random(7);
  std::shuffle(items.begin(), items.end(), random);
  list_sort(items);
  EXPECT_EQ(items, expected);
}

TEST(ListSort, IsStableForTextsThatCompareEqual) {
  QStringList items = texts({"b", "A", "a", "B", "c"});
  list_sort(items);
  EXPECT_EQ(items, texts({"A", "a", "b", "B", "c"}));
  QStringList reversed = texts({"B", "a", "A", "b"});
  list_sort(reversed);
  EXPECT_EQ(reversed, texts({"a", "A", "B", "b"}));
}

TEST(ListSort, SortsMemosOfOneDayByText) {
  QStringList items = texts({"2003/05/13 a", "2003/05/12 C", "2003/05/12 b", "2003/05/12 Ab"});
  list_sort(items);
  EXPECT_EQ(items, texts({"2003/05/12 Ab", "2003/05/12 b", "2003/05/12 C", "2003/05/13 a"}));
}

TEST(ListLess, IsAStrictWeakOrder) {
  // std::stable_sort needs irreflexivity, asymmetry, transitivity and
  // transitive equivalence; check them on a mixed sample.
  const QStringList sample =
      texts({"",  " ",   "a",  "A", "ab", "aB", "b",    "B",  "1",          "10",
             "9", "あ",  "ア", "ｱ", "か", "が", "漢字", "Ａ", "2003/05/12", "2003/05/12 x",
             "-", "a-b", "ab-"});
  auto equivalent = [](const QString& x, const QString& y) {
    return !list_less(x, y) && !list_less(y, x);
  };
  for (const QString& x : sample) {
    EXPECT_FALSE(list_less(x, x)) << x.toStdString();
    for (const QString& y : sample) {
      if (list_less(x, y)) {
        EXPECT_FALSE(list_less(y, x));
      }
      for (const QString& z : sample) {
        if (list_less(x, y) && list_less(y, z)) {
          EXPECT_TRUE(list_less(x, z));
        }
        if (equivalent(x, y) && equivalent(y, z)) {
          EXPECT_TRUE(equivalent(x, z));
        }
      }
    }
  }
}

}  // namespace
