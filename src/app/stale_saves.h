#pragma once
// A save is written to a temporary file beside the data file (QSaveFile:
// NAME.XXXXXX) and renamed over it once whole; a program killed in between
// leaves the temporary file behind.
#include <QString>

// Removes from folder the temporary files left by saves of this program's own
// data files that are older than a minute (so that no running save can own them).
// Nothing else is touched. Run once the instance lock is held.
void remove_stale_saves(const QString& folder);
