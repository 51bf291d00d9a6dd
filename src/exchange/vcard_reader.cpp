#include "exchange/vcard_reader.h"

#include <QStringDecoder>
#include <optional>

#include "core/text_file.h"

namespace {

struct ContentLine {
  int line = 0;
  QByteArray text;  // unfolded, quoted-printable soft breaks joined
};

struct Failure {
  VcardError error;
};

[[noreturn]] void refuse(int line, const QString& message) { throw Failure{{line, message}}; }

bool is_binary_byte(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u < 0x20 && u != '\t' && u != '\r' && u != '\n') || u == 0x7F;
}

// The part of a content line before its value: up to the first colon outside quotes.
qsizetype value_start(const QByteArray& text) {
  bool quoted = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == '"') quoted = !quoted;
    if (text[i] == ':' && !quoted) return i;
  }
  return -1;
}

bool is_quoted_printable(const QByteArray& text) {
  const qsizetype colon = value_start(text);
  return colon > 0 && text.left(colon).toUpper().contains("QUOTED-PRINTABLE");
}

QList<ContentLine> content_lines(const QByteArray& bytes) {
  QList<ContentLine> lines;
  qsizetype pos = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
  int number = 0;
  bool soft_break = false;  // the last line ended in a quoted-printable "="
  while (pos < bytes.size()) {
    qsizetype end = bytes.indexOf('\n', pos);
    if (end < 0) end = bytes.size();
    QByteArray line = bytes.mid(pos, end - pos);
    pos = end + 1;
    ++number;
    if (line.endsWith('\r')) line.chop(1);
    if (line.size() > kMaxVcardLine) refuse(number, "行が長すぎます（64 KiB まで）。");
    for (char c : line)
      if (is_binary_byte(c)) refuse(number, "文字でないデータが含まれています。");
    if (soft_break && !lines.isEmpty()) {
      lines.last().text.chop(1);
      lines.last().text += line;
    } else if ((line.startsWith(' ') || line.startsWith('\t')) && !lines.isEmpty()) {
      lines.last().text += line.mid(1);
    } else {
      lines.append({number, line});
    }
    soft_break = lines.last().text.endsWith('=') && is_quoted_printable(lines.last().text);
  }
  return lines;
}

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

QByteArray decode_quoted_printable(const QByteArray& value, int line) {
  QByteArray out;
  out.reserve(value.size());
  for (qsizetype i = 0; i < value.size(); ++i) {
    if (value[i] != '=') {
      out += value[i];
      continue;
    }
    if (i + 1 == value.size()) break;  // a soft break with nothing after it
    const int high = hex_digit(value[i + 1]);
    const int low = i + 2 < value.size() ? hex_digit(value[i + 2]) : -1;
    if (high < 0 || low < 0) refuse(line, "quoted-printable の符号が正しくありません。");
    out += char(high * 16 + low);
    i += 2;
  }
  return out;
}

bool is_shift_jis_name(const QByteArray& name) {
  static const QByteArray names[] = {"SHIFT_JIS",  "SHIFT-JIS", "SJIS",        "X-SJIS",
                                     "CP932",      "MS932",     "WINDOWS-31J", "MS_KANJI",
                                     "CSSHIFTJIS", "X-MS-CP932"};
  for (const QByteArray& n : names)
    if (name == n) return true;
  return false;
}

std::optional<QString> decode_strictly(const QByteArray& bytes, const char* charset) {
  QStringDecoder decoder(charset, QStringDecoder::Flag::Stateless);
  if (!decoder.isValid()) return std::nullopt;
  QString text = decoder(bytes);
  if (decoder.hasError()) return std::nullopt;
  return text;
}

QString decode_text(const QByteArray& bytes, const QByteArray& charset, int line) {
  std::optional<QString> text;
  if (charset.isEmpty()) {
    // UTF-8 unless said otherwise; old files without a charset are Shift_JIS.
    text = decode_strictly(bytes, "UTF-8");
    if (!text) text = from_cp932_strict(bytes);
  } else if (is_shift_jis_name(charset)) {
    text = from_cp932_strict(bytes);
  } else if (charset == "UTF-8" || charset == "UTF8" || charset == "US-ASCII") {
    text = decode_strictly(bytes, "UTF-8");
  } else {
    if (!QStringDecoder(charset.constData()).isValid())
      refuse(line, "文字コード「" + QString::fromLatin1(charset) + "」には対応していません。");
    text = decode_strictly(bytes, charset.constData());
  }
  if (!text) refuse(line, "文字コードが正しくありません。");
  return *text;
}

struct Property {
  QByteArray name;     // upper case, group prefix removed
  QStringList types;   // lower case
  QByteArray charset;  // upper case
  bool quoted_printable = false;
  bool binary = false;
  QByteArray value;
};

QList<QByteArray> split_outside_quotes(const QByteArray& text, char separator) {
  QList<QByteArray> parts{QByteArray()};
  bool quoted = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (c == separator && !quoted)
      parts.append(QByteArray());
    else
      parts.last() += c;
  }
  return parts;
}

QByteArray unquoted(QByteArray text) {
  text = text.trimmed();
  if (text.size() >= 2 && text.startsWith('"') && text.endsWith('"'))
    text = text.mid(1, text.size() - 2);
  return text;
}

