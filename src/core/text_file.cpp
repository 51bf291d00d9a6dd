#include "core/text_file.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <utility>

namespace {
constexpr const char* kCodePage = "windows-31j";
}

QString from_cp932(const QByteArray& bytes) {
  QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
  return decoder(bytes);
}

QByteArray to_cp932(const QString& text) {
  QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
  return encoder(text);
}

std::optional<QString> from_cp932_strict(const QByteArray& bytes) {
  QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
  QString text = decoder(bytes);
  if (decoder.hasError()) return std::nullopt;
  return text;
}

QString replace_with_cp932_forms(QString text) {
  static constexpr std::pair<char16_t, char16_t> kForms[] = {
      {u'\u301c', u'\uff5e'}, {u'\u2212', u'\uff0d'}, {u'\u2016', u'\u2225'},
      {u'\u2014', u'\u2015'}, {u'\u00a2', u'\uffe0'}, {u'\u00a3', u'\uffe1'},
      {u'\u00ac', u'\uffe2'},
  };
  for (QChar& ch : text)
    for (const auto& [jis, windows] : kForms)
      if (ch == QChar(jis)) ch = QChar(windows);
  return text;
}

bool cp932_can_encode(const QString& text) {
  QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
  const QByteArray bytes = encoder(text);
  // U+001C is written as 0x1A, which every reader takes for the end of the file.
  return !encoder.hasError() && !bytes.contains('\x1a');
}

QString cp932_unsaveable(const QString& text) {
  QString found;
  for (qsizetype i = 0; i < text.size(); ++i) {
    QString ch(text[i]);
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
      ch += text[++i];
    if (!cp932_can_encode(ch) && !found.contains(ch)) found += ch;
  }
  return found;
}

QString take_out_unsaveable(QString& text) {
  const QString refused = cp932_unsaveable(text);
  for (qsizetype i = 0; i < refused.size(); ++i) {
    const qsizetype units = refused[i].isHighSurrogate() ? 2 : 1;
    text.remove(refused.mid(i, units));
    i += units - 1;
  }
  return refused;
}

std::optional<QByteArray> read_text_bytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  QByteArray all = file.readAll();
  // Ctrl-Z (0x1A), the old end-of-file mark some Windows editors leave, ends the
  // text as it did for the earlier program. It is never a CP932 trail byte, so the
  // cut cannot split a character; a later save writes the text without it.
  if (const qsizetype mark = all.indexOf('\x1a'); mark >= 0) all.truncate(mark);
  return all;
}

std::optional<QList<QByteArray>> read_byte_lines(const QString& path) {
  const std::optional<QByteArray> text = read_text_bytes(path);
  if (!text) return std::nullopt;
  const QByteArray& all = *text;
  QList<QByteArray> lines;
  qsizetype start = 0;
  while (start < all.size()) {
    qsizetype end = all.indexOf('\n', start);
    const qsizetype next = end < 0 ? all.size() : end + 1;
    if (end < 0) end = all.size();
    qsizetype stop = end;
    if (stop > start && all[stop - 1] == '\r') --stop;
    lines.append(all.mid(start, stop - start));
    start = next;
  }
  return lines;
}

std::optional<QStringList> read_lines(const QString& path) {
  const auto bytes = read_byte_lines(path);
  if (!bytes) return std::nullopt;
  // One decoder for the whole file: opening the ICU converter costs more than a line.
  QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
  QStringList lines;
  lines.reserve(bytes->size());
  for (const QByteArray& line : *bytes) lines.append(decoder(line));
  return lines;
}

bool write_lines(const QString& path, const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) {
    bytes += to_cp932(line);
    bytes += "\r\n";
  }
  return write_bytes(path, bytes);
}

bool write_bytes(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  // Unbuffered, so that a write that fails (a full disk, a file-size limit) fails
  // here: a buffered write's error would only surface in commit(), which then
  // replaces the old file with a short one and still reports success.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}
