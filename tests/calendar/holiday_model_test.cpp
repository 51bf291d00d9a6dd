// The grid's colours for every month from December 1899 to January 2051, checked
// against a second, plain reading of the holiday rules written apart from the
// program's own.
#include <QDateTime>
#include <cmath>

#include "toribe/main_window_fixture.h"
#include "core/text_file.h"

namespace {

struct FixedHoliday {
  int month, day;
};
const FixedHoliday kFixed[] = {{1, 1},  {2, 11}, {4, 29}, {5, 3},   {5, 4},  {5, 5},
                               {7, 20}, {9, 15}, {11, 3}, {11, 23}, {12, 23}};
const QStringList kAnniversaries{"0101正月", "0229閏日", "0505誕生日",
                                 "1123記念", "0921式",   "0310式"};

// The equinox day from the reference instant and a mean year of 365.2422 days.
int equinox_day(int year, bool spring) {
  const QDateTime reference = spring ? QDateTime(QDate(1996, 3, 20), QTime(17, 14, 13))
                                     : QDateTime(QDate(1996, 9, 23), QTime(2, 58, 25));
  const double seconds = (year - 1996) * 365.2422 * 86400.0;
  return reference.addSecs(qint64(std::floor(seconds))).date().day();
}

QDate second_monday(int year, int month) {
  QDate day(year, month, 1);
  while (day.dayOfWeek() != 1) day = day.addDays(1);
  return day.addDays(7);
}

// Expected text colour of every cell of the month in the normal (1) or all (3) calendar.
std::vector<Rgb> expected_colours(int year, int month) {
  const QDate first(year, month, 1);
  const int first_col = first.dayOfWeek() % 7;
  std::vector<Rgb> colours(37, kSystemColour);
  for (int k = 0; k < 37; ++k)
    if (k % 7 == 0)
      colours[k] = kRed;
    else if (k % 7 == 6)
      colours[k] = kBlue;
  const auto cell = [&](int day) { return first_col + day - 1; };
  const bool in_range = year >= 1900 && year <= 2050;
  if (in_range) {
    std::vector<int> days;
    for (const FixedHoliday& h : kFixed)
      if (h.month == month) days.push_back(h.day);
    if (month == 3) days.push_back(equinox_day(year, true));
    if (month == 9) days.push_back(equinox_day(year, false));
    if (month == 1 && year < 2000) days.push_back(15);
    if (month == 10 && year < 2000) days.push_back(10);
    for (int d : days) {
      const bool sunday = QDate(year, month, d).dayOfWeek() == 7;
      colours[cell(sunday ? d + 1 : d)] = kRed;
    }
    if ((month == 1 || month == 10) && year >= 2000)
      colours[cell(second_monday(year, month).day())] = kRed;
    for (const QString& a : kAnniversaries)
      if (a.left(2).toInt() == month && a.mid(2, 2).toInt() <= first.daysInMonth())
        colours[cell(a.mid(2, 2).toInt())] = kMagenta;
  }
  return colours;
}

class HolidayModel : public MainWindowFixture {};

TEST_F(HolidayModel, EveryMonthFrom1899To2051MatchesTheRules) {
  ASSERT_TRUE(write_lines("Memorial.DAT", kAnniversaries));
  for (int mode : {1, 3}) {
    m.calen_mode = qint16(mode);
    Toribe& w = start();
    int mismatches = 0;
    for (QDate month(1899, 12, 1); month <= QDate(2051, 1, 1); month = month.addMonths(1)) {
      w.cur_year = qint16(month.year());
      w.cur_month = qint16(month.month());
      w.disp_calen();
      const std::vector<Rgb> expected = expected_colours(month.year(), month.month());
      for (int k = 0; k < 37; ++k) {
        const Rgb& shown = w.c("Label1", k).fore;
        if (shown == expected[k]) continue;
        if (++mismatches <= 5)
          ADD_FAILURE() << "mode " << mode << " " << month.toString("yyyy-MM").toStdString()
                        << " cell " << k << ": " << shown.r << "," << shown.g << "," << shown.b
                        << (shown.system ? " (system)" : "");
      }
    }
    EXPECT_EQ(mismatches, 0) << "mode " << mode;
  }
}

}  // namespace
