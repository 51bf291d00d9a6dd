// toribe-kill-during-save [--trials N] [--seed S] [--kinds a,b,..] VICTIM
//
// For each kind of file: starts VICTIM (toribe-save-victim), which saves content A and
// B in turn, kills it with SIGKILL at a random moment, and checks that the file on disk
// is byte for byte the content of the last save that ended, or of the save that had
// begun. Repeated N times per kind (100 unless told). Exit status 0 when every trial
// found a whole file. With --start PROGRAM (toribe-first-paint), PROGRAM is then
// started in the folder and must remove the temporary files the kills left, once a
// minute old, and nothing else.
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

#include "reliability/save_kinds.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

QByteArray file_bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

// The victim, running, its stdout read through a pipe.
struct Victim {
  pid_t pid = -1;
  int out = -1;
  QByteArray said;  // the "b" and "e" marks read so far

  Victim(const char* program, const char* kind, const QString& folder) {
    int fds[2];
    if (pipe(fds) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    const QByteArray path = QFile::encodeName(folder);
    char* argv[] = {const_cast<char*>(program), const_cast<char*>(kind),
                    const_cast<char*>(path.constData()), nullptr};
    if (posix_spawn(&pid, program, &actions, nullptr, argv, environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    out = fds[0];
  }
  ~Victim() {
    if (pid > 0) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
    if (out >= 0) close(out);
  }
  // Reads marks until `ends` saves have ended; false on a timeout or an early exit.
  bool wait_for_ends(int ends) {
    const auto deadline = Clock::now() + std::chrono::seconds(60);
    while (said.count('e') < ends) {
      pollfd p{out, POLLIN, 0};
      if (Clock::now() > deadline || poll(&p, 1, 1000) < 0) return false;
      if (p.revents & (POLLIN | POLLHUP)) {
        char buffer[256];
        const ssize_t n = read(out, buffer, sizeof buffer);
        if (n <= 0) return false;
        said.append(buffer, n);
      }
    }
    return true;
  }
  // Kills it and reads the marks written before it died.
  void kill_now() {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    pid = -1;
    char buffer[4096];
    for (ssize_t n; (n = read(out, buffer, sizeof buffer)) > 0;) said.append(buffer, n);
  }
};

// Runs program in folder, as a user's next start, until it ends; with a runtime
// folder of its own, so that no other Toribe's instance lock is found.
bool start_in(const char* program, const QString& folder) {
  const QByteArray path = QFile::encodeName(folder);
  const QByteArray exe = QFile::encodeName(QFileInfo(program).absoluteFilePath());
  const QByteArray runtime = path + "-runtime";
  mkdir(runtime.constData(), 0700);
  const pid_t pid = fork();
  if (pid == 0) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_RUNTIME_DIR", runtime.constData(), 1);
    freopen("/dev/null", "w", stderr);
    if (chdir(path.constData()) == 0) execl(exe.constData(), exe.constData(), nullptr);
    _exit(127);
  }
  int status = 0;
  return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && !WEXITSTATUS(status);
}

void set_age(const QString& path, int seconds) {
  QFile file(path);
  file.open(QIODevice::ReadWrite);
  file.setFileTime(QDateTime::currentDateTime().addSecs(-seconds), QFile::FileModificationTime);
}

struct Tally {
  int trials = 0, failures = 0, during_write = 0, stray_files = 0;
};

Tally run_kind(const char* program, const char* starter, const SaveKind& kind, int trials,
               std::mt19937& rng) {
  Tally tally;
  QTemporaryDir root;
  QStringList left;  // files the kills left in the folder
  QDir(root.path()).mkpath("expected");
  QDir(root.path()).mkpath("work");
  const QString work = root.filePath("work");

  // The two contents as the writer makes them.
  QByteArray contents[2];
  const QString here = QDir::currentPath();
  QDir::setCurrent(root.filePath("expected"));
  for (int which : {0, 1}) {
    kind.save(which);
    contents[which] = file_bytes(kind.file);
  }
  QDir::setCurrent(here);

  // How long one save takes here and now, so that the kills fall anywhere in one.
  double save_ms = 1;
  {
    Victim victim(program, kind.name, work);
    if (!victim.wait_for_ends(1)) return {trials, trials};
    const auto start = Clock::now();
    if (!victim.wait_for_ends(6)) return {trials, trials};
    save_ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count() / 5;
  }
  std::uniform_real_distribution<double> delay_ms(0, 2.5 * save_ms);

  for (int t = 0; t < trials; ++t) {
    ++tally.trials;
    Victim victim(program, kind.name, work);
    if (!victim.wait_for_ends(1)) {
      std::printf("  %s: trial %d: the victim did not save\n", kind.name, t);
      ++tally.failures;
      continue;
    }
    std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(delay_ms(rng)));
    victim.kill_now();

    // Saves alternate A, B, A, ...: after n ended saves the file holds the content of
    // save n - 1, or of save n when that one had begun.
    const int ended = int(victim.said.count('e'));
    const bool writing = victim.said.endsWith('b');
    const QByteArray on_disk = file_bytes(QDir(work).filePath(kind.file));
    const bool old_whole = on_disk == contents[(ended - 1) % 2];
    const bool new_whole = writing && on_disk == contents[ended % 2];
    tally.during_write += writing;
    if (!old_whole && !new_whole) {
      ++tally.failures;
      std::printf("  %s: trial %d: the file is %lld bytes, neither %s content (%lld bytes)\n",
                  kind.name, t, qlonglong(on_disk.size()), writing ? "old nor new" : "the saved",
                  qlonglong(contents[(ended - 1) % 2].size()));
    }
    // Anything else in the folder was left by the killed save; it stays for the start.
    for (const QString& name : QDir(work).entryList(QDir::Files | QDir::Hidden))
      if (name != kind.file && !left.contains(name)) {
        if (++tally.stray_files <= 3)
          std::printf("  %s: left behind: %s\n", kind.name, qPrintable(name));
        left << name;
      }
  }
  if (!starter) return tally;
  // Besides what the kills left, one more such file for sure, and two the start must
  // keep: one too young, one not named after a file of the program.
  const QDir dir(work);
  left << QString(kind.file) + ".xKqZwA";
  const QStringList kept = {QString(kind.file) + ".Fresh1", "other.DAT.AbCdEf"};
  for (const QString& name : left + kept.mid(1)) set_age(dir.filePath(name), 120);
  set_age(dir.filePath(kept[0]), 0);
  const QByteArray before = file_bytes(dir.filePath(kind.file));
  bool clean = start_in(starter, work) && file_bytes(dir.filePath(kind.file)) == before;
  const QStringList after = QDir(work).entryList(QDir::Files | QDir::Hidden);
  for (const QString& name : left) clean &= !after.contains(name);
  for (const QString& name : kept) clean &= after.contains(name);
  if (!clean) {
    ++tally.failures;
    std::printf("  %s: after the next start: %s\n", kind.name, qPrintable(after.join(' ')));
  }
  return tally;
}

}  // namespace

