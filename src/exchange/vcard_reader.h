#pragma once
// Reads vCard 2.1, 3.0 and 4.0 files into plain cards: the properties the
// address book and the business cards keep, nothing else.
//
// 2.1 as old Japanese phones write it is handled: CHARSET=SHIFT_JIS,
// ENCODING=QUOTED-PRINTABLE with its soft line breaks, bare types (TEL;FAX;WORK).
// Any bytes may come in: what is not a vCard is an error naming its line, never
// a crash.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <variant>

struct VcardPhone {
  QString number;
  bool fax = false;
};

struct VcardAddress {
  QStringList parts;  // post office box, extended, street, locality, region, postal code, country
  QStringList types;  // lower case: "home", "work"
};

struct Vcard {
  int line = 0;  // the line of its BEGIN
  QString fn;
  QStringList n;  // family, given, additional, prefixes, suffixes
  QStringList org;
  QString title;
  QList<VcardPhone> phones;  // in file order
  QStringList emails;
  QList<VcardAddress> addresses;
};

struct VcardError {
  int line = 0;
  QString message;  // Japanese, without the file name
};

// A physical line longer than this is refused.
inline constexpr qsizetype kMaxVcardLine = 64 * 1024;

std::variant<QList<Vcard>, VcardError> read_vcards(const QByteArray& bytes);
