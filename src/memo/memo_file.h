#pragma once
// The day memo file memo.dat: CP932 lines, each memo a date line (yyyy/mm/dd
// followed by the first line of the text) and its continuation lines.
//
// Written in two forms. Full form: every line of every memo, and after each
// memo read from the file one empty line:
//   2003/05/12買い物 / 牛乳 / パン / (empty) / 2003/05/20会議 / (empty)
// One-line form: every memo on one line, its lines joined with no separator.
// Reading skips empty lines, so neither form grows when read and rewritten.
#include <QList>
#include <QString>
#include <QStringList>

inline const QString kMemoFile = QStringLiteral("memo.dat");

// A line that begins a memo: its 5th or its 8th character is "/".
bool is_date_line(const QString& line);

struct MemoFileContents {
  QList<QStringList> memos;  // each memo's lines, date line first, in file order
  bool has_content = false;  // at least one non-empty line was read
};

// Splits the file's lines into memos. Empty lines are skipped; lines before the
// first date line belong to no memo and are dropped.
MemoFileContents parse_memo_lines(const QStringList& file_lines);

// A memo as held in memory: every line followed by CR LF.
QString full_form(const QStringList& memo_lines);
// A memo on one line: its lines joined with no separator.
QString one_line_form(const QStringList& memo_lines);

// The file's lines in full form: each memo text (whose line breaks may be CR LF,
// CR or LF) followed by one line end.
QStringList full_form_file(const QStringList& memos);
// The file's lines in one-line form: one line per memo, line breaks inside a
// memo removed so that no memo can spill onto a second line.
QStringList one_line_file(const QStringList& memos);
// The full memo behind each one-line form, in the order of the lines. The two
// tables are sorted each on its own; equal one-line forms take their memos in turn.
QStringList memos_behind_lines(const QStringList& lines, const QStringList& full_memos);
