#pragma once
// The ways a save can fail, put in place for the duration of one save: a folder
// standing where the file should be, a full disk (a file-size limit of nothing;
// on a tmpfs of at most 8 MiB, as under TMPDIR=/a/small/tmpfs, that file system
// filled for real) and a read-only folder (the current folder; root is made to see its refusal).
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/resource.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <csignal>
#include <optional>
#include <ostream>

#include "reliability/without_root_override.h"

enum class Failure { FolderInPlace, DiskFull, ReadOnlyFolder };

inline const char* failure_name(Failure failure) {
  static const char* const names[] = {"FolderInPlace", "DiskFull", "ReadOnlyFolder"};
  return names[int(failure)];
}
// How GoogleTest names the failure in a test's parameters.
inline void PrintTo(Failure failure, std::ostream* os) { *os << failure_name(failure); }

class FailureInPlace {
 public:
  FailureInPlace(Failure failure, const QString& file) : failure_(failure), file_(file) {
    switch (failure) {
      case Failure::FolderInPlace:
        QFile::remove(file);
        QDir().mkdir(file);
        break;
      case Failure::DiskFull: {
        getrlimit(RLIMIT_FSIZE, &old_limit_);
        struct statfs fs {};
        if (statfs(".", &fs) == 0 && fs.f_type == TMPFS_MAGIC &&
            fs.f_blocks * fs.f_bsize <= 8 << 20) {
          QFile filler(kFiller);
          filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
          while (filler.write(QByteArray(4096, 'x')) > 0) {
          }
          break;
        }
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit none = old_limit_;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
        break;
      }
      case Failure::ReadOnlyFolder:
        QFile::setPermissions(".", QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        as_user_.emplace();
        break;
    }
  }
  ~FailureInPlace() {
    switch (failure_) {
      case Failure::FolderInPlace:
        QDir().rmdir(file_);
        break;
      case Failure::DiskFull:
        QFile::remove(kFiller);
        setrlimit(RLIMIT_FSIZE, &old_limit_);
        break;
      case Failure::ReadOnlyFolder:
        QFile::setPermissions(
            ".", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        break;
    }
  }
  // False only where root's override could not be dropped: then the folder takes the write.
  bool effective() const {
    return failure_ != Failure::ReadOnlyFolder || faccessat(AT_FDCWD, ".", W_OK, AT_EACCESS) != 0;
  }

 private:
  static constexpr const char* kFiller = "filler.bin";
  Failure failure_;
  QString file_;
  rlimit old_limit_{};
  std::optional<WithoutRootOverride> as_user_;
};
