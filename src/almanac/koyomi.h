#pragma once
// What a Japanese wall calendar prints under a date, 1901–2100: the date of
// the old lunisolar calendar (旧暦), the 六曜, the day's 干支, the solar term
// and the seasonal days, and the moon, all for Japan Standard Time.
//
// Example: 2026-12-08 is 旧暦10月30日, 先負, 丙辰, moon age 28.8;
// 2033-12-22 is 閏11月1日 and a 新月.
#include <QDate>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

inline constexpr int kFirstKoyomiYear = 1901;
inline constexpr int kLastKoyomiYear = 2100;
inline bool in_koyomi_range(const QDate& d) {
  return d.isValid() && d.year() >= kFirstKoyomiYear && d.year() <= kLastKoyomiYear;
}

enum class MoonPhase { None, New, FirstQuarter, Full, LastQuarter };

struct KoyomiDay {
  QDate date;
  int lunar_month = 0;  // 1..12
  int lunar_day = 0;    // 1..30
  bool leap_month = false;
  QString rokuyou;      // 大安 赤口 先勝 友引 先負 仏滅
  QString kanshi;       // 甲子 … 癸亥
  QStringList names;    // the solar term first, then the seasonal days (節分, 彼岸入り, …)
  double moon_age = 0;  // days since the last new moon at 12:00 JST, one decimal
  MoonPhase phase = MoonPhase::None;
  bool has_solar_term = false;
};

// "10月30日", "閏11月1日". (Here, not in the almanac module: the windows and
// commands that show a day spell it without loading the module again.)
inline QString lunar_date_text(const KoyomiDay& day) {
  return QString("%1%2月%3日")
      .arg(day.leap_month ? "閏" : "")
      .arg(day.lunar_month)
      .arg(day.lunar_day);
}
// "新月", "上弦", "満月", "下弦"; "" for None.
inline QString moon_phase_name(MoonPhase phase) {
  switch (phase) {
    case MoonPhase::New:
      return "新月";
    case MoonPhase::FirstQuarter:
      return "上弦";
    case MoonPhase::Full:
      return "満月";
    case MoonPhase::LastQuarter:
      return "下弦";
    case MoonPhase::None:
      break;
  }
  return {};
}
// The 干支 of a date (甲子 when (JDN + 49) mod 60 = 0).
QString kanshi_of(const QDate& date);

struct SkyYear;
struct LunarMonth;

// Computes the days and keeps each year's solar terms, moon phases and lunar
// months once computed, so a month or a run of years costs a few root-findings
// per year rather than per day.
class Almanac {
 public:
  Almanac();
  ~Almanac();
  // Every day from `from` to `to`, both within kFirstKoyomiYear..kLastKoyomiYear.
  std::vector<KoyomiDay> days(const QDate& from, const QDate& to);
  KoyomiDay day(const QDate& date) { return days(date, date).front(); }

 private:
  const SkyYear& sky(int year);
  // Computes the missing years of a long range on every core at once.
  void prepare_years(int first, int last);
  const std::vector<LunarMonth>& winter_span(int year);
  const LunarMonth& lunar_month_of(const QDate& date);
  double last_new_moon_before(double jd_ut);
  QStringList day_names(const QDate& date);

  std::map<int, std::unique_ptr<SkyYear>> skies_;
  std::map<int, std::vector<LunarMonth>> spans_;
};

// Convenience for a single use.
inline std::vector<KoyomiDay> koyomi_days(const QDate& from, const QDate& to) {
  return Almanac().days(from, to);
}
