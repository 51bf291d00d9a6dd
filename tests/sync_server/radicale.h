#pragma once
// A Radicale server on 127.0.0.1 for the tests of this binary, started once:
// a temporary storage folder, users u1..u40 with the password "pw" in a plain
// htpasswd file, and with `tls` a certificate made by openssl.
#include <QProcess>
#include <QTemporaryDir>

struct Reply {  // of the phone's request
  int status = 0;
  QByteArray body;
};

class Radicale {
 public:
  explicit Radicale(bool tls);
  ~Radicale();
  QString url(const QString& path = "/") const;
  QString fingerprint() const { return fingerprint_; }  // SHA-256 of the certificate, hex
  QString storage(const QString& path) const;           // a folder of the server's storage
  // The phone: an independent client (curl) acting as `user`.
  Reply phone(const QString& user, const QByteArray& method, const QString& path,
              const QByteArray& body = {}, const QStringList& headers = {}) const;

 private:
  QTemporaryDir dir_;
  QProcess server_;
  int port_ = 0;
  bool tls_;
  QString fingerprint_;
};

// Runs a program; its exit status (-1 when it did not finish), standard output and error.
struct Ran {
  int status = -1;
  QString out, err;
};
Ran run_program(const QString& program, const QStringList& args, const QByteArray& input = {});
