#pragma once
// toribe print calendar|labels|postcards: the pages as a PDF file.
#include "app/command_line.h"

int print_calendar_command(const CommandArgs& args);
int print_labels_command(const CommandArgs& args);
int print_postcards_command(const CommandArgs& args);
