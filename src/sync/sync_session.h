#pragma once
// One sync (or one check of the connection) of a data folder with its server,
// run on the event loop: start() returns at once and finished() comes once,
// with the counts or the failure. The state file is saved after each step on
// the server and the data files are written once at the end, so a sync stopped
// at any moment leaves the files whole and the next one picks up from there.
#include <QObject>
#include <QSet>
#include <QString>
#include <memory>

#include "sync/sync_account.h"
#include "sync/sync_outcome.h"

// The data files a sync may change; a window holding unsaved edits in one
// asks the sync to leave it alone (its items wait for the next sync).
enum class SyncFile { Memo, Memorial, Holiday, Address, Cards };

struct SyncRequest {
  QString data_dir;
  SyncAccount account;
  QString password;             // empty: none given
  bool discovery_only = false;  // only find the collections, change nothing
  bool allow_deletes = false;   // past the guard against mass deletions
  QSet<SyncFile> leave_alone;
};

class QThread;
class SyncEngine;

class SyncSession : public QObject {
  Q_OBJECT
 public:
  explicit SyncSession(SyncRequest request, QObject* parent = nullptr);
  ~SyncSession() override;

  // Runs on a worker thread of its own; the signal comes on this object's thread.
  void start();
  // Stops after the request under way; finished() still comes.
  void cancel();

 Q_SIGNALS:
  void finished(const SyncResult& result);

 private:
  SyncRequest request_;
  std::unique_ptr<SyncEngine> engine_;
  std::unique_ptr<QThread> worker_;
};
