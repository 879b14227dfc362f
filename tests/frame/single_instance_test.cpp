// The second-instance check: a lock that the operating system drops when its holder dies.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>

#include "frame/SingleInstance.h"

TEST(SingleInstance, SecondHolderIsRefusedAndLockDiesWithProcess) {
    QTemporaryDir dir;
    // A child takes the lock and exits (as a crash would): no stale lock may remain.
    pid_t child = fork();
    if (child == 0) _exit(frame::AcquireInstanceLock("t2test", dir.path()) ? 0 : 1);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_EQ(WEXITSTATUS(status), 0);

    ASSERT_TRUE(frame::AcquireInstanceLock("t2test", dir.path()));
    child = fork();
    if (child == 0) _exit(frame::AcquireInstanceLock("t2test", dir.path()) ? 0 : 1);
    waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 1) << "a second instance must be refused";
}
