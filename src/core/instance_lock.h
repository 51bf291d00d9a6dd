#pragma once
// One Toribe at a time for a user: an advisory lock (flock) on a file in the
// runtime folder. The kernel lets go of it when the process ends, however it
// ends, so a crash leaves no lock behind; taking it writes nothing to disk.
#include <QString>
#include <utility>

class InstanceLock {
 public:
  explicit InstanceLock(QString path) : path_(std::move(path)) {}
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // False only when another holds the lock for longer than wait_ms. A lock
  // file that cannot be made at all does not keep the program from starting.
  bool acquire(int wait_ms);

 private:
  QString path_;
  int fd_ = -1;
};

// The lock a data folder is held by while a window or a sync works in it: a
// file in the runtime folder named after the folder's canonical path.
QString data_folder_lock_path(const QString& data_dir);
