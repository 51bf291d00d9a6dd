// exec-timer PROGRAM [ARG...]: reads the monotonic clock and execs PROGRAM with the
// reading in TORIBE_EXEC_NS, so that the program's first-paint probe can report
// the time from just before exec to its first painted frame (exec, loading and
// start-up included, no shell or fork in it).
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: exec-timer PROGRAM [ARG...]\n");
    return 2;
  }
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  const long long ns = now.tv_sec * 1000000000LL + now.tv_nsec;
  setenv("TORIBE_EXEC_NS", std::to_string(ns).c_str(), 1);
  execv(argv[1], argv + 1);
  std::perror("exec-timer");
  return 127;
}
