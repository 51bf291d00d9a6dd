#include "calendar/holiday_rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

constexpr int kNormal = 1, kUser = 2, kAll = 3;

int first_col_of(int year, int month) { return QDate(year, month, 1).dayOfWeek() % 7; }

struct Calendar {
  SyukuTable syuku;
  GyoujiTable gyouji;
  HoliTable holi;
  KinenTable kinen;
  Calendar() { dat_set(syuku, gyouji); }

  MonthMarks marks(int year, int month, int mode = kNormal, bool setting = false) {
    return mark_month({year, month, first_col_of(year, month), mode, setting}, syuku, holi, kinen);
  }
  // The days of the month that carry the mark, ascending.
  std::vector<int> days(int year, int month, DayMark mark, int mode = kNormal,
                        bool setting = false) {
    const MonthMarks m = marks(year, month, mode, setting);
    const int first = first_col_of(year, month);
    std::vector<int> found;
    for (int k = 0; k < int(m.size()); ++k)
      if (m[k] == mark) found.push_back(k - first + 1);
    return found;
  }
  std::vector<int> red(int year, int month, int mode = kNormal, bool setting = false) {
    return days(year, month, DayMark::Holiday, mode, setting);
  }
};

using Days = std::vector<int>;
using Slots = std::vector<std::pair<int, QString>>;

TEST(Equinox, InstantsOfTheWorkedYears) {
  struct Row {
    int year;
    const char* spring;
    const char* autumn;
  };
  const Row rows[] = {
      {1900, "1900-03-21 11:12:29", "1900-09-23 20:56:41"},
      {1979, "1979-03-21 14:25:09", "1979-09-24 00:09:21"},  // just after midnight
      {1980, "1980-03-20 20:13:55", "1980-09-23 05:58:07"},
      {1996, "1996-03-20 17:14:13", "1996-09-23 02:58:25"},  // the reference year itself
      {2003, "2003-03-21 09:55:35", "2003-09-23 19:39:47"},
      {2012, "2012-03-20 14:14:30", "2012-09-22 23:58:42"},  // just before midnight
      {2050, "2050-03-20 19:07:41", "2050-09-23 04:51:53"},
  };
  auto text = [](const LocalInstant& t) {
    return (t.date.toString("yyyy-MM-dd") + " " + t.time.toString("hh:mm:ss")).toStdString();
  };
  for (const Row& row : rows) {
    EXPECT_EQ(text(equinox_instant(row.year, Equinox::Spring)), row.spring) << row.year;
    EXPECT_EQ(text(equinox_instant(row.year, Equinox::Autumn)), row.autumn) << row.year;
  }
}

TEST(Equinox, FarYearsStayInTheirMonth) {
  for (int year : {100, 1000, 1899, 2051, 9999}) {
    EXPECT_EQ(equinox_instant(year, Equinox::Spring).date.month(), 3) << year;
    EXPECT_EQ(equinox_instant(year, Equinox::Spring).date.year(), year);
    EXPECT_EQ(equinox_instant(year, Equinox::Autumn).date.month(), 9) << year;
  }
}

TEST(Equinox, ShowingTheMonthRewritesItsEntry) {
  Calendar cal;
  cal.marks(2012, 3);
  EXPECT_EQ(cal.syuku[kSpringEquinoxSlot], "0320春分の日");
  cal.marks(1979, 9);
  EXPECT_EQ(cal.syuku[kAutumnEquinoxSlot], "0924秋分の日");
  // outside the marked years the entry still follows the shown year
  cal.marks(1850, 3);
  EXPECT_EQ(cal.syuku[kSpringEquinoxSlot],
            QString("03%1春分の日").arg(equinox_instant(1850, Equinox::Spring).date.day()));
  // other months leave both entries as they were
  cal.marks(2003, 4);
  EXPECT_EQ(cal.syuku[kAutumnEquinoxSlot], "0924秋分の日");
}

TEST(Equinox, UserCalendarAndSettingModeDoNotTouchTheEntries) {
  Calendar cal;
  cal.marks(2012, 3, kUser);
  cal.marks(2012, 9, kAll, true);
  EXPECT_EQ(cal.syuku[kSpringEquinoxSlot], "0321春分の日");
  EXPECT_EQ(cal.syuku[kAutumnEquinoxSlot], "0923秋分の日");
}

