#pragma once
// toribe export … and toribe import …: see exchange/exchange.h.
#include "app/command_line.h"

int export_calendar_command(const CommandArgs& args);
int export_addresses_command(const CommandArgs& args);
int export_cards_command(const CommandArgs& args);
int export_ledger_command(const CommandArgs& args);
int export_gifts_command(const CommandArgs& args);
int import_addresses_command(const CommandArgs& args);
int import_cards_command(const CommandArgs& args);
