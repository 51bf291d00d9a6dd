#include "core/fields.h"

namespace {

bool is_blank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

}  // namespace

QStringList split_fields(const QString& line) {
  QStringList fields;
  const qsizetype n = line.size();
  qsizetype i = 0;
  while (true) {
    while (i < n && is_blank(line[i])) ++i;
    if (i < n && line[i] == QLatin1Char('"')) {
      const qsizetype close = line.indexOf(QLatin1Char('"'), i + 1);
      // An unclosed quote runs to the line end.
      fields << (close < 0 ? line.mid(i + 1) : line.mid(i + 1, close - i - 1));
      const qsizetype comma = close < 0 ? -1 : line.indexOf(QLatin1Char(','), close + 1);
      i = comma < 0 ? n : comma;
    } else {
      const qsizetype comma = line.indexOf(QLatin1Char(','), i);
      qsizetype end = comma < 0 ? n : comma;
      const qsizetype next = end;
      while (end > i && is_blank(line[end - 1])) --end;
      fields << line.mid(i, end - i);
      i = next;
    }
    if (i >= n) break;
    ++i;  // past the comma
  }
  return fields;
}

QString field_for_input(const QString& value) {
  const bool quoted = value.contains(QLatin1Char(',')) ||
                      (!value.isEmpty() && (is_blank(value.front()) || is_blank(value.back())));
  return quoted ? QLatin1Char('"') + value + QLatin1Char('"') : value;
}

QString first_field(const QString& line) {
  const qsizetype comma = line.indexOf(QLatin1Char(','));
  return comma < 0 ? line : line.left(comma);
}
