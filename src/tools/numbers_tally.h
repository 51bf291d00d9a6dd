#pragma once
// The tally of the numbers game: for each of the three places, the digit stopped
// on most often over the ten rounds, a tie going to the smallest digit.
//
// Example: first places 2,2,2,2,2,5,5,5,5,5 -> 2.
#include <QtGlobal>
#include <array>

inline constexpr int kRounds = 10;
inline constexpr int kPlaces = 3;

// pick[round][place] for rounds 0..9; the last row is spare.
using Picks = std::array<std::array<qint16, kPlaces>, kRounds + 1>;

// The most frequent digit of one place over the ten rounds.
int most_frequent_digit(const Picks& pick, int place);
