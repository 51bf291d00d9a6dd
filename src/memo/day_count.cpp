#include "memo/day_count.h"

#include <cstdlib>

QString days_from_today_text(int days) {
  if (days == 0) return "指定された日は今日です。";
  return QString(days < 0 ? "その日は今日より " : "その日は今日から ") + "\r\n   " +
         QString::number(std::abs(days)) + (days < 0 ? "日前です。" : "日後です。");
}

QString days_between_text(const QString& from_key, const QString& to_key, int days) {
  return from_key + "より" + to_key + "\r\nまでは " + QString::number(std::abs(days)) +
         "日間です。";
}
