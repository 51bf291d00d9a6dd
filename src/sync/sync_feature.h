#pragma once
// The sync module: two-way sync with a CalDAV/CardDAV server, over Qt Network.
#include "app/command_line.h"

struct SyncFeature {
  static constexpr char kModule[] = "sync";
  static constexpr char kTitle[] = "同期";
  // toribe sync (sync_command.h).
  int (*command)(const CommandArgs& args);
};
