#include "search/search.h"

#include "search/folding.h"

namespace {

bool matches(const QString& folded, const QStringList& words) {
  for (const QString& word : words)
    if (!folded.contains(word)) return false;
  return true;
}

bool half_width(char16_t c) { return c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F); }

QString cut_to_cells(const QString& text, int cells) {
  int used = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    used += half_width(text[i].unicode()) ? 1 : 2;
    if (used > cells) return text.left(i);
  }
  return text;
}

QString padded(const QString& text, int cells) {
  return text + QString(qMax(0, cells - display_cells(text)), QChar(' '));
}

QString result_line(const SearchRecord& record, const QStringList& words) {
  QStringList shown;
  for (const QString& field : record.fields) {
    const QString folded = fold_for_search(field);
    for (const QString& word : words)
      if (folded.contains(word)) {
        shown << field.simplified();
        break;
      }
  }
  const QString date = record.date.isValid() ? record.date.toString("yyyy/MM/dd") : QString();
  const QString head = padded(date, 10) + "  " + padded(source_name(record.source), 10) + "  ";
  return head + cut_to_cells(shown.join(QChar(0x3000)), kResultCells - display_cells(head));
}

}  // namespace

int display_cells(const QString& text) {
  int cells = 0;
  for (QChar c : text) cells += half_width(c.unicode()) ? 1 : 2;
  return cells;
}

SearchResults run_search(const std::vector<SearchRecord>& records, const QString& query) {
  SearchResults results;
  const QStringList words = query_words(query);
  if (words.isEmpty()) return results;
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (!matches(records[i].folded, words)) continue;
    if (++results.total > kResultLimit) continue;
    results.shown.push_back(int(i));
    results.lines << result_line(records[i], words);
  }
  return results;
}

QString count_text(const QString& query, const SearchResults& results) {
  if (query_words(query).isEmpty()) return {};
  return QString("%1件").arg(results.total);
}
