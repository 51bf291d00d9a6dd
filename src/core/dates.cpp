#include "core/dates.h"

namespace {

// The number written by the ASCII digits text[first .. first+count-1], or -1
// when one of them is not a digit.
int digits_at(const QString& text, int first, int count) {
  int value = 0;
  for (int i = first; i < first + count; ++i) {
    const char16_t c = text[i].unicode();
    if (c < u'0' || c > u'9') return -1;
    value = value * 10 + (c - u'0');
  }
  return value;
}

}  // namespace

int day_difference(const QDate& from, const QDate& to) {
  if (!from.isValid() || !to.isValid()) return 0;
  return static_cast<int>(from.daysTo(to));
}

QString date_key(int year, int month, int day) {
  return QStringLiteral("%1/%2/%3")
      .arg(year, 4, 10, QLatin1Char('0'))
      .arg(month, 2, 10, QLatin1Char('0'))
      .arg(day, 2, 10, QLatin1Char('0'));
}

std::optional<QDate> parse_date_key(const QString& text) {
  if (text.size() < 10 || text[4] != QLatin1Char('/') || text[7] != QLatin1Char('/')) {
    return std::nullopt;
  }
  const int year = digits_at(text, 0, 4);
  const int month = digits_at(text, 5, 2);
  const int day = digits_at(text, 8, 2);
  if (year < 0 || month < 0 || day < 0) return std::nullopt;
  const QDate date(year, month, day);
  if (!date.isValid()) return std::nullopt;
  return date;
}
