#include "reliability/record_gen.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <vector>

namespace {

// Every double-byte CP932 character that reads back as itself after writing: where a
// character has two codes (the NEC-selected IBM extensions), the text still agrees.
const std::vector<QChar>& double_byte_chars() {
  static const std::vector<QChar> chars = [] {
    std::vector<QChar> found;
    // One converter each, reset between characters: opening one costs more than a use.
    QStringDecoder decode("windows-31j", QStringConverter::Flag::Stateless);
    QStringEncoder encode("windows-31j", QStringConverter::Flag::Stateless);
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
      if (lead >= 0xA0 && lead <= 0xDF) continue;
      for (int trail = 0x40; trail <= 0xFC; ++trail) {
        if (trail == 0x7F) continue;
        const char code[] = {char(lead), char(trail)};
        decode.resetState();
        const QString text = decode(QByteArray(code, 2));
        if (decode.hasError() || text.size() != 1 || text[0] == QChar(0xFFFD)) continue;
        encode.resetState();
        const QByteArray bytes = encode(text);
        if (encode.hasError()) continue;
        decode.resetState();
        if (decode(bytes) == text && !decode.hasError()) found.push_back(text[0]);
      }
    }
    return found;
  }();
  return chars;
}

// Characters whose second byte is 0x5C, the backslash, which naive Shift-JIS code
// takes for an escape.
const char16_t kTrailBackslash[] = u"ソ表能十予申";

}  // namespace

int RecordGen::number(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

QChar RecordGen::any_char() {
  const int roll = number(0, 99);
  if (roll < 40) {
    const auto& pool = double_byte_chars();
    return pool[number(0, int(pool.size()) - 1)];
  }
  if (roll < 50) return QChar(char16_t(number(0x3041, 0x3093)));  // hiragana
  if (roll < 72) return QChar(char16_t(number(0x20, 0x7E)));      // half-width ASCII
  if (roll < 80) return QChar(char16_t(number(0xFF61, 0xFF9F)));  // half-width katakana
  if (roll < 87) return QChar(u',');
  if (roll < 91) return QChar(u' ');
  if (roll < 95) return QChar(u'\u3000');
  if (roll < 99) return QChar(kTrailBackslash[number(0, 5)]);
  return QChar(u'\t');
}

QString RecordGen::text(int max_length, const QString& banned) {
  const int roll = number(0, 9);
  const int length = roll == 0 ? 0 : roll <= 2 ? max_length : number(1, max_length);
  QString text;
  while (text.size() < length) {
    const QChar c = any_char();
    if (!banned.contains(c)) text += c;
  }
  // Blanks at the ends, which a reader that trims would lose.
  const QString blanks = QStringLiteral(" \u3000");
  for (qsizetype end : {qsizetype(0), text.size() - 1}) {
    if (text.isEmpty() || !chance(15)) continue;
    const QChar blank = blanks[number(0, 1)];
    if (!banned.contains(blank)) text[end] = blank;
  }
  return text;
}

QString RecordGen::filled_text(int max_length, const QString& banned) {
  QString text;
  while (text.isEmpty()) text = this->text(max_length, banned);
  return text;
}

int RecordGen::count(int limit) {
  const int roll = number(0, 9);
  if (roll == 0) return 0;
  if (roll == 1) return limit;
  if (roll == 2) return limit - 1;
  return number(1, limit);
}

QDate RecordGen::date(int first_year, int last_year) {
  const QDate first(first_year, 1, 1);
  return first.addDays(number(0, int(first.daysTo(QDate(last_year, 12, 31)))));
}

QByteArray RecordGen::junk(int max_length) {
  QByteArray bytes;
  const int length = number(0, max_length);
  for (int i = 0; i < length; ++i) {
    char byte = char(number(1, 255));
    if (byte != '\r' && byte != '\n' && byte != '\x1a') bytes += byte;  // 0x1A ends a file
  }
  // A lead byte without its second byte: never CP932.
  bytes.prepend("\x81\x0b");
  return bytes;
}
