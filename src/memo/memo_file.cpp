#include "memo/memo_file.h"

#include <QRegularExpression>
#include <algorithm>

bool is_date_line(const QString& line) {
  return (line.size() >= 5 && line[4] == u'/') || (line.size() >= 8 && line[7] == u'/');
}

MemoFileContents parse_memo_lines(const QStringList& file_lines) {
  MemoFileContents contents;
  for (const QString& line : file_lines) {
    if (line.isEmpty()) continue;
    contents.has_content = true;
    if (is_date_line(line)) {
      contents.memos.append(QStringList{line});
    } else if (!contents.memos.isEmpty()) {
      contents.memos.last().append(line);
    }
  }
  return contents;
}

QString full_form(const QStringList& memo_lines) {
  QString text;
  for (const QString& line : memo_lines) text += line + "\r\n";
  return text;
}

QString one_line_form(const QStringList& memo_lines) { return memo_lines.join(QString()); }

QStringList full_form_file(const QStringList& memos) {
  static const QRegularExpression line_break("\r\n|\r|\n");
  QStringList lines;
  for (const QString& memo : memos) {
    QStringList parts = (memo + "\r\n").split(line_break);
    parts.removeLast();  // the empty text after the closing line end
    lines += parts;
  }
  return lines;
}

QStringList one_line_file(const QStringList& memos) {
  QStringList lines;
  for (QString memo : memos) lines.append(memo.remove(u'\r').remove(u'\n'));
  return lines;
}

QStringList memos_behind_lines(const QStringList& lines, const QStringList& full_memos) {
  QStringList pool = full_memos;
  QStringList memos;
  for (const QString& line : lines) {
    const auto it = std::find_if(pool.begin(), pool.end(), [&](const QString& memo) {
      return QString(memo).remove(u'\r').remove(u'\n') == line;
    });
    if (it == pool.end()) {
      memos.append(line);  // no memo behind it: keep the line itself
      continue;
    }
    memos.append(*it);
    pool.erase(it);
  }
  return memos;
}
