// The element table against a published reference, and the periodic face's keys.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <functional>
#include <map>
#include <set>

#include "calculator/calc_elements.h"
#include "calculator_driver.h"

namespace {

QString full_width(const QString& ascii) {
  QString text;
  for (QChar ch : ascii) text += QChar(char16_t(ch.unicode() + 0xFEE0));
  return text;
}

// Electrons per shell, innermost first, from a configuration such as "[Ar] 3d6 4s2".
QString shells_of(const QString& configuration) {
  static const std::map<QString, QString> kCores{{"He", "1s2"},
                                                 {"Ne", "[He] 2s2 2p6"},
                                                 {"Ar", "[Ne] 3s2 3p6"},
                                                 {"Kr", "[Ar] 3d10 4s2 4p6"},
                                                 {"Xe", "[Kr] 4d10 5s2 5p6"},
                                                 {"Rn", "[Xe] 4f14 5d10 6s2 6p6"}};
  std::map<int, int> per_shell;
  std::function<void(const QString&)> add = [&](const QString& text) {
    for (const QString& term : text.split(' ', Qt::SkipEmptyParts)) {
      if (term.startsWith('[')) {
        add(kCores.at(term.mid(1, term.size() - 2)));
        continue;
      }
      per_shell[term.left(1).toInt()] += term.mid(2).toInt();
    }
  };
  add(configuration);
  QStringList counts;
  for (int n = 1; n <= per_shell.rbegin()->first; ++n) counts << QString::number(per_shell[n]);
  return counts.join('-');
}

struct Reference {
  QString symbol, weight, shells;
};

// tests/data/elements_reference.csv: number, symbol, weight with its uncertainty
// or [mass number], configuration.
std::map<int, Reference> read_reference() {
  std::map<int, Reference> rows;
  QFile file(QStringLiteral(TORIBE_TEST_DATA) + "/elements_reference.csv");
  if (!file.open(QIODevice::ReadOnly)) return rows;
  for (const QByteArray& raw : file.readAll().split('\n')) {
    const QString line = QString::fromUtf8(raw).trimmed();
    if (line.isEmpty() || line.startsWith('#')) continue;
    const QStringList f = line.split(',');
    QString weight = f[2];
    if (weight.startsWith('[')) {
      weight = "(" + weight.mid(1, weight.size() - 2) + ")";
    } else {
      weight.remove(QRegularExpression(R"(\(\d+\)$)"));  // the uncertainty
    }
    rows[f[0].toInt()] = {f[1], weight, shells_of(f[3])};
  }
  return rows;
}

ElementTable elements() {
  ElementTable table;
  read_syu(table);
  return table;
}

struct GivenRow {
  int number;
  const char* symbol;
  const char* name;
  const char* weight;
  const char* shells;
  const char* category;
};

const GivenRow kGiven[] = {
    {1, "Ｈ", "水素", "１．００７９４", "１", "アルカリ金属"},
    {2, "Ｈｅ", "ヘリウム", "４．００２６０２", "２", "不活性ガス"},
    {3, "Ｌｉ", "リチュウム", "６．９４１", "２－１", "アルカリ金属"},
    {11, "Ｎａ", "ナトリウム", "２２．９８９７６８", "２－８－１", "アルカリ金属"},
    {26, "Ｆｅ", "鉄", "５５．８４５", "２－８－１４－２", "遷移金属"},
    {43, "Ｔｃ", "テクネチウム", "（９９）", "２－８－１８－１３－２", "遷移金属"},
    {57, "Ｌａ", "ランタン", "１３８．９０５５", "２－８－１８－１８－９－２", "ランタノイド系列"},
    {92, "Ｕ", "ウラン", "２３８．０２８９", "２－８－１８－３２－２１－９－２",
     "アクチノイド系列"},
    {104, "Ｕｎｑ", "ウンニルクアジウム", "（２６１）", "２－８－１８－３２－３２－１０－２",
     "遷移金属"},
    {109, "Ｕｎｅ", "ウンニルエンニウム", "（２６６）", "２－８－１８－３２－３２－１５－２",
     "遷移金属"},
};

TEST(PeriodicTable, GivenRowsAreExact) {
  const ElementTable t = elements();
  for (const GivenRow& row : kGiven) {
    const int n = row.number;
    EXPECT_EQ(t.syu_kigou[n], QString::fromUtf8(row.symbol)) << n;
    EXPECT_EQ(t.syu_mei[n], QString::fromUtf8(row.name)) << n;
    EXPECT_EQ(t.syu_ryou[n], QString::fromUtf8(row.weight)) << n;
    EXPECT_EQ(t.syu_haichi[n], QString::fromUtf8(row.shells)) << n;
    EXPECT_EQ(t.syu_zoku[n], QString::fromUtf8(row.category)) << n;
  }
}

TEST(PeriodicTable, OtherRowsMatchTheReference) {
  const std::map<int, Reference> reference = read_reference();
  ASSERT_EQ(reference.size(), 109u);
  const ElementTable t = elements();
  std::set<int> given;
  for (const GivenRow& row : kGiven) given.insert(row.number);
  for (const auto& [n, ref] : reference) {
    if (n < 104) {
      EXPECT_EQ(t.syu_kigou[n], full_width(ref.symbol)) << n;
    }
    if (given.count(n)) continue;
    EXPECT_EQ(t.syu_ryou[n], full_width(ref.weight)) << n;
    EXPECT_EQ(t.syu_haichi[n], full_width(ref.shells)) << n;
  }
}

TEST(PeriodicTable, ElectronsAddUpToTheAtomicNumber) {
  const ElementTable t = elements();
  for (int n = 1; n <= kElementCount; ++n) {
    int total = 0;
    for (const QString& count : t.syu_haichi[n].split(QChar(0xFF0D))) {
      bool ok = false;
      const int electrons = count.normalized(QString::NormalizationForm_KC).toInt(&ok);
      EXPECT_TRUE(ok) << n;
      total += electrons;
    }
    EXPECT_EQ(total, n);
  }
}

TEST(PeriodicTable, EveryRowIsFilledInFullWidthForms) {
  const ElementTable t = elements();
  const QRegularExpression weight(R"(^([０-９]+．[０-９]+|（[０-９]+）)$)");
  std::map<QString, int> per_category;
  for (int n = 1; n <= kElementCount; ++n) {
    EXPECT_FALSE(t.syu_mei[n].isEmpty()) << n;
    EXPECT_TRUE(weight.match(t.syu_ryou[n]).hasMatch()) << n << " " << t.syu_ryou[n].toStdString();
    for (QChar ch : t.syu_kigou[n])
      EXPECT_TRUE(ch.unicode() >= 0xFF21 && ch.unicode() <= 0xFF5A) << n;
    ++per_category[t.syu_zoku[n]];
  }
  EXPECT_EQ(per_category.size(), 8u);
  EXPECT_EQ(per_category["アルカリ金属"], 7);
  EXPECT_EQ(per_category["不活性ガス"], 6);
  EXPECT_EQ(per_category["アルカリ土類金属"], 6);
  EXPECT_EQ(per_category["非金属"], 15);
  EXPECT_EQ(per_category["他の金属"], 10);
  EXPECT_EQ(per_category["遷移金属"], 35);
  EXPECT_EQ(per_category["ランタノイド系列"], 15);
  EXPECT_EQ(per_category["アクチノイド系列"], 15);
  EXPECT_EQ(t.syu_mei[93], "ネプッニウム");
  EXPECT_EQ(t.syu_kigou[106], "Ｕｎｈ");
}

struct PeriodicCase {
  const char* keys;
  const char* number;  // Text1
  const char* symbol;  // Text3
  const char* weight;  // Text5, the weight line or the message
  bool red;
};

TEST(PeriodicFace, KeyingAndSteppingShowTheElement) {
  const PeriodicCase cases[] = {
      {"2 6 show", "26", "元素記号＝ Ｆｅ", "原子量　＝ ５５．８４５", false},
      {"show", "0", "", "該当する原子番号は有りません。", true},
      {"1 1 0 show", "110", "", "該当する原子番号は有りません。", true},
      {"1 0 9 show", "109", "元素記号＝ Ｕｎｅ", "原子量　＝ （２６６）", false},
      // The number stays after "表示", so a digit extends it; three digits at most.
      {"1 show 1", "11", "元素記号＝ Ｈ", "原子量　＝ １．００７９４", false},
      {"1 show 1 show", "11", "元素記号＝ Ｎａ", "原子量　＝ ２２．９８９７６８", false},
      {"1 2 3 4 5", "123", "", "番号を選択して下さい。", false},
      {"9 9 9 9 9 9 9 9 9 show", "999", "", "該当する原子番号は有りません。", true},
      // A rejected number is reset, while the display keeps what was keyed.
      {"1 1 0 show 5 show", "5", "元素記号＝ Ｂ", "原子量　＝ １０．８１１", false},
      {"2 5 show M+", "26", "元素記号＝ Ｆｅ", "原子量　＝ ５５．８４５", false},
      {"2 7 show M-", "26", "元素記号＝ Ｆｅ", "原子量　＝ ５５．８４５", false},
      // After a step the next digit or "表示" starts from nothing.
      {"2 5 show M+ show", "26", "", "該当する原子番号は有りません。", true},
      {"2 5 show M+ 8 show", "8", "元素記号＝ Ｏ", "原子量　＝ １５．９９９４", false},
      {"1 show M-", "0", "", "該当する原子番号は有りません。", true},
      {"1 show M- M+", "1", "元素記号＝ Ｈ", "原子量　＝ １．００７９４", false},
      {"M-", "-1", "", "該当する原子番号は有りません。", true},
      {"1 0 9 show M+", "110", "", "該当する原子番号は有りません。", true},
      {"1 0 9 show M+ M+", "1", "元素記号＝ Ｈ", "原子量　＝ １．００７９４", false},
      {"1 0 8 M+ M- M+", "109", "元素記号＝ Ｕｎｅ", "原子量　＝ （２６６）", false},
      {"2 6 show MC", "0", "", "番号を選択して下さい。", false},
      {"2 6 show =", "26", "元素記号＝ Ｆｅ", "原子量　＝ ５５．８４５", false},
  };
  for (const PeriodicCase& row : cases) {
    EngineDriver calc(CalcFace::Periodic);
    calc.press(row.keys);
    const auto& lines = calc.engine.element_lines();
    EXPECT_EQ(calc.engine.display(), QString::fromUtf8(row.number)) << row.keys;
    EXPECT_EQ(lines[0], QString::fromUtf8(row.symbol)) << row.keys;
    EXPECT_EQ(lines[2], QString::fromUtf8(row.weight)) << row.keys;
    EXPECT_EQ(calc.engine.element_missing(), row.red) << row.keys;
    if (QString(row.symbol).isEmpty()) {
      EXPECT_EQ(lines[1], "") << row.keys;
      EXPECT_EQ(lines[4], "") << row.keys;
    }
  }
}

TEST(PeriodicFace, AllFiveLinesCarryTheirLabels) {
  CalculatorDriver calc;
  calc.open(&Module1::flg_syuuki);
  calc.press("9 2 show");
  EXPECT_EQ(calc.text("Text3"), "元素記号＝ Ｕ");
  EXPECT_EQ(calc.text("Text4"), "元素名　＝ ウラン");
  EXPECT_EQ(calc.text("Text5"), "原子量　＝ ２３８．０２８９");
  EXPECT_EQ(calc.text("Text6"), "電子配置＝ ２－８－１８－３２－２１－９－２");
  EXPECT_EQ(calc.text("Text7"), "族　　　＝ アクチノイド系列");
  EXPECT_TRUE(calc.messages().isEmpty());
}

}  // namespace
