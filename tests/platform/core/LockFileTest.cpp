#include "platform/core/LockFile.h"

#include <QFile>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/sysmacros.h>
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

// Whether the file at path was opened since watching began.
class OpenWatch {
 public:
  explicit OpenWatch(const QString& path) : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    ::inotify_add_watch(fd_, QFile::encodeName(path).constData(), IN_OPEN);
  }
  ~OpenWatch() { ::close(fd_); }
  bool opened() const {
    char events[4096];
    return ::read(fd_, events, sizeof events) > 0;
  }

 private:
  int fd_;
};

// A pipe or a device in the lock file's place is no file, and is never
// opened: opening a device may rewind a tape or hang up a serial line.
TEST_F(LockFileTest, APipeOrADeviceInTheLockFilesPlaceIsNoFileAndNeverOpened) {
  for (const mode_t kind : {S_IFIFO, S_IFCHR}) {
    SCOPED_TRACE(kind == S_IFIFO ? "pipe" : "device");
    const dev_t nullDevice = ::makedev(1, 3);
    if (::mknod(QFile::encodeName(path()).constData(), kind | 0666, nullDevice) != 0) {
      ASSERT_EQ(kind, S_IFCHR) << "no pipe made";
      GTEST_SKIP() << "a device node is made by the administrator only";
    }
    const OpenWatch watch(path());
    EXPECT_EQ(LockFile(path()).claim().outcome, LockFileClaim::NotAFile);
    EXPECT_FALSE(watch.opened());
    ASSERT_TRUE(QFile::remove(path()));
  }
}

// A holder's text read while it is being written may stop anywhere: a line
// cut short (a part of the computer name or of the machine id) never makes
// this computer's holder another computer's.
TEST(LockFileTextTest, ATextCutShortNamesNoOtherComputer) {
  const QByteArray text = lockFileTextOfThisProcess();
  for (qsizetype length = 0; length <= text.size(); ++length)
    EXPECT_EQ(otherComputerIn(text.left(length)), QString()) << length;
}

// What a lock file's text names, read for what it is: only a text of the
// holder's layout (Qt's included, of this version and of older ones without
// a machine id) names another computer; a garbled one names none.
TEST(LockFileTextTest, OnlyATextOfTheHoldersLayoutNamesAnotherComputer) {
  QTemporaryDir folder;
  QLockFile qtLock(folder.filePath(QStringLiteral("qt.lck")));
  ASSERT_TRUE(qtLock.tryLock(0));
  QFile qtWritten(folder.filePath(QStringLiteral("qt.lck")));
  ASSERT_TRUE(qtWritten.open(QIODevice::ReadOnly));
  QList<QByteArray> qtText = qtWritten.readAll().split('\n');
  ASSERT_GE(qtText.size(), 4);
  const QByteArray host = QSysInfo::machineHostName().toUtf8();
  const QByteArray thisMachine = QSysInfo::machineUniqueId(), otherMachine = "0123456789abcdef0123456789ABCDEF";
  const QByteArray qtOfThisComputer = qtText.join('\n');
  qtText[2] = "lab-pc-7";
  const struct {
    QByteArray text;
    QByteArray computer;
  } rows[] = {
      {qtOfThisComputer, {}},
      {qtText.join('\n'), "lab-pc-7"},
      {"4242\nquorvane\n" + host + '\n' + thisMachine + "\nboot\n", {}},
      {"4242\nquorvane\n" + host + '\n' + otherMachine + "\nboot\n", host},
      {"4242\nquorvane\nlab-pc-7\n" + otherMachine + "\nboot\n", "lab-pc-7"},
      {"4242\nquorvane\nlab-pc-7\n", "lab-pc-7"},      // older Qt: no machine id
      {"4242\nquorvane\nlab-pc-7\n\n\n", "lab-pc-7"},  // a computer without one
      {"\x01\xfe\n\x9c\x80\n\xff\xfe\x07\n", {}},
      {"42a\nquorvane\nlab-pc-7\n", {}},
      {"4242\nquorvane\nlab pc\x07\n", {}},
      {"4242\nquorvane\nlab-pc-7\nnot-a-machine-id\n", {}},
  };
  for (const auto& row : rows)
    EXPECT_EQ(otherComputerIn(row.text), QString::fromUtf8(row.computer)) << row.text.toHex().constData();
}

