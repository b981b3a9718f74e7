#include "platform/core/LockFile.h"

#include <QFile>
#include <QLockFile>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/core/ProgramFiles.h"
#include "support/TempProgramFolder.h"

namespace platform {
namespace {

class LockFileTest : public ::testing::Test {
 protected:
  void TearDown() override { LockFile::beforeNextLock(nullptr); }
  QString path() const { return folder.path(ProgramFiles::ProgramLock); }

  testsupport::TempProgramFolder folder;
};

// Two starts at once: the second comes after the first has made the file and
// before it has locked it.
TEST_F(LockFileTest, ASecondStartBetweenMakingAndLockingLeavesOneHolder) {
  LockFile first(path()), second(path());
  LockFileClaim secondClaim;
  LockFile::beforeNextLock([&] { secondClaim = second.claim(); });
  EXPECT_EQ(first.claim().outcome, LockFileClaim::HeldHere);
  EXPECT_EQ(secondClaim.outcome, LockFileClaim::Taken);
  EXPECT_TRUE(second.held());
  EXPECT_FALSE(first.held());
}

// A start of an earlier version takes the same file over in that moment: it
// removes it and makes its own. The file locked is then no longer the one
// the name names, and the lock is let go.
TEST_F(LockFileTest, AFileRemovedBetweenOpeningAndLockingIsNotHeld) {
  QFile(path()).open(QIODevice::WriteOnly);
  QLockFile earlierVersion(path());
  LockFile::beforeNextLock([&] {
    QFile::remove(path());
    ASSERT_TRUE(earlierVersion.tryLock(0));
  });
  LockFile start(path());
  EXPECT_EQ(start.claim().outcome, LockFileClaim::HeldHere);
  earlierVersion.unlock();
  EXPECT_EQ(start.claim().outcome, LockFileClaim::Taken);
}

// Whether another process sees a record lock on the whole file.
bool recordLockSeenFromAnotherProcess(const QString& path) {
  const pid_t child = ::fork();
  if (child == 0) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    const bool locked = fd >= 0 && ::fcntl(fd, F_GETLK, &whole) == 0 && whole.l_type != F_UNLCK;
    ::_exit(locked ? 0 : 1);
  }
  int status = 0;
  return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Closing any descriptor of a file drops every record lock the process has
// on it: a second claim of this process must not open the file to try.
TEST_F(LockFileTest, AClaimKeepsTheRecordLockThisProcessHolds) {
  LockFile held(path());
  ASSERT_EQ(held.claim().outcome, LockFileClaim::Taken);
  ASSERT_TRUE(recordLockSeenFromAnotherProcess(path()));
  EXPECT_EQ(LockFile(path()).claim().outcome, LockFileClaim::HeldHere);
  EXPECT_TRUE(recordLockSeenFromAnotherProcess(path()));
  held.release();
  EXPECT_FALSE(QFile::exists(path()));
}

}  // namespace
}  // namespace platform
