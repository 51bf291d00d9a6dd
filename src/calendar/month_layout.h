#pragma once
// The month grid's arithmetic, shared by every window that shows a month: 37 cells
// in rows of seven, Sunday first, day d in cell first_col + d - 1.
#include <QString>
#include <array>

inline constexpr int kMonthCells = 37;

// The column of day 1 (Sunday 0 .. Saturday 6).
int month_first_col(int year, int month);
// The cell's day number ("" for a cell outside the month), as the grid shows it.
std::array<QString, kMonthCells> month_cell_texts(int year, int month);
// Sunday and Saturday columns, which the grids colour.
inline bool is_sunday_cell(int cell) { return cell % 7 == 0; }
inline bool is_saturday_cell(int cell) { return cell % 7 == 6; }
