#pragma once
// toribe sync: records the account of a data folder, or forgets it, and syncs.
#include "app/command_line.h"

int sync_command(const CommandArgs& args);
