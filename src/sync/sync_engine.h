#pragma once
// Runs one sync on the calling thread (the session's worker): discovery, the
// listing of each collection, the decisions, the requests, the state saved
// after each step, the data files written once at the end.
#include <atomic>

#include "sync/sync_session.h"

class SyncEngine {
 public:
  SyncResult run(const SyncRequest& request);
  void cancel() { cancelled_ = true; }

 private:
  std::atomic<bool> cancelled_ = false;
};
