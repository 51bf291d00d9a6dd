#include "calendar/month_layout.h"

#include <QDate>

int month_first_col(int year, int month) { return QDate(year, month, 1).dayOfWeek() % 7; }

std::array<QString, kMonthCells> month_cell_texts(int year, int month) {
  std::array<QString, kMonthCells> texts;
  const int first = month_first_col(year, month);
  const int days = QDate(year, month, 1).daysInMonth();
  for (int d = 1; d <= days; ++d) texts[first + d - 1] = QString::number(d);
  return texts;
}