TEST(Holidays, NormalCalendarMonths) {
  struct Row {
    int year, month;
    Days red;
  };
  const Row rows[] = {
      {2003, 1, {1, 13}},   // 成人の日 on the second Monday, not the 15th
      {1999, 1, {1, 15}},   // no Monday rule before 2000
      {2000, 1, {1, 10}},   // day 1 a Saturday: the second Monday is the 10th
      {2001, 10, {8}},      // day 1 a Monday: 体育の日 on the 8th
      {1999, 10, {11}},     // 10 October a Sunday: the Monday after
      {2003, 11, {3, 24}},  // 23 November a Sunday
      {2003, 5, {3, 5}},    // 4 May a Sunday marks the 5th again; the 6th stays
      {2001, 9, {15, 24}},  // the autumn equinox on a Sunday
      {1979, 9, {15, 24}},  // the equinox 9 minutes after midnight
      {2012, 9, {15, 22}},  // the equinox 2 minutes before midnight
      {2003, 3, {21}},      // the spring equinox on a Friday
      {2003, 2, {11}},      // a fixed holiday on a weekday
      {2003, 6, {}},        // a month without holidays
      {1900, 1, {1, 15}},   // the first year with national holidays
      {2050, 12, {23}},     // the last month with them
      {1899, 12, {}},       // outside those years nothing is marked
      {2051, 1, {}},
  };
  for (const Row& row : rows) {
    Calendar cal;
    EXPECT_EQ(cal.red(row.year, row.month), row.red) << row.year << "/" << row.month;
    EXPECT_EQ(cal.red(row.year, row.month, kAll), row.red) << row.year << "/" << row.month;
    EXPECT_TRUE(cal.red(row.year, row.month, kUser).empty());
    EXPECT_TRUE(cal.red(row.year, row.month, kNormal, true).empty());
  }
}

// Properties of every month in which national holidays are marked.
TEST(Holidays, EveryMonthFrom1900To2050) {
  Calendar cal;
  for (int year = kFirstHolidayYear; year <= kLastHolidayYear; ++year) {
    for (int month = 1; month <= 12; ++month) {
      const QDate first(year, month, 1);
      const int first_col = first_col_of(year, month);
      const MonthMarks marks = cal.marks(year, month);
      // without user holidays the all calendar shows the same, the user calendar nothing
      EXPECT_EQ(cal.marks(year, month, kAll), marks);
      EXPECT_EQ(cal.marks(year, month, kUser), MonthMarks{});
      const QString where = first.toString("yyyy/MM");
      auto is_table_day = [&](const QDate& date, bool with_moved) {
        const QString mmdd = date.toString("MMdd");
        for (int i = 0; i < used_end(cal.syuku); ++i) {
          const bool moved = (i == kSeijinSlot || i == kTaiikuSlot) && year >= 2000;
          if (cal.syuku[i].startsWith(mmdd) && (with_moved || !moved)) return true;
        }
        return false;
      };
      auto is_moved_monday = [&](const QDate& date) {
        return year >= 2000 && (month == 1 || month == 10) && date.dayOfWeek() == 1 &&
               date.day() >= 8 && date.day() <= 14;
      };
      for (int k = 0; k < int(marks.size()); ++k) {
        const int day = k - first_col + 1;
        if (day < 1 || day > first.daysInMonth()) {
          EXPECT_EQ(marks[k], DayMark::None) << where.toStdString() << " cell " << k;
          continue;
        }
        const QDate date(year, month, day);
        const bool red = marks[k] == DayMark::Holiday;
        EXPECT_NE(marks[k], DayMark::Anniversary);
        const bool own = is_table_day(date, false);
        const bool substitute = date.dayOfWeek() == 1 && is_table_day(date.addDays(-1), false);
        // a table holiday is red unless it is a Sunday, whose Monday is red instead
        EXPECT_EQ(red, (own && date.dayOfWeek() != 7) || substitute || is_moved_monday(date))
            << date.toString("yyyy/MM/dd").toStdString();
        // the moved holidays never keep their old date unless it is the second Monday
        if (year >= 2000 && is_table_day(date, true) && !own && !is_moved_monday(date)) {
          EXPECT_FALSE(red) << date.toString("yyyy/MM/dd").toStdString();
        }
      }
      if (month == 3) {
        const int day = cal.syuku[kSpringEquinoxSlot].mid(2, 2).toInt();
        EXPECT_TRUE(day >= 20 && day <= 22) << year;
      }
      if (month == 9) {
        const int day = cal.syuku[kAutumnEquinoxSlot].mid(2, 2).toInt();
        EXPECT_TRUE(day >= 22 && day <= 24) << year;
      }
    }
  }
}

