#include "tools/nengou_eras.h"

int era_of_year(int year, int eras) {
  int era = 0;
  for (int i = 1; i < eras; ++i)
    if (year >= kEras[i].first_year) era = i;
  return era;
}
