#include "calendar/holiday_law.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>

namespace {

QString iso(const QDate& d) { return d.toString("yyyy-MM-dd"); }

// The published list's way of naming some days, in this program's words.
QString our_name(const QString& date, const QString& published) {
  if (published.endsWith(" 振替休日")) return "振替休日";
  if (published == "休日") return "国民の休日";
  if (published == "体育の日（スポーツの日）") return "体育の日";
  if (published == "休日（祝日扱い）") return date == "2019-05-01" ? "即位の日" : "即位礼正殿の儀";
  return published;
}

TEST(HolidayLaw, EveryDayFrom1970To2050MatchesThePublishedList) {
  QFile file(TORIBE_HOLIDAY_REFERENCE);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly))
      << "reference list missing: " << TORIBE_HOLIDAY_REFERENCE
      << " (the build installs the npm package @holiday-jp/holiday_jp; is npm installed?)";
  const QString text = QString::fromUtf8(file.readAll());
  static const QRegularExpression entry(R"re(date: "(\d{4}-\d\d-\d\d)",[^}]*?name: "([^"]+)")re");
  QHash<QString, QString> published;
  for (auto it = entry.globalMatch(text); it.hasNext();) {
    const auto m = it.next();
    published.insert(m.captured(1), our_name(m.captured(1), m.captured(2)));
  }
  ASSERT_GT(published.size(), 1300);

  int differences = 0;
  for (QDate d(1970, 1, 1); d <= QDate(2050, 12, 31); d = d.addDays(1)) {
    const QString expected = published.value(iso(d));
    const QString found = law_holiday_name(d);
    if (found != expected && ++differences <= 20)
      ADD_FAILURE() << iso(d).toStdString() << ": expected \"" << expected.toStdString()
                    << "\", found \"" << found.toStdString() << "\"";
  }
  EXPECT_EQ(differences, 0);
}

// Each line: a year, then every holiday of it as MMDD (equinoxes checked
// against an astronomical computation of the equinox instants in JST).
TEST(HolidayLaw, WorkedYearsBeforeAndAfterThePublishedList) {
  QFile file(TORIBE_TEST_DATA "/holiday_law_worked.txt");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
  QTextStream in(&file);
  int years = 0;
  while (!in.atEnd()) {
    const QStringList words = in.readLine().split(' ', Qt::SkipEmptyParts);
    if (words.isEmpty()) continue;
    const int year = words[0].toInt();
    const QSet<QString> expected(words.begin() + 1, words.end());
    ++years;
    for (QDate d(year, 1, 1); d.year() == year; d = d.addDays(1))
      EXPECT_EQ(is_law_holiday(d), expected.contains(d.toString("MMdd")))
          << iso(d).toStdString() << " " << law_holiday_name(d).toStdString();
  }
  EXPECT_EQ(years, 15 + 49);
}

TEST(HolidayLaw, ChangesOfTheLawAndItsBounds) {
  const struct {
    QDate date;
    const char* name;
  } rows[] = {
      {{1947, 11, 3}, ""},  // before the law
      {{1948, 5, 5}, ""},   // the law took effect on 20 July 1948
      {{1948, 11, 3}, "文化の日"},
      {{1959, 4, 10}, "結婚の儀"},
      {{1966, 2, 11}, ""},
      {{1967, 2, 11}, "建国記念の日"},
      {{1973, 2, 12}, ""},  // 建国記念の日 on a Sunday before substitutes existed
      {{1973, 4, 30}, "振替休日"},
      {{1986, 5, 4}, ""},  // a Sunday between holidays stays a plain Sunday
      {{1988, 5, 4}, "国民の休日"},
      {{1988, 12, 23}, ""},
      {{1989, 4, 29}, "みどりの日"},
      {{2003, 5, 4}, ""},
      {{2007, 4, 29}, "昭和の日"},
      {{2008, 5, 6}, "振替休日"},  // みどりの日 on Sunday, こどもの日 on Monday
      {{2009, 9, 22}, "国民の休日"},
      {{2018, 12, 24}, "振替休日"},
      {{2019, 4, 30}, "国民の休日"},
      {{2019, 12, 23}, ""},
      {{2020, 2, 24}, "振替休日"},
      {{2099, 12, 23}, ""},
      {{2099, 11, 23}, "勤労感謝の日"},
      {{2100, 1, 1}, ""},
  };
  for (const auto& row : rows)
    EXPECT_EQ(law_holiday_name(row.date), QString(row.name)) << iso(row.date).toStdString();
}

}  // namespace