std::optional<Property> parse_property(const QByteArray& text) {
  const qsizetype colon = value_start(text);
  if (colon < 0) return std::nullopt;
  Property property;
  property.value = text.mid(colon + 1);
  const QList<QByteArray> head = split_outside_quotes(text.left(colon), ';');
  property.name = head.first().trimmed().toUpper();
  if (const qsizetype dot = property.name.lastIndexOf('.'); dot >= 0)
    property.name = property.name.mid(dot + 1);
  for (qsizetype i = 1; i < head.size(); ++i) {
    const qsizetype equals = head[i].indexOf('=');
    const QByteArray key =
        (equals < 0 ? QByteArray("TYPE") : head[i].left(equals)).trimmed().toUpper();
    const QByteArray value = unquoted(equals < 0 ? head[i] : head[i].mid(equals + 1));
    const QByteArray upper = value.toUpper();
    if (key == "CHARSET") {
      property.charset = upper;
    } else if (key == "ENCODING" || upper == "QUOTED-PRINTABLE" || upper == "BASE64") {
      property.quoted_printable = upper == "QUOTED-PRINTABLE";
      property.binary = upper == "BASE64" || upper == "B";
    } else if (key == "TYPE") {
      for (const QByteArray& type : value.split(','))
        property.types << QString::fromLatin1(unquoted(type)).toLower();
    }
  }
  return property;
}

// The components of a structured value, split at the semicolons that are not escaped.
QStringList components(const QString& value) {
  QStringList parts{QString()};
  for (qsizetype i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size()) {
      parts.last() += value.mid(i, 2);
      ++i;
    } else if (value[i] == ';') {
      parts.append(QString());
    } else {
      parts.last() += value[i];
    }
  }
  return parts;
}

QString unescaped(const QString& value) {
  QString out;
  for (qsizetype i = 0; i < value.size(); ++i) {
    const QChar next = i + 1 < value.size() ? value[i + 1] : QChar();
    if (value[i] != '\\' || next.isNull()) {
      out += value[i];
    } else if (next == 'n' || next == 'N') {
      out += '\n', ++i;
    } else if (next == ',' || next == ';' || next == '\\') {
      out += next, ++i;
    } else {
      out += value[i];  // 2.1 keeps a lone backslash as it is
    }
  }
  return out;
}

QStringList unescaped_parts(const QString& value) {
  QStringList parts = components(value);
  for (QString& part : parts) part = unescaped(part);
  return parts;
}

void take_property(Vcard& card, const Property& property, int line) {
  if (property.binary) return;
  QByteArray raw = property.value;
  if (property.quoted_printable) raw = decode_quoted_printable(raw, line);
  const QString value = decode_text(raw, property.charset, line);
  const QByteArray& name = property.name;
  if (name == "FN") {
    card.fn = unescaped(value);
  } else if (name == "N") {
    card.n = unescaped_parts(value);
  } else if (name == "ORG") {
    card.org = unescaped_parts(value);
  } else if (name == "TITLE") {
    card.title = unescaped(value);
  } else if (name == "TEL") {
    QString number = unescaped(value).trimmed();
    if (number.startsWith("tel:", Qt::CaseInsensitive)) number = number.mid(4);
    card.phones.append({number, property.types.contains("fax")});
  } else if (name == "EMAIL") {
    QString mail = unescaped(value).trimmed();
    if (mail.startsWith("mailto:", Qt::CaseInsensitive)) mail = mail.mid(7);
    card.emails << mail;
  } else if (name == "ADR") {
    card.addresses.append({unescaped_parts(value), property.types});
  }
}

QList<Vcard> parse_cards(const QList<ContentLine>& lines) {
  QList<Vcard> cards;
  std::optional<Vcard> card;
  int nested = 0;  // vCards inside a vCard (2.1 AGENT) are skipped
  for (const ContentLine& line : lines) {
    if (line.text.trimmed().isEmpty()) continue;
    const std::optional<Property> property = parse_property(line.text);
    if (!property) {
      if (card) continue;  // the data lines of a 2.1 picture
      refuse(line.line, "vCard の形式ではありません。");
    }
    const QByteArray value = property->value.trimmed().toUpper();
    if (property->name == "BEGIN" && value == "VCARD") {
      if (card)
        ++nested;
      else
        card = Vcard{line.line, {}, {}, {}, {}, {}, {}, {}};
    } else if (property->name == "END" && value == "VCARD") {
      if (!card) refuse(line.line, "BEGIN:VCARD のない END:VCARD です。");
      if (nested > 0) {
        --nested;
      } else {
        cards.append(*card);
        card.reset();
      }
    } else if (!card) {
      refuse(line.line, "BEGIN:VCARD がありません。");
    } else if (nested == 0) {
      take_property(*card, *property, line.line);
    }
  }
  if (card) refuse(card->line, "END:VCARD がありません。");
  return cards;
}

}  // namespace

std::variant<QList<Vcard>, VcardError> read_vcards(const QByteArray& bytes) {
  try {
    return parse_cards(content_lines(bytes));
  } catch (const Failure& failure) {
    return failure.error;
  }
}
