#include "paper/calendar_page.h"

#include <QFileInfo>

#include "almanac/almanac_feature.h"
#include "calendar/holiday_law.h"
#include "calendar/holiday_rules.h"
#include "calendar/month_layout.h"
#include "calendar/user_day_files.h"
#include "core/dates.h"
#include "core/module_loader.h"
#include "core/text_file.h"
#include "memo/memo_file.h"
#include "memo/memo_store.h"
#include "paper/paper_text.h"
#include "settings/settings.h"

namespace {

constexpr QSizeF kA4Landscape(297, 210);
constexpr double kMargin = 10, kTitleHeight = 14, kHeadingHeight = 7;
constexpr double kTitlePoint = 22, kHeadingPoint = 11, kDayPoint = 16, kLinePoint = 8;
constexpr double kRokuyouPoint = 7;
constexpr double kPad = 1.2;
constexpr Rgb kObservanceGrey{90, 90, 90};

struct CellLine {
  QString text;
  Rgb colour;
};

QString data_path(const QString& dir, const QString& name) {
  return dir.isEmpty() ? name : dir + '/' + name;
}

// The national holiday's name as the grid names it, or empty.
QString national_name(const CalendarSources& s, const QDate& date, int first_col) {
  if (s.calen_mode == 2) return {};
  if (s.law) return law_holiday_name(date);
  const int year = date.year();
  if (year < kFirstHolidayYear || year > kLastHolidayYear) return {};
  const QString month_day = date.toString("MMdd");
  // From 2000 成人の日 and 体育の日 sit on the second Monday.
  const int second_monday = first_col <= 1 ? 9 - first_col : 16 - first_col;
  for (int slot = 0; slot < used_end(s.syuku_dat); ++slot) {
    bool match = s.syuku_dat[slot].left(4) == month_day;
    if (year >= 2000 && (slot == kSeijinSlot || slot == kTaiikuSlot))
      match = date.month() == (slot == kSeijinSlot ? 1 : 10) && date.day() == second_monday;
    if (match) return s.syuku_dat[slot].mid(4);
  }
  return {};
}

std::vector<CellLine> day_lines(const CalendarSources& s, const QDate& date, int first_col) {
  std::vector<CellLine> lines;
  if (const QString name = national_name(s, date, first_col); !name.isEmpty())
    lines.push_back({name, kRed});
  const bool table_years = date.year() >= kFirstHolidayYear && date.year() <= kLastHolidayYear;
  const QString month_day = date.toString("MMdd");
  if (table_years) {
    for (int slot = 0; slot < used_end(s.gyouji_dat); ++slot)
      if (s.gyouji_dat[slot].left(4) == month_day)
        lines.push_back({s.gyouji_dat[slot].mid(4), kObservanceGrey});
    for (int slot = 0; slot < used_end(s.kinen_dat); ++slot)
      if (s.kinen_dat[slot].left(4) == month_day)
        lines.push_back({s.kinen_dat[slot].mid(4), kMagenta});
  }
  const QString key = date_key(date.year(), date.month(), date.day());
  for (const QString& memo : s.memos)
    if (memo.left(10) == key) lines.push_back({memo.mid(10).section("\r\n", 0, 0), kBlack});
  return lines;
}

Rgb day_colour(int cell, DayMark mark, int calen_mode) {
  if (mark == DayMark::Holiday) return kRed;
  if (mark == DayMark::Anniversary) return kMagenta;
  if (calen_mode != 2 && is_sunday_cell(cell)) return kRed;
  if (calen_mode != 2 && is_saturday_cell(cell)) return kBlue;
  return kBlack;
}

void add_cell(Page& page, const QRectF& cell, const QDate& date, Rgb colour,
              const std::vector<CellLine>& lines, const CalendarSources& s) {
  const QRectF inside = cell.adjusted(kPad, kPad * 0.5, -kPad, -kPad);
  const double day_height = kDayPoint * kMmPerPoint * 1.1;
  page.texts.push_back({QRectF(inside.topLeft(), QSizeF(inside.width() / 2, day_height)),
                        QString::number(date.day()), kDayPoint, colour});
  if (s.rokuyou) {
    const QString rokuyou = s.rokuyou(date);
    if (!rokuyou.isEmpty())
      page.texts.push_back({QRectF(inside.center().x(), inside.top(), inside.width() / 2,
                                   kRokuyouPoint * kMmPerPoint * 1.2),
                            rokuyou, kRokuyouPoint, kObservanceGrey, TextAlign::Right});
  }
  const double pitch = kLinePoint * kMmPerPoint * 1.25;
  const int room = int((inside.height() - day_height) / pitch);
  const bool cut = int(lines.size()) > room;
  const int shown = cut ? room - 1 : int(lines.size());
  double y = inside.top() + day_height;
  for (int i = 0; i < shown; ++i, y += pitch) {
    const FittedText fitted = fit_across(lines[i].text, inside.width(), kLinePoint, "…");
    page.texts.push_back({QRectF(inside.left(), y, inside.width(), pitch), fitted.text,
                          fitted.size_pt, lines[i].colour});
  }
  if (cut && room > 0)
    page.texts.push_back({QRectF(inside.left(), y, inside.width(), pitch), "…", kLinePoint});
}

// The month's 六曜 by day of the month, worked out once for the page.
std::function<QString(const QDate&)> month_rokuyou(int year, int month) {
  const QDate first(year, month, 1), last(year, month, first.daysInMonth());
  QString missing;
  const AlmanacFeature* almanac = load_feature<AlmanacFeature>(missing);
  // Without the almanac module the page is printed without its 六曜.
  if (!in_koyomi_range(first) || !almanac) return {};
  QStringList names;
  for (const KoyomiDay& day : almanac->days(first, last)) names << day.rokuyou;
  return [names](const QDate& date) { return names.value(date.day() - 1); };
}

}  // namespace

