#include "almanac/koyomi.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>

#include "almanac/ephemeris.h"
#include "almanac/sky_year.h"

// A month of the old calendar: from one new-moon day up to the day before the next.
struct LunarMonth {
  QDate start, end;  // end: the next month's first day
  int number = 0;
  bool leap = false;
};

namespace {

int sexagenary_index(const QDate& date) {
  const qint64 i = (date.toJulianDay() + 49) % 60;
  return int(i < 0 ? i + 60 : i);
}

bool holds_principal_term(const LunarMonth& month, const std::vector<QDate>& principal_days) {
  for (const QDate& d : principal_days)
    if (d >= month.start && d < month.end) return true;
  return false;
}

// The 戊 day nearest the equinox; of two equally near, the earlier.
QDate shanichi(const QDate& equinox) {
  const int to_tsuchinoe = (4 - sexagenary_index(equinox) % 10 + 10) % 10;
  return equinox.addDays(to_tsuchinoe <= 4 ? to_tsuchinoe : to_tsuchinoe - 10);
}

}  // namespace

QString kanshi_of(const QDate& date) {
  static const QString stems = "甲乙丙丁戊己庚辛壬癸", branches = "子丑寅卯辰巳午未申酉戌亥";
  const int i = sexagenary_index(date);
  return QString(stems[i % 10]) + branches[i % 12];
}

Almanac::Almanac() = default;
Almanac::~Almanac() = default;

const SkyYear& Almanac::sky(int year) {
  auto& slot = skies_[year];
  if (!slot) slot = std::make_unique<SkyYear>(compute_sky_year(year));
  return *slot;
}

void Almanac::prepare_years(int first, int last) {
  std::vector<int> missing;
  for (int year = first; year <= last; ++year)
    if (!skies_.count(year)) missing.push_back(year);
  if (missing.size() < 8) return;
  std::vector<std::unique_ptr<SkyYear>> computed(missing.size());
  std::atomic<size_t> next{0};
  const auto work = [&] {
    for (size_t i; (i = next++) < missing.size();)
      computed[i] = std::make_unique<SkyYear>(compute_sky_year(missing[i]));
  };
  std::vector<std::thread> helpers(std::max(1u, std::thread::hardware_concurrency()) - 1);
  for (std::thread& helper : helpers) helper = std::thread(work);
  work();
  for (std::thread& helper : helpers) helper.join();
  for (size_t i = 0; i < missing.size(); ++i) skies_[missing[i]] = std::move(computed[i]);
}

// The months from the 11th month holding the 冬至 of year-1 up to the one holding
// the 冬至 of year, numbered on from 11; of thirteen, the first without a 中気 is leap.
const std::vector<LunarMonth>& Almanac::winter_span(int year) {
  auto found = spans_.find(year);
  if (found != spans_.end()) return found->second;

  std::vector<QDate> new_moons, principal_days;
  for (int y : {year - 1, year}) {
    for (const PhaseEvent& e : sky(y).phases)
      if (e.phase == MoonPhase::New) new_moons.push_back(e.day);
    for (int k = 0; k < 24; k += 2) principal_days.push_back(sky(y).terms[k]);
  }
  const auto eleventh_start = [&](int y) {
    QDate start;
    for (const QDate& d : new_moons)
      if (d <= sky(y).terms[18]) start = d;
    return start;
  };
  const QDate from = eleventh_start(year - 1), to = eleventh_start(year);

  std::vector<LunarMonth> months;
  for (size_t i = 0; i + 1 < new_moons.size(); ++i)
    if (new_moons[i] >= from && new_moons[i] < to)
      months.push_back({new_moons[i], new_moons[i + 1]});
  bool leap_left = months.size() == 13;
  int number = 10;
  for (LunarMonth& m : months) {
    if (leap_left && &m != &months.front() && !holds_principal_term(m, principal_days)) {
      m.leap = true;
      leap_left = false;
    } else {
      number = number % 12 + 1;
    }
    m.number = number;
  }
  return spans_.emplace(year, std::move(months)).first->second;
}

const LunarMonth& Almanac::lunar_month_of(const QDate& date) {
  const std::vector<LunarMonth>* span = &winter_span(date.year());
  if (date >= span->back().end) span = &winter_span(date.year() + 1);
  for (const LunarMonth& m : *span)
    if (date >= m.start && date < m.end) return m;
  return span->front();  // not reached: the spans tile the years
}

double Almanac::last_new_moon_before(double jd_ut) {
  const int year = jst_date(jd_ut).year();
  for (int y : {year, year - 1}) {
    const auto& phases = sky(y).phases;
    for (auto e = phases.rbegin(); e != phases.rend(); ++e)
      if (e->phase == MoonPhase::New && e->jd_ut <= jd_ut) return e->jd_ut;
  }
  return jd_ut;
}

QStringList Almanac::day_names(const QDate& date) {
  const SkyYear& s = sky(date.year());
  QStringList names;
  for (int k = 0; k < 24; ++k)
    if (s.terms[k] == date) names << solar_term_name(k);
  const QDate risshun = s.terms[21], spring = s.terms[0], autumn = s.terms[12];
  const struct {
    bool is;
    const char* name;
  } seasonal[] = {
      {date == risshun.addDays(-1), "節分"},
      {date == spring.addDays(-3) || date == autumn.addDays(-3), "彼岸入り"},
      {date == spring.addDays(3) || date == autumn.addDays(3), "彼岸明け"},
      {date == shanichi(spring) || date == shanichi(autumn), "社日"},
      {date == risshun.addDays(87), "八十八夜"},
      {date == s.nyuubai, "入梅"},
      {date == s.hangeshou, "半夏生"},
      {date == risshun.addDays(209), "二百十日"},
      {date == risshun.addDays(219), "二百二十日"},
      {std::find(s.doyou.begin(), s.doyou.end(), date) != s.doyou.end(), "土用の入り"},
  };
  for (const auto& day : seasonal)
    if (day.is) names << day.name;
  return names;
}

std::vector<KoyomiDay> Almanac::days(const QDate& from, const QDate& to) {
  static const char* const rokuyou[6] = {"大安", "赤口", "先勝", "友引", "先負", "仏滅"};
  std::vector<KoyomiDay> out;
  if (!in_koyomi_range(from) || !in_koyomi_range(to) || to < from) return out;
  out.reserve(from.daysTo(to) + 1);
  prepare_years(from.year() - 1, to.year() + 1);
  const LunarMonth* month = nullptr;
  for (QDate date = from; date <= to; date = date.addDays(1)) {
    if (!month || date >= month->end) month = &lunar_month_of(date);
    KoyomiDay d;
    d.date = date;
    d.lunar_month = month->number;
    d.lunar_day = int(month->start.daysTo(date)) + 1;
    d.leap_month = month->leap;
    d.rokuyou = rokuyou[(d.lunar_month + d.lunar_day) % 6];
    d.kanshi = kanshi_of(date);
    d.names = day_names(date);
    d.has_solar_term = false;
    for (int k = 0; k < 24 && !d.has_solar_term; ++k)
      d.has_solar_term = sky(date.year()).terms[k] == date;
    const double noon = jst_noon(date);
    d.moon_age = std::floor((noon - last_new_moon_before(noon)) * 10.0 + 0.5) / 10.0;
    for (const PhaseEvent& e : sky(date.year()).phases)
      if (e.day == date) d.phase = e.phase;
    out.push_back(std::move(d));
  }
  return out;
}
