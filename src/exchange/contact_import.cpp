#include "exchange/contact_import.h"

#include <QSet>

#include "address/jyusho_file.h"
#include "cards/meishi_file.h"
#include "core/text_file.h"

namespace {

bool has_type(const VcardAddress& address, const QString& type) {
  return address.types.contains(type);
}

// The address of the wanted type, else the first one.
VcardAddress pick_address(const Vcard& card, const QString& type) {
  for (const VcardAddress& address : card.addresses)
    if (has_type(address, type)) return address;
  return card.addresses.value(0);
}

// Parts written one after the other: Japanese parts run together, Latin ones
// keep a blank between them.
QString joined(const QStringList& parts) {
  QString text;
  for (const QString& part : parts) {
    if (part.isEmpty()) continue;
    const bool latin =
        !text.isEmpty() && text.back().unicode() < 0x80 && part.front().unicode() < 0x80;
    text += (latin ? " " : "") + part;
  }
  return text;
}

QString display_name(const Vcard& card) {
  if (!card.fn.trimmed().isEmpty()) return card.fn.trimmed();
  const QString family = card.n.value(0).trimmed(), given = card.n.value(1).trimmed();
  if (family.isEmpty() || given.isEmpty()) return family + given;
  return family + u'\u3000' + given;
}

struct Numbers {
  QStringList voice;
  QString fax;
};

Numbers numbers(const Vcard& card) {
  Numbers n;
  for (const VcardPhone& phone : card.phones) {
    if (phone.number.isEmpty()) continue;
    if (!phone.fax)
      n.voice << phone.number;
    else if (n.fax.isEmpty())
      n.fax = phone.number;
  }
  return n;
}

// Takes out what typing refuses: double quotes and characters CP932 cannot hold.
// Line breaks become blanks, as a record is one line. Answers the characters taken.
int clean_field(QString& text) {
  text.replace("\r\n", " ").replace('\r', ' ').replace('\n', ' ');
  text = replace_with_cp932_forms(text);
  if (!text.contains('"') && cp932_can_encode(text)) return 0;
  QString kept;
  int dropped = 0;
  for (const char32_t c : text.toUcs4()) {
    const QString one = QString::fromUcs4(&c, 1);
    if (c == '"' || !cp932_can_encode(one))
      ++dropped;
    else
      kept += one;
  }
  text = kept;
  return dropped;
}

QString duplicate_key(const QStringList& fields, ContactBook book) {
  return book == ContactBook::Addresses ? fields[0] + '\n' + fields[4]
                                        : fields[kName] + '\n' + fields[kPhone1];
}

bool all_empty(const QStringList& fields) {
  for (const QString& field : fields)
    if (!field.isEmpty()) return false;
  return true;
}

}  // namespace

QString ImportSummary::text() const {
  return QString("%1件を読み込みました（登録済み %2件、上限超過 %3件、除いた文字 %4字）")
      .arg(taken)
      .arg(duplicates)
      .arg(over_limit)
      .arg(dropped_characters);
}

QStringList contact_fields(const Vcard& card, ContactBook book) {
  const Numbers n = numbers(card);
  const QString mail = card.emails.value(0);
  if (book == ContactBook::Addresses) {
    const QStringList adr = pick_address(card, "home").parts;
    const QString line1 = joined({adr.value(4), adr.value(3), adr.value(2)});
    const QString line2 = joined({adr.value(1), adr.value(0)});
    return {display_name(card), adr.value(5),     line1, line2,
            n.voice.value(0),   n.voice.value(1), n.fax, mail};
  }
  const QStringList adr = pick_address(card, "work").parts;
  const QString address =
      joined({adr.value(4), adr.value(3), adr.value(2), adr.value(1), adr.value(0)});
  const QString department = joined(card.org.mid(1));
  return {card.org.value(0),
          department,
          card.title,
          display_name(card),
          adr.value(5),
          address,
          n.voice.value(0),
          n.voice.value(1),
          n.fax,
          mail};
}

ImportSummary append_contacts(QuotedRecords& records, const QList<Vcard>& cards, ContactBook book) {
  const qsizetype limit = book == ContactBook::Addresses ? kAddressLimit : kCardLimit;
  QSet<QString> known;
  for (const QStringList& record : records.records)
    if (record.size() > kName) known.insert(duplicate_key(record, book));
  ImportSummary summary;
  for (const Vcard& card : cards) {
    QStringList fields = contact_fields(card, book);
    int dropped = 0;
    for (QString& field : fields) dropped += clean_field(field);
    if (all_empty(fields)) continue;
    if (known.contains(duplicate_key(fields, book))) {
      ++summary.duplicates;
      continue;
    }
    if (qsizetype(records.records.size()) >= limit) {
      ++summary.over_limit;
      continue;
    }
    known.insert(duplicate_key(fields, book));
    records.records.push_back(fields);
    summary.dropped_characters += dropped;
    ++summary.taken;
  }
  return summary;
}
