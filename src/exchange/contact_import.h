#pragma once
// vCards into the address book or the business cards: the fields each keeps,
// the characters the file cannot hold taken out as typing would, duplicates and
// what is beyond the book's limit left out, and the count of each.
#include <QList>
#include <QString>

#include "core/quoted_records.h"
#include "exchange/exchange_feature.h"
#include "exchange/vcard_reader.h"

struct ImportSummary {
  int taken = 0;
  int duplicates = 0;
  int over_limit = 0;
  int dropped_characters = 0;
  // "N件を読み込みました（登録済み N件、上限超過 N件、除いた文字 N字）"
  QString text() const;
};

// The record of the book's file that the vCard gives, before any character is taken out.
QStringList contact_fields(const Vcard& card, ContactBook book);

// Appends the vCards to the records, up to the book's limit.
ImportSummary append_contacts(QuotedRecords& records, const QList<Vcard>& cards, ContactBook book);
