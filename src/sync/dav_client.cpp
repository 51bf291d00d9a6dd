#include "sync/dav_client.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSslCertificate>
#include <QTimer>

namespace {

constexpr int kTimeoutMs = 30000;
constexpr int kMaxRedirects = 5;

}  // namespace

bool url_is_safe(const QUrl& url) {
  if (!url.isValid() || url.host().isEmpty()) return false;
  if (url.scheme() == "https") return true;
  if (url.scheme() != "http") return false;
  if (url.host() == "localhost") return true;
  const QHostAddress address(url.host());
  return !address.isNull() && address.isLoopback();
}

std::optional<SyncFailure> url_failure(const QString& text) {
  const QUrl url(text);
  if (!url.isValid() || url.host().isEmpty() || (url.scheme() != "https" && url.scheme() != "http"))
    return SyncFailure{SyncFailureKind::BadUrl, text};
  if (!url_is_safe(url)) return SyncFailure{SyncFailureKind::InsecureUrl, text};
  return std::nullopt;
}

DavClient::DavClient(QString user, QString password, QString trusted_fingerprint,
                     const std::atomic<bool>* cancelled)
    : user_(std::move(user)),
      password_(std::move(password)),
      trusted_(std::move(trusted_fingerprint)),
      cancelled_(cancelled),
      network_(std::make_unique<QNetworkAccessManager>()) {
  network_->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

DavClient::~DavClient() = default;

DavReply DavClient::send(const QByteArray& method, const QUrl& url, const QByteArray& body,
                         const DavHeaders& headers) {
  QUrl target = url;
  for (int hop = 0;; ++hop) {
    DavReply reply = send_once(method, target, body, headers);
    const bool redirect = reply.status == 301 || reply.status == 302 || reply.status == 303 ||
                          reply.status == 307 || reply.status == 308;
    if (!redirect || hop == kMaxRedirects) return reply;
    const QUrl next = target.resolved(QUrl::fromEncoded(reply.location));
    if (!url_is_safe(next) || next.host() != target.host()) return reply;
    target = next;
  }
}

DavReply DavClient::send_once(const QByteArray& method, const QUrl& url, const QByteArray& body,
                              const DavHeaders& headers) {
  DavReply result;
  result.url = url;
  if (cancelled_ && *cancelled_) {
    result.network_error = "cancelled";
    return result;
  }
  ++requests_;
  QNetworkRequest request(url);
  request.setTransferTimeout(kTimeoutMs);
  if (body.startsWith("<?xml"))
    request.setRawHeader("Content-Type", "application/xml; charset=utf-8");
  for (const auto& [name, value] : headers) request.setRawHeader(name, value);
  // Sent with every request: the URL was checked to be safe for it, and
  // waiting for each 401 would double the requests.
  if (!password_.isEmpty())
    request.setRawHeader("Authorization", "Basic " + (user_ + ':' + password_).toUtf8().toBase64());
  QNetworkReply* reply = body.isEmpty() ? network_->sendCustomRequest(request, method)
                                        : network_->sendCustomRequest(request, method, body);
  QObject::connect(reply, &QNetworkReply::sslErrors, reply, [&](const QList<QSslError>& errors) {
    const QSslCertificate peer = reply->sslConfiguration().peerCertificate();
    const QString fingerprint =
        QString::fromLatin1(peer.digest(QCryptographicHash::Sha256).toHex());
    if (!trusted_.isEmpty() && fingerprint.compare(trusted_, Qt::CaseInsensitive) == 0)
      reply->ignoreSslErrors(errors);
    else
      result.untrusted_fingerprint = fingerprint;
  });
  QEventLoop loop;
  QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
  loop.exec();
  result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  result.body = reply->readAll();
  result.etag = reply->rawHeader("ETag");
  result.location = reply->rawHeader("Location");
  if (result.status == 0) result.network_error = reply->errorString();
  reply->deleteLater();
  return result;
}
