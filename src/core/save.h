#pragma once
#include <QStringList>

class Platform;

// Tells the user that the named file could not be written; the data stay in memory.
void tell_write_failure(Platform& platform, const QString& file_name);
// Writes the file whole; on failure tells the user and answers false.
bool save_lines(Platform& platform, const QString& file_name, const QStringList& lines);
