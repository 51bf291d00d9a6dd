#include "core/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cerrno>

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

bool InstanceLock::acquire(int wait_ms) {
  if (fd_ < 0)
    fd_ = ::open(QFile::encodeName(path_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd_ < 0) return true;
  // A Toribe that is closing still holds it for a moment.
  for (int waited = 0;; waited += 10) {
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return true;
    if (errno != EWOULDBLOCK) return true;  // a file system without locks: nothing to go by
    if (waited >= wait_ms) return false;
    QThread::msleep(10);
  }
}

QString data_folder_lock_path(const QString& data_dir) {
  // Read directly: Qt warns on standard error when the variable is unset.
  QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::tempPath();
  const QString canonical = QFileInfo(data_dir).canonicalFilePath();
  const QByteArray key = QCryptographicHash::hash(
      (canonical.isEmpty() ? data_dir : canonical).toUtf8(), QCryptographicHash::Sha1);
  return folder + "/toribe-data-" + QString::fromLatin1(key.toHex().left(16)) + ".lock";
}
