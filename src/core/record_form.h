#pragma once
// What the record windows (ledger, address book, cards, gifts) share: the mode
// they are in, paging through numbered records, saving when they close, and
// cleaning typed text for their files.
#include <QString>
#include <functional>

class Platform;

// A record window browses, or enters new records, changes the one shown, or
// deletes; one of them at a time.
enum class RecordMode { Browse, Input, Change, Delete };

// The paging buttons in their index order: "<<", "<", ">", ">>".
enum class PageStep { First, Back, Forward, Last };

// The record number (from 1) shown after a paging button among count records; a
// step stops at either end. 0 while there are none.
int turn_page(PageStep step, int current, int count);
// The record number held within 1..count; 0 while there are none.
int page_at(int number, int count);

// Writes the records through write when dirty; a failure is told, naming the file.
// True when nothing is left unsaved; dirty is then false.
bool save_if_changed(Platform& platform, bool& dirty, const QString& file_name,
                     const std::function<bool()>& write);
// Whether a window may close: yes when all was saved, else the user's answer to
// the yes/no question.
bool close_or_ask(Platform& platform, bool saved, const QString& question);

// How a file keeps a field: whole lines (a double quote is an ordinary
// character) or between double quotes (a double quote would end it).
enum class FieldFormat { Line, Quoted };

struct CleanedText {
  bool quote = false;  // a double quote was taken out
  QString refused;     // the characters CP932 lacks that were taken out
};
// Takes out of typed text what the file cannot hold: line breaks, the double
// quote of a quoted field, and characters CP932 lacks.
CleanedText clean_for_file(QString& text, FieldFormat format);
// Tells why the refused characters were taken out: "「…」は住所録に保存できない…".
QString refusal_message(const QString& refused, const QString& window);
