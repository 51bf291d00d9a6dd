#pragma once
// ZOUTOU.ZOU: the gifts given, one a line, the separator line, then the gifts
// received; CP932 with CR LF. Each line is one record, read whole, so a comma in a
// name or item is kept.
#include <QByteArray>
#include <QString>
#include <vector>

inline const QString kZoutouFile = QStringLiteral("ZOUTOU.ZOU");
inline const QString kGiftSeparator = QStringLiteral("----------");

struct GiftLine {
  QString text;
  QByteArray kept;  // the line's own bytes when they are not CP932, written back as they were
  friend bool operator==(const GiftLine&, const GiftLine&) = default;
};

struct ZoutouData {
  std::vector<GiftLine> given, received;
};

// A missing file reads as two empty lists. Blank lines are skipped; every other line
// is kept, however many there are.
ZoutouData read_zoutou(const QString& path);
// The given lines, the separator (always), the received lines, each ended by CR LF.
QByteArray zoutou_bytes(const ZoutouData& data);
// Replaces the file whole and atomically; false when it could not be written.
bool write_zoutou(const QString& path, const ZoutouData& data);
