#pragma once
// The month grid's arithmetic, shared by every window that shows a month: 37 cells
// in rows of seven, Sunday first, day d in cell first_col + d - 1.
#include <QString>
#include <array>

inline constexpr int kMonthCells = 37;
// The grids' column headings, Sunday first.
inline constexpr const char* kWeekdayNames[7] = {"日", "月", "火", "水", "木", "金", "土"};

// The column of day 1 (Sunday 0 .. Saturday 6).
int month_first_col(int year, int month);
// The cell's day number ("" for a cell outside the month), as the grid shows it.
std::array<QString, kMonthCells> month_cell_texts(int year, int month);
// Sunday and Saturday columns, which the grids colour.
inline bool is_sunday_cell(int cell) { return cell % 7 == 0; }
inline bool is_saturday_cell(int cell) { return cell % 7 == 6; }

// Where a month grid's cells stand, in twips: a pitch of 360 across and 240 down,
// each cell 345 x 210, the weekday headings one pitch above the first row.
struct GridPlace {
  int left = 0, top = 0, width = 0, height = 0;
};
inline constexpr int kCellPitchX = 360, kCellPitchY = 240;
inline constexpr int kCellWidth = 345, kCellHeight = 210;
// Cell k of a grid whose first row starts at (grid_left, grid_top).
inline GridPlace month_cell_place(int cell, int grid_left, int grid_top) {
  return {grid_left + kCellPitchX * (cell % 7), grid_top + kCellPitchY * (cell / 7), kCellWidth,
          kCellHeight};
}
// The heading of a column (Sunday 0) over the same grid.
inline GridPlace weekday_heading_place(int column, int grid_left, int grid_top) {
  return {grid_left + kCellPitchX * column, grid_top - kCellPitchY, kCellWidth, kCellHeight};
}
// The same grid drawn larger, `scale_x` and `scale_y` times its pitch, for cells that hold
// more than the day number; the headings keep their height above the first row.
inline GridPlace month_cell_place(int cell, int grid_left, int grid_top, int scale_x, int scale_y) {
  return {grid_left + kCellPitchX * scale_x * (cell % 7),
          grid_top + kCellPitchY * scale_y * (cell / 7),
          kCellPitchX * scale_x - (kCellPitchX - kCellWidth),
          kCellPitchY * scale_y - (kCellPitchY - kCellHeight)};
}
inline GridPlace weekday_heading_place(int column, int grid_left, int grid_top, int scale_x) {
  const GridPlace cell = month_cell_place(column, grid_left, grid_top, scale_x, 1);
  return {cell.left, grid_top - kCellPitchY, cell.width, kCellHeight};
}
