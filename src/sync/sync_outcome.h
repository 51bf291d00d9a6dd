#pragma once
// What a sync tells its caller: the counts of the summary line, or the one
// failure that stopped it, each with its Japanese message.
#include <QString>
#include <optional>

struct SyncCounts {
  int sent = 0;         // items created, changed or deleted on the server
  int received = 0;     // records created, changed or deleted locally
  int conflicts = 0;    // items changed on both sides
  int unsupported = 0;  // server items the data files cannot hold, left alone
  int dropped = 0;      // characters the data files could not hold
  // 同期しました（送信 N件、受信 N件、競合 N件、対象外 N件、除いた文字 N字）
  QString text() const;
};

enum class SyncFailureKind {
  InsecureUrl,           // a password would travel in the clear: detail is the URL
  BadUrl,                // not an http(s) URL: detail is the URL
  Unreachable,           // detail is the URL
  NoPassword,            // the server asks for a password and none was given
  BadCredentials,        // the server refused the user name or the password
  UntrustedCertificate,  // detail is the certificate's SHA-256 fingerprint
  CollectionRefused,     // detail is the collection's display name
  ServerError,           // detail is the status and the URL
  TooManyDeletes,        // detail is the collection's display name
  FileNotWritten,        // detail is the file's path
  WindowRunning,         // the window holds the data folder
};

struct SyncFailure {
  SyncFailureKind kind = SyncFailureKind::ServerError;
  QString detail;
  // One Japanese line, for standard error or a message box.
  QString message() const;
};

// Which of the three collections the server holds (discovery only).
struct SyncDiscovery {
  bool calendar = false;
  bool addresses = false;
  bool cards = false;
};

struct SyncResult {
  std::optional<SyncFailure> failure;
  SyncCounts counts;
  SyncDiscovery discovery;
  int requests = 0;  // HTTP requests made
};
