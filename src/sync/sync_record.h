#pragma once
// A record of a data file as the sync sees it: its kind, the key it is paired
// by when it changes (a date, a month-day, a name) and its fields.
//
// Example: the memo "2026/12/08買い物\r\n牛乳" is {Memo, "2026/12/08", {"買い物\n牛乳"}};
// the anniversary "1224イブ" is {Anniversary, "1224", {"イブ"}}.
#include <QByteArray>
#include <QString>
#include <QStringList>

enum class RecordKind { Memo, Anniversary, Holiday, Address, Card };

struct SyncRecord {
  RecordKind kind = RecordKind::Memo;
  QString key;
  QStringList fields;
  bool operator==(const SyncRecord&) const = default;
};

// Stable across runs and machines: what the state file keeps.
QByteArray record_hash(const SyncRecord& record);
// "kind:key", the pairing key kept beside the hash.
QString record_key(const SyncRecord& record);

// Takes out what the data files cannot hold (characters outside CP932, line
// breaks where a field is one line, text past a field's length); answers the
// number of characters taken out.
int fit_record(SyncRecord& record);
