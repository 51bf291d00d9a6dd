#pragma once
// The one place a sync decides: from the state of the last sync, the local
// records and the server's listing, the steps that bring both sides level.
// Pure: no file, no network.
//
// Local records have no identity of their own: a record whose hash is the
// one last synced is unchanged; else one with the same kind and key (date,
// month-day, name) is the same record edited; else it is new.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <optional>

#include "sync/sync_account.h"
#include "sync/sync_record.h"

// A server item as listed; `record` and `hash` only when it was fetched.
struct ServerItem {
  QString etag;
  bool fetched = false;
  std::optional<SyncRecord> record;  // nullopt when fetched: not the files' to hold
};

enum class ActionKind {
  Keep,          // nothing changes; the state takes the item's etag and hashes
  Upload,        // local record -> existing server item (If-Match)
  Create,        // local record -> new server item (If-None-Match: *)
  DeleteRemote,  // server item goes (If-Match)
  Download,      // server record -> local (replacing `local`, or added when -1)
  DeleteLocal,   // local record goes
  Forget,        // gone on both sides
  Unsupported,   // the server item stays as it is, untouched
};

struct SyncAction {
  ActionKind kind = ActionKind::Keep;
  QString href;  // empty for Create
  // Upload, Create: what the item gets; Download: the server's record as it is.
  SyncRecord record;
  std::optional<SyncRecord> local_before;  // the local record the files hold now
  std::optional<SyncRecord> local_after;   // the local record once the files are written
  bool conflict = false;                   // both sides had changed
};

struct Decisions {
  QList<SyncAction> actions;
  QList<SyncRecord> local;  // the local records after the sync, in order
  bool too_many_deletes = false;
};

Decisions decide(const QMap<QString, ItemState>& state, const QList<SyncRecord>& local,
                 const QMap<QString, ServerItem>& server, bool allow_deletes);

// The memo both sides changed: the server's text, a line ――, the local text.
QString merged_memo(const QString& server_text, const QString& local_text);
// The contact both sides changed goes to the server again under this name.
QString conflict_name(const QString& name);
