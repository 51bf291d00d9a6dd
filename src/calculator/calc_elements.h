#pragma once
// The element data shown by the periodic face, indexed by atomic number 1..109
// (index 0 is unused and empty). All of it is display text in full-width forms:
// symbol "Ｆｅ", weight "５５．８４５" or a mass number "（９９）", electrons
// per shell "２－８－１４－２".
#include <QString>
#include <array>

inline constexpr int kElementCount = 109;

struct ElementTable {
  std::array<QString, kElementCount + 1> syu_kigou;   // symbol
  std::array<QString, kElementCount + 1> syu_mei;     // name
  std::array<QString, kElementCount + 1> syu_ryou;    // atomic weight or (mass number)
  std::array<QString, kElementCount + 1> syu_haichi;  // electrons per shell, innermost first
  std::array<QString, kElementCount + 1> syu_zoku;    // category
};

void read_syu(ElementTable& table);
