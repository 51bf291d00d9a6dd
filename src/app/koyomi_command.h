#pragma once
// toribe koyomi [FROM [TO]]: the old calendar, one line a day.
#include "app/command_line.h"

int run_koyomi(const CommandArgs& args);
