#pragma once
// The 37 units of the conversion face and the factor table built from their sizes.
// Entry (s, t) of the table is how many source units make one target unit, so a
// value keyed in unit s reads value / kan_tbl[s][t] in the target unit t (t counts
// the option buttons of the source's group, from 0).
#include <QString>
#include <array>

inline constexpr int kUnitCount = 37;

struct Unit {
  const char16_t* list_text;  // the line of the source list
  const char16_t* caption;    // the caption of its target option button
  double size;                // in the group's measuring unit (cm, g, m², l)
};

const std::array<Unit, kUnitCount>& units();

// First list index of the group holding list index i: 0, 10, 19 or 28.
int unit_group_start(int list_index);
// Number of units in that group: 10 for length, 9 for the others.
int unit_group_size(int list_index);

// Rows 0..40, columns 0..10; only rows 0..36 and the columns of each row's group
// are filled, the rest stay 0.
using KanTable = std::array<std::array<float, 11>, 41>;

// Fills every factor as size(target) / size(source) rounded to 7 significant digits.
void read_kan(KanTable& kan_tbl);
