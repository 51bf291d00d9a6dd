#include "radicale.h"

#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace {

int free_port() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  return probe.serverPort();
}

void write_file(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

}  // namespace

Ran run_program(const QString& program, const QStringList& args, const QByteArray& input) {
  QProcess p;
  p.start(program, args);
  p.write(input);
  p.closeWriteChannel();
  Ran ran;
  if (!p.waitForFinished(60000)) return p.kill(), p.waitForFinished(), ran;
  ran.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  ran.out = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
  ran.err = QString::fromUtf8(p.readAllStandardError()).trimmed();
  return ran;
}

Radicale::Radicale(bool tls) : tls_(tls) {
  const QString d = dir_.path();
  QByteArray users;
  for (int i = 1; i <= 40; ++i) users += "u" + QByteArray::number(i) + ":pw\n";
  write_file(d + "/users", users);
  port_ = free_port();
  QByteArray config = "[server]\nhosts = 127.0.0.1:" + QByteArray::number(port_) + "\n";
  if (tls) {
    run_program("openssl", {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                            "/CN=127.0.0.1", "-keyout", d + "/key.pem", "-out", d + "/cert.pem"});
    const Ran print = run_program(
        "openssl", {"x509", "-noout", "-fingerprint", "-sha256", "-in", d + "/cert.pem"});
    fingerprint_ = print.out.section('=', 1).remove(':').toLower();
    config += "ssl = True\ncertificate = " + (d + "/cert.pem").toUtf8() +
              "\nkey = " + (d + "/key.pem").toUtf8() + "\n";
  }
  config +=
      "[auth]\ntype = htpasswd\nhtpasswd_filename = " + (d + "/users").toUtf8() +
      "\nhtpasswd_encryption = plain\n[storage]\nfilesystem_folder = " + (d + "/storage").toUtf8() +
      "\n[logging]\nlevel = warning\n";
  write_file(d + "/config", config);
  server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  server_.start("/usr/bin/python3", {"-m", "radicale", "--config", d + "/config"});
  for (int waited = 0; waited < 15000; waited += 50) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, quint16(port_));
    if (socket.waitForConnected(200)) return;
    QThread::msleep(50);
  }
}

Radicale::~Radicale() {
  server_.terminate();
  server_.waitForFinished(3000);
}

QString Radicale::url(const QString& path) const {
  return QString("%1://127.0.0.1:%2%3").arg(tls_ ? "https" : "http").arg(port_).arg(path);
}

QString Radicale::storage(const QString& path) const {
  return dir_.path() + "/storage/collection-root" + path;
}

Reply Radicale::phone(const QString& user, const QByteArray& method, const QString& path,
                      const QByteArray& body, const QStringList& headers) const {
  QStringList args{"-s",
                   "-k",
                   "-u",
                   user + ":pw",
                   "-X",
                   method,
                   "-w",
                   "\n%{http_code}",
                   "--data-binary",
                   "@-",
                   "-H",
                   "Content-Type: text/plain"};
  for (const QString& h : headers) args << "-H" << h;
  const Ran ran = run_program("curl", args << url(path), body);
  Reply reply;
  reply.status = ran.out.section('\n', -1).toInt();
  reply.body = ran.out.section('\n', 0, -2).toUtf8();
  return reply;
}
