#include "ledger/kozukai_rules.h"

#include "core/half_width.h"
#include "ledger/kozukai_file.h"

AmountCheck amount_check(const QString& text) {
  const QString half = to_half_width(text);
  AmountCheck result = AmountCheck::Good;
  for (const QChar c : half)
    if (c < '0' || c > '9') result = AmountCheck::NotAmount;
  // The number the text begins with, counted no further than is needed to
  // tell it from the limit.
  qint64 value = 0;
  for (const QChar c : half) {
    if (c < '0' || c > '9') break;
    value = std::min(value * 10 + (c.unicode() - '0'), kMaxAmount + 1);
  }
  if (value == 0) result = AmountCheck::NotAmount;
  if (value > kMaxAmount) result = AmountCheck::TooLarge;
  return result;
}

YearMonth koz_setting_month(const QString& ini_koz, const QDate& today) {
  const QString prefix = "KOZ = ";
  const QString digits = ini_koz.mid(prefix.size());
  bool all_digits = digits.size() == 6;
  for (const QChar c : digits) all_digits = all_digits && c >= '0' && c <= '9';
  if (ini_koz.startsWith(prefix) && all_digits) {
    const YearMonth read{digits.left(4).toInt(), digits.right(2).toInt()};
    if (read.month >= 1 && read.month <= 12) return read;
  }
  return {today.year(), today.month()};
}

QString koz_setting_line(int year, int month) {
  return QString("KOZ = %1%2").arg(year, 4, 10, QChar('0')).arg(month, 2, 10, QChar('0'));
}

int last_step_year(const QDate& today) { return std::max(2010, today.year() + 1); }

KozStep navigation_step(int button, YearMonth from, int last_year) {
  KozStep step{from, true};
  switch (button) {
    case 0:
      if (from.year - 1 >= kFirstStepYear) step.to.year = from.year - 1;
      break;
    case 1:
      step.reload = from.month == 1;
      if (from.month > 1)
        --step.to.month;
      else if (from.year - 1 >= kFirstStepYear)
        step.to = {from.year - 1, 12};
      break;
    case 2:
      step.reload = from.month == 12;
      if (from.month < 12)
        ++step.to.month;
      else if (from.year + 1 <= last_year)
        step.to = {from.year + 1, 1};
      break;
    case 3:
      if (from.year + 1 <= last_year) step.to.year = from.year + 1;
      break;
    default:
      step.reload = false;
      break;
  }
  return step;
}
