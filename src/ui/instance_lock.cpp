#include "ui/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QFile>
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
