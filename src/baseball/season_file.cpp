#include "baseball/season_file.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "core/number_text.h"
#include "core/text_file.h"

namespace {

// Appends the fields of one line (without its line end).
void line_fields(const QString& line, QStringList& fields) {
  qsizetype pos = 0;
  while (true) {
    qsizetype start = pos;
    while (start < line.size() && (line[start] == ' ' || line[start] == '\t')) ++start;
    const bool quoted = start < line.size() && line[start] == '"';
    QString field;
    if (quoted) {
      qsizetype close = line.indexOf('"', start + 1);
      if (close < 0) close = line.size();
      field = line.mid(start + 1, close - start - 1);
      pos = close;
    }
    const qsizetype comma = line.indexOf(',', pos);
    const qsizetype end = comma < 0 ? line.size() : comma;
    if (!quoted) field = line.mid(pos, end - pos);
    fields << field;
    if (comma < 0) return;
    pos = comma + 1;
  }
}

// A part of a game text as a whole number. The five characters of the
// attendance could spell 9E+99, so every part is held to what five digits can
// show; the season's sums then stay far inside an int.
int game_part(const QString& text) {
  constexpr double kLimit = 99999;
  const double value = std::clamp(text_to_number(text), -kLimit, kLimit);
  return int(std::nearbyint(value));
}

}  // namespace

QString season_file_name(const QString& year) { return "Bas" + year + ".DAT"; }

QStringList season_fields(const QString& text) {
  QStringList fields;
  qsizetype pos = 0;
  while (pos < text.size()) {
    qsizetype end = pos;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    line_fields(text.mid(pos, end - pos), fields);
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
      ++end;
    pos = end + 1;
  }
  return fields;
}

std::optional<SeasonData> read_season(const QString& path) {
  const std::optional<QByteArray> text = read_text_bytes(path);
  if (!text) return std::nullopt;
  const QStringList fields = season_fields(from_cp932(*text));
  if (fields.size() < kSeasonFields) return std::nullopt;
  SeasonData data;
  int k = 0;
  for (auto& team : data)
    for (auto& opponent : team)
      for (QString& game : opponent) game = fields[k++];
  return data;
}

Game read_game(const QString& field) {
  return {game_part(field.mid(0, 2)), game_part(field.mid(2, 2)), game_part(field.mid(4, 5))};
}
