#include "platform/core/LockFile.h"

#include <QFile>
#include <QLockFile>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/core/LockFileText.h"
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

// A socket has the name of the lock file: no file, as a folder is, rather than
// a file that could not be made.
TEST_F(LockFileTest, ASocketInTheLockFilesPlaceIsNoFile) {
  const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(socket, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray name = QFile::encodeName(path());
  ASSERT_LT(name.size(), static_cast<qsizetype>(sizeof(address.sun_path)));
  std::copy(name.begin(), name.end(), address.sun_path);
  ASSERT_EQ(::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
  EXPECT_EQ(LockFile(path()).claim().outcome, LockFileClaim::NotAFile);
  ::close(socket);
}

// A holder's text read while it is being written may stop anywhere: a line
// cut short (a part of the computer name or of the machine id) never makes
// this computer's holder another computer's.
TEST(LockFileTextTest, ATextCutShortNamesNoOtherComputer) {
  const QByteArray text = lockFileTextOfThisProcess();
  for (qsizetype length = 0; length <= text.size(); ++length)
    EXPECT_EQ(otherComputerIn(text.left(length)), QString()) << length;
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

// Nobody's claim, in a child process: its outcome.
LockFileClaim::Outcome claimOfAnotherAccount(const QString& path) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(100);
    ::_exit(LockFile(path).claim().outcome);
  }
  int status = 0;
  if (child <= 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return LockFileClaim::NotMade;
  return static_cast<LockFileClaim::Outcome>(WEXITSTATUS(status));
}

// A holder whose umask hides new files from other accounts: a start of
// another account on the shared folder still sees the native lock, and is
// told the file is held, not asked to delete the file of a running program.
TEST_F(LockFileTest, AnotherAccountSeesTheHolderWhateverItsUmask) {
  if (::geteuid() != 0) GTEST_SKIP() << "another account is played by the administrator only";
  for (const QString& shared : {folder.root(), folder.path(QStringLiteral("info"))})
    ASSERT_TRUE(QFile::setPermissions(shared, QFile::permissions(shared) | QFile::ExeOther | QFile::ReadOther));
  int held[2], done[2];
  ASSERT_EQ(::pipe(held), 0);
  ASSERT_EQ(::pipe(done), 0);
  const pid_t holder = ::fork();
  if (holder == 0) {
    ::close(done[1]);
    ::umask(077);
    LockFile lock(path());
    const char taken = lock.claim().outcome == LockFileClaim::Taken ? 1 : 0;
    char byte = 0;
    (void)::write(held[1], &taken, 1);
    (void)::read(done[0], &byte, 1);
    ::_exit(0);
  }
  char taken = 0;
  ASSERT_EQ(::read(held[0], &taken, 1), 1);
  const LockFileClaim::Outcome outcome = claimOfAnotherAccount(path());
  ::close(done[1]);
  ::waitpid(holder, nullptr, 0);
  for (int fd : {held[0], held[1], done[0]}) ::close(fd);
  ASSERT_EQ(taken, 1);
  EXPECT_EQ(outcome, LockFileClaim::HeldHere);
}

}  // namespace
}  // namespace platform
