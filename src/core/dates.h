#pragma once
// Calendar-day arithmetic and the yyyy/mm/dd day keys.
#include <QDate>
#include <QString>
#include <optional>

// Midnights from 'from' to 'to': positive when 'to' is later, negative when
// earlier; 0 when either date is invalid.
int day_difference(const QDate& from, const QDate& to);

// "yyyy/mm/dd" built from the numbers, zero padded (2003/05/12). Meant for
// years 1..9999; other years do not give a ten-character key.
QString date_key(int year, int month, int day);

// The date named by the first ten characters as yyyy/mm/dd: ASCII digits in
// their places, slashes between, and a real calendar date. Anything after the
// tenth character is ignored.
std::optional<QDate> parse_date_key(const QString& text);
