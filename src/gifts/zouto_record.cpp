#include "gifts/zouto_record.h"

#include <algorithm>

namespace {

QString field(const QString& text) { return text.leftJustified(kGiftFieldLength, ' ', true); }

}  // namespace

QString gift_date_text(int year, int month, int day) {
  return QString("%1年%2月%3日").arg(year).arg(month).arg(day);
}

QString gift_record(const QString& date_text, const QString& name, const QString& item) {
  return date_text + "  " + field(name) + field(item);
}

int last_gift_year(const QDate& today) { return std::max(2020, today.year() + 1); }

int gift_year_in_range(int year, const QDate& today) {
  return std::clamp(year, kFirstGiftYear, last_gift_year(today));
}