int main(int argc, char** argv) {
  int trials = 100;
  unsigned seed = unsigned(std::random_device()());
  QStringList only;
  const char* program = nullptr;
  const char* starter = nullptr;
  for (int i = 1; i < argc; ++i) {
    const QString arg = argv[i];
    if (arg == "--trials" && i + 1 < argc)
      trials = std::atoi(argv[++i]);
    else if (arg == "--seed" && i + 1 < argc)
      seed = unsigned(std::strtoul(argv[++i], nullptr, 10));
    else if (arg == "--start" && i + 1 < argc)
      starter = argv[++i];
    else if (arg == "--kinds" && i + 1 < argc)
      only = QString(argv[++i]).split(',');
    else
      program = argv[i];
  }
  if (!program || trials < 1) {
    std::fprintf(stderr,
                 "usage: toribe-kill-during-save [--trials N] [--seed S] [--kinds a,b]\n"
                 "       [--start PROGRAM] VICTIM\n");
    return 2;
  }
  std::printf("kill during save: %d trials per kind, seed %u\n", trials, seed);
  std::mt19937 rng(seed);
  bool ok = true;
  for (const SaveKind& kind : save_kinds()) {
    if (!only.isEmpty() && !only.contains(kind.name)) continue;
    const auto start = Clock::now();
    const Tally t = run_kind(program, starter, kind, trials, rng);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("%-9s %-13s %4d kills, %4d during a write, %d stray files, %d not whole (%.1f s)\n",
                kind.name, kind.file, t.trials, t.during_write, t.stray_files, t.failures, seconds);
    // A run whose kills never fell inside a save would prove nothing.
    if (t.failures > 0 || t.during_write == 0) ok = false;
    std::fflush(stdout);
  }
  std::printf(ok ? "every file whole\n" : "FAILED\n");
  return ok ? 0 : 1;
}
