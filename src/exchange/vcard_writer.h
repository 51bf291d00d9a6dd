#pragma once
// vCard 4.0 of the address book and the business cards: UTF-8, CR LF, lines
// folded at 75 octets, text values escaped.
#include <QByteArray>
#include <QStringList>
#include <vector>

// One vCard per record of Address.DAT (eight fields) or Meishi.DAT (ten fields).
QByteArray address_vcards(const std::vector<QStringList>& records);
QByteArray card_vcards(const std::vector<QStringList>& records);

// Family and given name: split at the first blank, half or full width; the whole
// name is the family name when it has none.
QStringList split_name(const QString& name);

// One content line, folded, with its CR LF.
QByteArray folded_line(const QString& line);
