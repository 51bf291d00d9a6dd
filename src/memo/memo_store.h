#pragma once
// The memo folder: the memo file, the memo tables and day-count arithmetic; no window.
// The memo tables of the main window and how a load fills them: the optional
// deletion of old memos, the sort into list order, today's memos.
//
// Example: today 2003/05/31 with deletion on, the file
//   2003/05/20b / 2003/05/01old / 2003/05/12a
// loads as slot 1 "2003/05/12a", slot 2 "2003/05/20b" (the memo of 2003/05/01,
// 30 days back, is gone) and asks for the file to be rewritten in read order.
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

struct MemoTables {
  // Slot 0 is never used; slots 1..memo_cnt hold one memo each, in list order.
  QStringList memo_txt{QString()};   // full form, every line followed by CR LF
  QStringList memo_line{QString()};  // one-line form
  int memo_cnt = 0;
  // Slots of today's memos in slot order, then 0; entry 0 is 1000 when today
  // has none. At least 11 entries, more when today has more memos.
  QList<int> today_memo = QList<int>(11, 0);
};

// Number of today's memos the table has room for in its usual size.
inline constexpr int kTodayEntries = 11;
// Days back from which a memo counts as old.
inline constexpr int kMemoKeepDays = 30;

// True when the memo's date key names a date 30 or more days before today.
// A key that names no date is never old: such a memo is kept.
bool memo_expired(const QString& memo, const QDate& today);

struct MemoLoad {
  MemoTables tables;
  // With deletion on and anything in the file, the memos kept, in read order,
  // as the lines of the full-form rewrite.
  bool rewrite = false;
  QStringList rewrite_lines;
};

// Fills the tables from the file's lines; auto_delete drops old memos.
MemoLoad load_memos(const QStringList& file_lines, bool auto_delete, const QDate& today);

// The today_memo entries for the slots 1..count whose key is today_key.
QList<int> todays_memos(const QStringList& memo_txt, int count, const QString& today_key);
