#pragma once
// One gift as the list and the file show it: the date, two blanks, then the name
// and the item or amount, each padded with blanks or cut to exactly 20 characters,
// so that the columns line up for dates of the same length.
#include <QDate>
#include <QString>

inline constexpr int kGiftFieldLength = 20;
// No gift is added to either list while one of them holds this many.
inline constexpr int kGiftLimit = 500;
inline constexpr int kFirstGiftYear = 1995;

// "2003年5月6日": no leading zeros.
QString gift_date_text(int year, int month, int day);
QString gift_record(const QString& date_text, const QString& name, const QString& item);

// The calendar's last year: 2020, or the year after this one once that is later,
// so that this year's gifts can always be dated.
int last_gift_year(const QDate& today);
// The year forced into the calendar's years.
int gift_year_in_range(int year, const QDate& today);
