#pragma once
// Calendar items of the server to and from the records of the calendar files.
//
// An all-day yearly event is an anniversary (month and day); an all-day event
// in the category ユーザー休日 is a user holiday; any other one-day event is a
// day memo (a timed one with "HH:MM " before its text). Other repeat rules,
// tasks, journals and events over several days are not the files' to hold.
#include <QByteArray>
#include <optional>

#include "sync/sync_record.h"

// nullopt when the item is none of the above, or is no iCalendar at all.
std::optional<SyncRecord> event_record(const QByteArray& ics);

// The item with the record's values. From the server's own copy when there is
// one: only the values whose record field differs from what the copy gave
// (`old`) change, and alarms, times and unknown properties stay. Without a copy
// a new item with this UID.
QByteArray event_bytes(const SyncRecord& record, const QByteArray& server_copy,
                       const std::optional<SyncRecord>& old, const QByteArray& uid);
