#pragma once
// The data files a sync reads and writes, through the same readers and writers
// the windows use, seen as the records of each collection. Lines that are no
// record (a memo without a date, a line that does not read as an address)
// stay in their files untouched.
#include <QList>
#include <QSet>
#include <QString>
#include <optional>

#include "calendar/day_tables.h"
#include "core/quoted_records.h"
#include "sync/sync_account.h"
#include "sync/sync_record.h"
#include "sync/sync_session.h"

struct LocalFiles {
  HoliTable holi_dat;
  KinenTable kinen_dat;
  QList<QStringList> memos;  // memo.dat, each memo's lines
  QuotedRecords addresses, cards;
};

LocalFiles read_local_files(const QString& data_dir);

// The records of the collection, in file order.
QList<SyncRecord> local_records(const LocalFiles& files, SyncCollection collection);
// Replaces the collection's records with these; what is no record stays.
void put_records(LocalFiles& files, SyncCollection collection, const QList<SyncRecord>& records);

// How many records of the kind the files hold at most.
int record_limit(RecordKind kind);

// The files of a collection.
QList<SyncFile> collection_files(SyncCollection collection);
// Writes the files named; the path of the first that could not be written.
std::optional<QString> write_local_files(const QString& data_dir, const LocalFiles& files,
                                         const QSet<SyncFile>& which);
