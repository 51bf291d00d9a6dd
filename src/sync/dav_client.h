#pragma once
// HTTP for WebDAV over Qt Network, one request at a time: each call waits on
// its own event loop, so the client lives on the sync's worker thread and a
// window never waits for it. Knows WebDAV, nothing of Toribe.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>
#include <atomic>
#include <memory>
#include <optional>

#include "sync/sync_outcome.h"

class QNetworkAccessManager;

struct DavReply {
  int status = 0;  // 0: no HTTP answer (see network_error)
  QByteArray body;
  QByteArray etag;
  QByteArray location;            // of a redirect
  QUrl url;                       // after redirects
  QString network_error;          // when status is 0
  QString untrusted_fingerprint;  // SHA-256, hex, when the certificate was refused
  bool ok() const { return status >= 200 && status < 300; }
};

using DavHeaders = QList<std::pair<QByteArray, QByteArray>>;

// True when a password may be sent to the URL: https, or http to this machine.
bool url_is_safe(const QUrl& url);
// The failure of an account URL that must not be tried (not http(s), or a
// password in the clear over a network); nullopt for one that may be.
std::optional<SyncFailure> url_failure(const QString& url);

class DavClient {
 public:
  DavClient(QString user, QString password, QString trusted_fingerprint,
            const std::atomic<bool>* cancelled);
  ~DavClient();

  // Follows redirects (keeping the method) only to safe URLs.
  DavReply send(const QByteArray& method, const QUrl& url, const QByteArray& body = {},
                const DavHeaders& headers = {});
  int requests() const { return requests_; }

 private:
  DavReply send_once(const QByteArray& method, const QUrl& url, const QByteArray& body,
                     const DavHeaders& headers);

  QString user_, password_, trusted_;
  const std::atomic<bool>* cancelled_;
  std::unique_ptr<QNetworkAccessManager> network_;
  int requests_ = 0;
};
