// The instance lock: held by one at a time, across processes, and free again
// as soon as its holder ends, even by a kill.
#include "core/instance_lock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>

TEST(InstanceLock, OneHolderAtATimeAndFreeOnceTheHolderIsKilled) {
  QTemporaryDir dir;
  const QString path = dir.filePath("toribe.lock");
  {
    InstanceLock first(path), second(path);
    EXPECT_TRUE(first.acquire(0));
    EXPECT_FALSE(second.acquire(30));
  }
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  if (child == 0) {
    InstanceLock held(path);
    const char taken = held.acquire(0) ? 'y' : 'n';
    if (write(ready[1], &taken, 1) != 1) _exit(1);
    pause();
  }
  char taken = 0;
  ASSERT_EQ(read(ready[0], &taken, 1), 1);
  EXPECT_EQ(taken, 'y');
  InstanceLock mine(path);
  EXPECT_FALSE(mine.acquire(0));
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  EXPECT_TRUE(mine.acquire(0));
}

TEST(InstanceLock, AFolderThatCannotHoldTheLockDoesNotStopTheStart) {
  EXPECT_TRUE(InstanceLock("/nonexistent-folder/toribe.lock").acquire(0));
}