// A symbolic link in the lock file's place, to a user's file or to none: no
// file, as a folder is, and nothing is written through it.
TEST_F(LockFileTest, ALinkInTheLockFilesPlaceIsNoFileAndNothingIsWrittenThroughIt) {
  const QString usersFile = folder.path(QStringLiteral("info/users.txt"));
  for (const bool dangling : {false, true}) {
    QFile target(usersFile);
    if (!dangling) ASSERT_TRUE(target.open(QIODevice::WriteOnly) && target.write("mine") == 4);
    target.close();
    ASSERT_EQ(::symlink(QFile::encodeName(usersFile).constData(), QFile::encodeName(path()).constData()), 0);
    EXPECT_EQ(LockFile(path()).claim().outcome, LockFileClaim::NotAFile) << dangling;
    EXPECT_EQ(target.open(QIODevice::ReadOnly) ? target.readAll() : "<none>", dangling ? "<none>" : "mine");
    target.close();
    ASSERT_TRUE(QFile::remove(path()) && (dangling || QFile::remove(usersFile)));
  }
}

// A start ended while it made the file (under the lock file's name with a
// mark and six letters) leaves that behind: the next holder removes it, and
// only it.
TEST_F(LockFileTest, TheHolderRemovesWhatAStartEndedWhileMakingTheFileLeft) {
  const QString left = path() + QStringLiteral(".quorvane-lock-AbCdEf"), kept = path() + QStringLiteral(".backup");
  for (const QString& file : {left, kept}) ASSERT_TRUE(QFile(file).open(QIODevice::WriteOnly));
  LockFile lock(path());
  ASSERT_EQ(lock.claim().outcome, LockFileClaim::Taken);
  EXPECT_FALSE(QFile::exists(left));
  EXPECT_TRUE(QFile::exists(kept));
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
// told the file is held, not asked to delete the file of a running program,
// also in the moment the holder has made the file but not yet locked it.
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
    LockFileClaim::Outcome inTheMoment = LockFileClaim::Taken;
    LockFile::beforeNextLock([&] { inTheMoment = claimOfAnotherAccount(path()); });
    const char outcomes[] = {lock.claim().outcome == LockFileClaim::Taken ? '\1' : '\0', char(inTheMoment)};
    char byte = 0;
    (void)::write(held[1], outcomes, 2);
    (void)::read(done[0], &byte, 1);
    ::_exit(0);
  }
  char outcomes[2] = {};
  ASSERT_EQ(::read(held[0], outcomes, 2), 2);
  const LockFileClaim::Outcome outcome = claimOfAnotherAccount(path());
  ::close(done[1]);
  ::waitpid(holder, nullptr, 0);
  for (int fd : {held[0], held[1], done[0]}) ::close(fd);
  ASSERT_EQ(outcomes[0], 1);
  EXPECT_EQ(outcomes[1], LockFileClaim::NotMade);  // its folder is not theirs to write in
  EXPECT_EQ(outcome, LockFileClaim::HeldHere);
}

// A start of another account that may only read a lock file left behind
// looks whether it is held without holding it: a start that may take the
// file over, coming in that moment, takes it and is not told it is held,
// and the looking start then sees it held.
TEST_F(LockFileTest, AnotherAccountsLookAtALeftLockFileKeepsNoOneFromTakingItOver) {
  if (::geteuid() != 0) GTEST_SKIP() << "another account is played by the administrator only";
  ASSERT_EQ(::chmod(QFile::encodeName(folder.root()).constData(), 0755), 0);
  ASSERT_EQ(::chmod(QFile::encodeName(folder.path(QStringLiteral("info"))).constData(), 01777), 0);
  QFile left(path());
  ASSERT_TRUE(left.open(QIODevice::WriteOnly) && left.write("left by a power loss") > 0);
  left.close();
  int looking[2], taken[2];
  ASSERT_EQ(::pipe(looking), 0);
  ASSERT_EQ(::pipe(taken), 0);
  const pid_t other = ::fork();
  if (other == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(100);
    char byte = 0;
    LockFile::beforeNextLock([&] { (void)(::write(looking[1], "l", 1) + ::read(taken[0], &byte, 1)); });
    ::_exit(LockFile(path()).claim().outcome);
  }
  ::close(looking[1]);
  char byte = 0;
  ASSERT_EQ(::read(looking[0], &byte, 1), 1) << "the other account's start did not look at the file";
  LockFile start(path());
  EXPECT_EQ(start.claim().outcome, LockFileClaim::Taken);
  (void)::write(taken[1], "t", 1);
  int status = 0;
  ASSERT_EQ(::waitpid(other, &status, 0), other);
  for (int fd : {looking[0], taken[0], taken[1]}) ::close(fd);
  EXPECT_EQ(WEXITSTATUS(status), LockFileClaim::HeldHere);
}

}  // namespace
}  // namespace platform
