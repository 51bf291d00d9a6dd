#include "tools/numbers_tally.h"

int most_frequent_digit(const Picks& pick, int place) {
  int counts[10] = {};
  for (int round = 0; round < kRounds; ++round) {
    const int digit = pick[round][place];
    if (digit >= 0 && digit <= 9) ++counts[digit];
  }
  int best = 0;
  for (int digit = 1; digit <= 9; ++digit)
    if (counts[digit] > counts[best]) best = digit;
  return best;
}
