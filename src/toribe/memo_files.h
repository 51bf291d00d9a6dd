#pragma once
// Helpers shared by the main window's memo files.
#include <QStringList>

class Platform;
class Toribe;

// Replaces memo.dat with the lines, reloads the tables and refreshes the memo
// indicators. When the file cannot be written the user is told and the tables
// hold the memos from the lines.
void store_memo_file(Toribe& form, Platform& platform, const QStringList& file_lines);
