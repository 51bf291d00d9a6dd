// Every writer, under every way a save can fail: a folder standing where the file
// should be, a full disk (a file-size limit of nothing) and a read-only folder.
// Each failure is told in a message box that names the file, the data stay in
// memory, and nothing is reported as saved.
#include <sys/resource.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <csignal>

#include "memo/memo_file.h"
#include "settings/settings.h"
#include "toribe/main_window_fixture.h"
#include "toribe/memo_files.h"

namespace {

enum class Failure { FolderInPlace, DiskFull, ReadOnlyFolder };

// Makes the failure happen for the duration of one save.
class FailureInPlace {
 public:
  FailureInPlace(Failure failure, const QString& file) : failure_(failure), file_(file) {
    switch (failure) {
      case Failure::FolderInPlace:
        QFile::remove(file);
        QDir().mkdir(file);
        break;
      case Failure::DiskFull: {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_limit_);
        rlimit none = old_limit_;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
        break;
      }
      case Failure::ReadOnlyFolder:
        QFile::setPermissions(".", QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        break;
    }
  }
  ~FailureInPlace() {
    switch (failure_) {
      case Failure::FolderInPlace:
        QDir().rmdir(file_);
        break;
      case Failure::DiskFull:
        setrlimit(RLIMIT_FSIZE, &old_limit_);
        break;
      case Failure::ReadOnlyFolder:
        QFile::setPermissions(
            ".", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        break;
    }
  }
  // Root writes into a read-only folder all the same; such a run cannot test it.
  bool effective() const { return failure_ != Failure::ReadOnlyFolder || access(".", W_OK) != 0; }

 private:
  Failure failure_;
  QString file_;
  rlimit old_limit_{};
};

struct Writer {
  const char* file;
  // Changes something in memory and saves it.
  std::function<void(Toribe&, ScriptedPlatform&)> change_and_save;
  // The change is still in memory.
  std::function<bool(const Toribe&)> kept;
};

const Writer kWriters[] = {
    {"Toribe.ini", [](Toribe& t, ScriptedPlatform&) { t.Option1_Click(1); },
     [](const Toribe& t) { return t.m.calen_mode == 2; }},
    {"Holiday.DAT",
     [](Toribe& t, ScriptedPlatform&) {
       t.holi_dat[0] = "2003";
       t.holi_dat[kHoliYears] = "20030321";
       t.save_holi();
     },
     [](const Toribe& t) { return t.holi_dat[kHoliYears] == "20030321"; }},
    {"Memorial.DAT",
     [](Toribe& t, ScriptedPlatform&) {
       t.kinen_dat[0] = "0321記念日";
       t.save_kinen();
     },
     [](const Toribe& t) { return t.kinen_dat[0] == "0321記念日"; }},
    {"memo.dat",
     [](Toribe& t, ScriptedPlatform& p) {
       store_memo_file(t, p, {"2003/05/12買い物", "牛乳"});
     },
     [](const Toribe& t) { return t.memo_cnt == 1 && t.memo_txt[1].startsWith("2003/05/12"); }},
};

class WriteFailure : public MainWindowFixture,
                     public ::testing::WithParamInterface<std::tuple<int, Failure>> {};

TEST_P(WriteFailure, IsToldByNameAndTheDataStayInMemory) {
  const Writer& writer = kWriters[std::get<0>(GetParam())];
  Toribe& t = start();
  const QByteArray before = QFileInfo::exists(writer.file) ? [&] {
    QFile f(writer.file);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
  }() : QByteArray();
  platform.shown.clear();
  {
    FailureInPlace failure(std::get<1>(GetParam()), writer.file);
    if (!failure.effective()) GTEST_SKIP() << "root can write into a read-only folder";
    writer.change_and_save(t, platform);
  }
  ASSERT_EQ(platform.shown.size(), 1u) << writer.file;
  EXPECT_TRUE(platform.shown[0].text.contains(writer.file)) << platform.shown[0].text.toStdString();
  EXPECT_TRUE(platform.shown[0].text.contains("書き込めません"));
  EXPECT_TRUE(writer.kept(t)) << writer.file;
  if (std::get<1>(GetParam()) != Failure::FolderInPlace) {
    QFile f(writer.file);
    EXPECT_EQ(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(), before)
        << "the old file must be untouched";
  }
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, WriteFailure,
                         ::testing::Combine(::testing::Range(0, int(std::size(kWriters))),
                                            ::testing::Values(Failure::FolderInPlace,
                                                              Failure::DiskFull,
                                                              Failure::ReadOnlyFolder)));

}  // namespace
