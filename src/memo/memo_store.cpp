#include "memo/memo_store.h"

#include <algorithm>

#include "core/dates.h"
#include "core/sort_order.h"
#include "memo/memo_file.h"

bool memo_expired(const QString& memo, const QDate& today) {
  const std::optional<QDate> date = parse_date_key(memo);
  return date && day_difference(today, *date) <= -kMemoKeepDays;
}

MemoLoad load_memos(const QStringList& file_lines, bool auto_delete, const QDate& today) {
  const MemoFileContents contents = parse_memo_lines(file_lines);
  MemoLoad load;
  MemoTables& tables = load.tables;
  for (const QStringList& memo : contents.memos) {
    if (auto_delete && memo_expired(memo.first(), today)) continue;
    tables.memo_txt.append(full_form(memo));
    tables.memo_line.append(one_line_form(memo));
  }
  tables.memo_cnt = int(tables.memo_txt.size()) - 1;
  if (auto_delete && contents.has_content) {
    load.rewrite = true;
    load.rewrite_lines = full_form_file(tables.memo_txt.mid(1));
  }
  // The two tables are sorted each on its own; slot i of one need not be slot i
  // of the other when two memos of a day differ only past their first line.
  QStringList txt = tables.memo_txt.mid(1);
  QStringList line = tables.memo_line.mid(1);
  list_sort(txt);
  list_sort(line);
  tables.memo_txt = QStringList{QString()} + txt;
  tables.memo_line = QStringList{QString()} + line;
  tables.today_memo = todays_memos(tables.memo_txt, tables.memo_cnt,
                                   date_key(today.year(), today.month(), today.day()));
  return load;
}

QList<int> todays_memos(const QStringList& memo_txt, int count, const QString& today_key) {
  QList<int> slots;
  for (int slot = 1; slot <= count && slot < memo_txt.size(); ++slot)
    if (memo_txt[slot].left(10) == today_key) slots.append(slot);
  if (slots.isEmpty()) slots.append(1000);
  // Always one 0 after the last entry, so a reader can stop there.
  slots.resize(std::max<qsizetype>(kTodayEntries, slots.size() + 1), 0);
  return slots;
}
