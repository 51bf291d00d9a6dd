#pragma once
// Meishi.DAT: one business card a line, ten double-quoted fields, CP932, CR LF.
// Lines that do not read as a card are kept in place, so a save loses nothing.
#include <QStringList>

#include "core/quoted_records.h"

inline constexpr int kCardFields = 10;
// 入力 is refused once this many cards are held.
inline constexpr int kCardLimit = 100;
inline const QString kCardFile = QStringLiteral("Meishi.DAT");

// Field order of a card, as in the file.
enum CardField {
  kCompany,
  kDepartment,
  kTitle,
  kName,
  kPostcode,
  kAddress,
  kPhone1,
  kPhone2,
  kFax,
  kMail,
};

// The card shown while the file holds none; never written.
QStringList sample_card();

QuotedRecords read_cards(const QString& path);
// Writes the cards (none when only the sample is held) and the kept lines.
bool write_cards(const QString& path, const QuotedRecords& cards, bool has_data);