// User holidays and anniversaries: which days of a month are red and which
// magenta, where given, for the tables' entries.
TEST(UserDays, RedAndMagenta) {
  const int k = kHoliYears;
  const Slots shown = {{0, "2003"}, {k, "20030321"}, {k + 1, "20030512"}, {k + 2, "20040512"}};
  Slots full_holi;  // no empty slot ends the table
  for (int i = k; i + 1 < int(HoliTable().size()); ++i) full_holi.push_back({i, "19990101"});
  full_holi.push_back({int(HoliTable().size()) - 1, "20030512"});
  const Slots broken_kinen = {{0, "0230x"},   {1, "0200"}, {2, "02"},
                              {3, "0299abc"}, {4, "ab12"}, {5, "02-1x"}};
  Slots full_kinen = broken_kinen;
  for (int i = 6; i + 1 < int(KinenTable().size()); ++i) full_kinen.push_back({i, "0101"});
  full_kinen.push_back({int(KinenTable().size()) - 1, "0214最後"});
  const Slots two = {{0, "1123記念日"}, {1, "1108誕生日"}};
  const Slots three = {{0, "1123記念日"}, {1, "1108誕生日"}, {2, "1103文化"}};
  const Slots new_year = {{0, "0101a"}};
  const Slots far = {{k, "18990101"}, {k + 1, "20510101"}};
  const Slots gap = {{k + 1, "20030512"}};
  const Slots broken_holi = {{k, "20030231"},
                             {k + 1, "20030200"},
                             {k + 2, "200302xx"},
                             {k + 3, "200302"},
                             {k + 4, "20030299"}};
  const struct {
    const char* name;
    Slots holi, kinen;
    int year, month, mode;
    bool setting;
    std::optional<Days> red = std::nullopt, magenta = std::nullopt;
  } cases[] = {
      {"user holiday, normal calendar", shown, {}, 2003, 5, kNormal, false, Days{3, 5}},
      {"user holiday, user calendar", shown, {}, 2003, 5, kUser, false, Days{12}},
      {"user holiday, all calendar", shown, {}, 2003, 5, kAll, false, Days{3, 5, 12}},
      // The setting mode shows the user holidays alone, whatever the calendar.
      {"user holiday, setting, normal", shown, {}, 2003, 5, kNormal, true, Days{12}},
      {"user holiday, setting, all", shown, {}, 2003, 5, kAll, true, Days{12}},
      // User holidays have no year range.
      {"user holiday 1899", far, {}, 1899, 1, kUser, false, Days{1}},
      {"user holiday 2051", far, {}, 2051, 1, kAll, false, Days{1}},
      {"2051, normal calendar", far, {}, 2051, 1, kNormal, false, Days{}},
      {"the scan stops at the first empty slot", gap, {}, 2003, 5, kUser, false, Days{}},
      {"user entries naming no day", broken_holi, {}, 2003, 2, kUser, false, Days{}},
      {"a full user table", full_holi, {}, 2003, 5, kUser, false, Days{12}},
      // Anniversaries: magenta in every mode and over every other colour; the
      // substitute Monday stays red. Only within the holiday years.
      {"anniversaries, normal", {}, two, 2003, 11, kNormal, false, Days{3, 24}, Days{8, 23}},
      {"anniversaries, user", {}, two, 2003, 11, kUser, false, {}, Days{8, 23}},
      {"anniversaries, all", {}, two, 2003, 11, kAll, false, {}, Days{8, 23}},
      {"an anniversary over a holiday", {}, three, 2003, 11, kNormal, false, Days{24}},
      {"anniversary 1900", {}, new_year, 1900, 1, kNormal, false, {}, Days{1}},
      {"anniversary 2050", {}, new_year, 2050, 1, kNormal, false, {}, Days{1}},
      {"anniversary 1899", {}, new_year, 1899, 1, kAll, false, {}, Days{}},
      {"anniversary 2051", {}, new_year, 2051, 1, kUser, false, {}, Days{}},
      {"anniversaries naming no day", {}, broken_kinen, 2003, 2, kNormal, false, {}, Days{}},
      {"a full anniversary table", {}, full_kinen, 2003, 2, kNormal, false, {}, Days{14}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Calendar cal;
    for (const auto& [slot, text] : c.holi) cal.holi[slot] = text;
    for (const auto& [slot, text] : c.kinen) cal.kinen[slot] = text;
    if (c.red) {
      EXPECT_EQ(cal.red(c.year, c.month, c.mode, c.setting), *c.red);
    }
    if (c.magenta) {
      EXPECT_EQ(cal.days(c.year, c.month, DayMark::Anniversary, c.mode), *c.magenta);
    }
  }
}

}  // namespace
