#include "calendar/user_day_files.h"

#include "core/fields.h"
#include "core/sort_order.h"
#include "core/text_file.h"

namespace {

constexpr int kDateLength = 8;
constexpr int kDateLine = kHoliYears;  // line 11, from 0

QString scramble(QString text) {
  for (QChar& ch : text) ch = QChar(char16_t(ch.unicode() ^ kHolidayLineMask));
  return text;
}

}  // namespace

HoliTable read_holiday_file(const QString& path) {
  HoliTable holi_dat;
  const std::optional<QStringList> lines = read_lines(path);
  if (!lines) return holi_dat;
  for (int i = 0; i < kHoliYears && i < lines->size(); ++i)
    holi_dat[i] = split_fields((*lines)[i]).value(0);
  if (lines->size() <= kDateLine) return holi_dat;
  const QString& s = (*lines)[kDateLine];
  int slot = kHoliYears;
  for (qsizetype pos = 0; pos + kDateLength <= s.size() && slot < int(holi_dat.size());
       pos += kDateLength)
    holi_dat[slot++] = scramble(s.mid(pos, kDateLength));
  return holi_dat;
}

void normalise_holidays(HoliTable& holi_dat) {
  const int end = used_end(holi_dat, kHoliYears);
  QStringList dates;
  for (int i = kHoliYears; i < end; ++i) dates.append(holi_dat[i]);
  list_sort(dates);
  for (int i = 0; i < dates.size(); ++i) holi_dat[kHoliYears + i] = dates[i];

  for (int y = 0; y < kHoliYears; ++y) {
    if (holi_dat[y].isEmpty()) continue;
    bool used = false;
    for (const QString& date : dates) used = used || date.startsWith(holi_dat[y]);
    if (!used) holi_dat[y].clear();
  }

  // A single pass: each gap moves one place on, as the file has always had it.
  for (int i = 0; i + 1 < kHoliYears; ++i) {
    if (holi_dat[i].isEmpty()) {
      holi_dat[i] = holi_dat[i + 1];
      holi_dat[i + 1].clear();
    }
  }
}

QStringList holiday_file_lines(const HoliTable& holi_dat) {
  QStringList lines;
  // A year line is read as its first field.
  for (int i = 0; i < kHoliYears; ++i) lines.append(field_for_input(holi_dat[i]));
  QString dates;
  for (int i = kHoliYears, end = used_end(holi_dat, kHoliYears); i < end; ++i)
    if (holi_dat[i].size() == kDateLength) dates += scramble(holi_dat[i]);
  lines.append(dates);
  return lines;
}

KinenTable read_memorial_file(const QString& path) {
  KinenTable kinen_dat;
  const std::optional<QStringList> lines = read_lines(path);
  if (!lines) return kinen_dat;
  std::size_t slot = 0;
  for (const QString& line : *lines) {
    if (slot == kinen_dat.size()) break;
    if (!line.isEmpty()) kinen_dat[slot++] = line;
  }
  return kinen_dat;
}

QStringList memorial_file_lines(const KinenTable& kinen_dat) {
  QStringList lines;
  for (int i = 0, end = used_end(kinen_dat); i < end; ++i) lines.append(kinen_dat[i]);
  return lines;
}