CalendarSources read_calendar_sources(const QString& dir) {
  CalendarSources s;
  dat_set(s.syuku_dat, s.gyouji_dat);
  s.holi_dat = read_holiday_file(data_path(dir, kHolidayFile));
  s.kinen_dat = read_memorial_file(data_path(dir, kMemorialFile));
  const QStringList memo_lines = read_lines(data_path(dir, kMemoFile)).value_or(QStringList{});
  s.memos = load_memos(memo_lines, false, QDate::currentDate()).tables.memo_txt.mid(1);
  // A short settings file would be rewritten by the reader: printing leaves it alone.
  const QString ini = data_path(dir, kSettingsFile);
  Module1 m;
  if (read_lines(ini).value_or(QStringList{}).size() >= 12 && read_ini(m, ini)) {
    parse_token_string(m);
    s.calen_mode = m.calen_mode;
    s.law = law_option(m);
  }
  return s;
}

Page calendar_page(int year, int month, CalendarSources s) {
  year = std::clamp(year, 100, 9999);
  if (!s.rokuyou) s.rokuyou = month_rokuyou(year, month);
  Page page{kA4Landscape, {}, {}};
  const QRectF area(kMargin, kMargin, kA4Landscape.width() - 2 * kMargin,
                    kA4Landscape.height() - 2 * kMargin);
  page.texts.push_back({QRectF(area.left(), area.top(), area.width(), kTitleHeight),
                        QString("%1年%2月").arg(year).arg(month), kTitlePoint, kBlack,
                        TextAlign::Centre});
  const int first_col = month_first_col(year, month);
  const int days = QDate(year, month, 1).daysInMonth();
  const int rows = (first_col + days + 6) / 7;
  const double width = area.width() / 7;
  const double grid_top = area.top() + kTitleHeight + kHeadingHeight;
  const double height = (area.bottom() - grid_top) / rows;
  for (int column = 0; column < 7; ++column) {
    const Rgb colour = s.calen_mode == 2 ? kBlack
                       : column == 0     ? kRed
                       : column == 6     ? kBlue
                                         : kBlack;
    page.texts.push_back(
        {QRectF(area.left() + width * column, grid_top - kHeadingHeight, width, kHeadingHeight),
         kWeekdayNames[column], kHeadingPoint, colour, TextAlign::Centre});
  }
  const ShownMonth shown{year, month, first_col, s.calen_mode, false, s.law};
  const MonthMarks marks = mark_month(shown, s.syuku_dat, s.holi_dat, s.kinen_dat);
  for (int cell = 0; cell < rows * 7; ++cell)
    page.boxes.push_back(
        {QRectF(area.left() + width * (cell % 7), grid_top + height * (cell / 7), width, height),
         kBlack, 0.2});
  for (int day = 1; day <= days; ++day) {
    const int cell = first_col + day - 1;
    const QDate date(year, month, day);
    const QRectF box(area.left() + width * (cell % 7), grid_top + height * (cell / 7), width,
                     height);
    add_cell(page, box, date, day_colour(cell, marks[size_t(cell)], s.calen_mode),
             day_lines(s, date, first_col), s);
  }
  return page;
}
