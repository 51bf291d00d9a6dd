#pragma once
// The calendar folder: day tables, holiday rules, month-grid arithmetic and the user day files; no window.
// The main window's day tables: the built-in national holidays and observances,
// and the user's holidays and anniversaries. Each is a fixed-size array of texts
// whose first empty slot ends the used part (a full table has no such slot).
#include <QString>
#include <array>

// national holidays: MMDD followed by the name
using SyukuTable = std::array<QString, 21>;
// observances: MMDD followed by the text
using GyoujiTable = std::array<QString, 121>;
// user holidays: slots 0..kHoliYears-1 a four-digit year each, then YYYYMMDD dates
using HoliTable = std::array<QString, 1511>;
// anniversaries: MMDD followed by the user's comment
using KinenTable = std::array<QString, 51>;

// Year slots at the head of the user-holiday table (holi_years).
inline constexpr int kHoliYears = 10;

// Slots of the national-holiday table that the display rewrites or treats apart.
inline constexpr int kSeijinSlot = 1;  // 成人の日, second Monday of January from 2000
inline constexpr int kSpringEquinoxSlot = 3;
inline constexpr int kAutumnEquinoxSlot = 10;
inline constexpr int kTaiikuSlot = 11;  // 体育の日, second Monday of October from 2000

// Fills both built-in tables; every slot past their entries is empty.
void dat_set(SyukuTable& syuku_dat, GyoujiTable& gyouji_dat);

// Number of used slots: those before the first empty one, scanning [from, size).
template <std::size_t N>
int used_end(const std::array<QString, N>& table, int from = 0) {
  int i = from;
  while (i < int(N) && !table[i].isEmpty()) ++i;
  return i;
}
