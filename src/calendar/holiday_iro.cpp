#include "app/toribe.h"

void Toribe::holiday_iro() {}
