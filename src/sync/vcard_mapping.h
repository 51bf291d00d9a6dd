#pragma once
// Contacts of the server to and from the records of Address.DAT and Meishi.DAT,
// with the fields the export and the import use.
#include <QByteArray>
#include <optional>

#include "sync/sync_record.h"

// nullopt when the item is not exactly one vCard.
std::optional<SyncRecord> vcard_record(const QByteArray& vcf, RecordKind kind);

// The vCard with the record's values. From the server's own copy when there
// is one: only the properties whose fields differ from what the copy gave
// (`old`) are written again, so photos, notes and unknown properties stay.
// Without a copy a new vCard (4.0 when the server takes it, else 3.0).
QByteArray vcard_bytes(const SyncRecord& record, const QByteArray& server_copy,
                       const std::optional<SyncRecord>& old, const QByteArray& uid, bool vcard4);
