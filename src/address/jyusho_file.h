#pragma once
// Address.DAT: one address a line, eight double-quoted fields (name, postal code,
// address 1 and 2, telephone 1 and 2, fax, e-mail), CP932, CR LF. Lines that are
// no record stay in the file in their place.
#include "core/quoted_records.h"

inline const QString kAddressFile = QStringLiteral("Address.DAT");
inline constexpr int kAddressFields = 8;
// 入力 is refused once this many addresses are held.
inline constexpr int kAddressLimit = 500;
