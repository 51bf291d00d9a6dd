#pragma once
// The answers of the two day counts, from calendar-day differences.
#include <QString>

// How far a picked day lies from today; days = picked - today.
QString days_from_today_text(int days);
// How many days lie between two picked days (yyyy/mm/dd keys); days may be negative.
QString days_between_text(const QString& from_key, const QString& to_key, int days);
