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

TEST(ListLess, Pairs) {
  const struct {
    const char* a;
    const char* b;
    bool less;
  } cases[] = {
      // Letter case is ignored, and only that.
      {"2003/05/12 b", "2003/05/12 C", true},
      {"2003/05/12 C", "2003/05/13 a", true},
      {"abc", "ABC", false},
      {"ABC", "abc", false},
      {"abc", "ABD", true},
      {"", "a", true},
      {"a", "", false},
      {"a", "a", false},
      // Blanks come before digits: right-aligned amounts after a date sort by size.
      {"2003/05/12    500 x", "2003/05/12   1500 a", true},
      {"2003/05/12  9", "2003/05/12 10", true},
      {"2003/05/12", "2003/05/12 a", true},
      // Kana follow the Japanese order.
      {"あいう", "かきく", true},
      {"か", "が", true},
      {"ア", "カ", true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(list_less(QString::fromUtf8(c.a), QString::fromUtf8(c.b)), c.less)
        << c.a << " < " << c.b;
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

TEST(ListSort, StableAndByText) {
  const struct {
    QStringList items, sorted;
  } cases[] = {
      // Stable for texts that compare equal.
      {texts({"b", "A", "a", "B", "c"}), texts({"A", "a", "b", "B", "c"})},
      {texts({"B", "a", "A", "b"}), texts({"a", "A", "B", "b"})},
      // Memos of one day by their text.
      {texts({"2003/05/13 a", "2003/05/12 C", "2003/05/12 b", "2003/05/12 Ab"}),
       texts({"2003/05/12 Ab", "2003/05/12 b", "2003/05/12 C", "2003/05/13 a"})},
  };
  for (const auto& c : cases) {
    QStringList items = c.items;
    list_sort(items);
    EXPECT_EQ(items, c.sorted);
  }
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
