#pragma once
// Toribe.ini: twelve lines, line 1 the token string that holds the calendar
// mode, the memo auto-delete setting and the base year.
#include <QDate>
#include <QString>

#include "settings/module1.h"

class Platform;

inline const QString kSettingsFile = QStringLiteral("Toribe.ini");
inline const QString kDefaultTokenString = QStringLiteral("TORABCDEFGHIJKLMNOPQRSTUVWXYZ0");

// Sets the defaults of lines 2 to 12 (line 2 from today's year and month).
void set_ini_defaults(Module1& m, const QDate& today);
// Reads the twelve lines; a missing file or a missing line restores the default
// token string and writes the file whole. Returns false when that write failed.
bool read_ini(Module1& m, const QString& path);
// Applies every token of ini_str to calen_mode, memo_del and base_year.
void parse_token_string(Module1& m);
// Pads a 3- or 6-character token string to full length; true when it did.
bool pad_token_string(Module1& m);
// The "00" tokens that store base_year - 1996; offsets above 9 take several
// tokens whose digits add up, so every later token stays in place.
QString base_year_tokens(int base_year);
// prefix (the first 3 or 6 characters) + the base-year tokens + what followed
// the old string's base-year tokens.
QString rebuild_token_string(const QString& prefix, int base_year, const QString& old);
// The option "現行の祝日法" (holidays and eras as the law stands today) lives in
// the reserved line 4, "TORIBE1 = 1" when on; off, the line is left as it was
// read, and switching it off gives back the line's own key text.
bool law_option(const Module1& m);
void set_law_option(Module1& m, bool on);
// The option "予定を通知" (the reminder of the days ahead) lives in the reserved
// line 5: on unless the line reads "TORIBE2 = 0", so a file of the earlier version
// keeps it on; switched on, the line is its own key text again.
bool notice_option(const Module1& m);
void set_notice_option(Module1& m, bool on);
// Writes the twelve lines. False when the file could not be written.
bool write_ini(const Module1& m, const QString& path);
// write_ini, telling the user in a message box when it fails.
void save_ini(const Module1& m, Platform& platform);
