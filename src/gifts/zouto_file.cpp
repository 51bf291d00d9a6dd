#include "gifts/zouto_file.h"

#include "core/text_file.h"

namespace {

QByteArray line_bytes(const GiftLine& line) {
  return line.kept.isEmpty() ? to_cp932(line.text) : line.kept;
}

}  // namespace

ZoutouData read_zoutou(const QString& path) {
  ZoutouData data;
  const auto lines = read_byte_lines(path);
  if (!lines) return data;
  std::vector<GiftLine>* part = &data.given;
  for (const QByteArray& bytes : *lines) {
    GiftLine line;
    if (const auto text = from_cp932_strict(bytes)) {
      line.text = *text;
    } else {
      line.text = from_cp932(bytes);
      line.kept = bytes;
    }
    const QString trimmed = line.text.trimmed();
    if (trimmed.isEmpty()) continue;
    if (trimmed == kGiftSeparator) {
      part = &data.received;
      continue;
    }
    part->push_back(std::move(line));
  }
  return data;
}

QByteArray zoutou_bytes(const ZoutouData& data) {
  QByteArray bytes;
  for (const GiftLine& line : data.given) bytes += line_bytes(line) + "\r\n";
  bytes += to_cp932(kGiftSeparator) + "\r\n";
  for (const GiftLine& line : data.received) bytes += line_bytes(line) + "\r\n";
  return bytes;
}

bool write_zoutou(const QString& path, const ZoutouData& data) {
  return write_bytes(path, zoutou_bytes(data));
}
