#include "platform/core/ProgramFolderLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/core/ProgramFiles.h"
#include "support/TempProgramFolder.h"

namespace platform {
namespace {

// The lock file of a program that was killed names a process that is gone.
TEST(ProgramFolderLockTest, TheClaimOfAnEndedProcessIsTakenOver) {
  testsupport::TempProgramFolder folder;
  const QString lockPath = folder.path(ProgramFiles::ProgramLock);
  QProcess ended;
  ended.start(QStringLiteral("true"));
  ASSERT_TRUE(ended.waitForStarted());
  const qint64 endedPid = ended.processId();
  ASSERT_TRUE(ended.waitForFinished());
  {
    QLockFile left(lockPath);
    ASSERT_TRUE(left.tryLock(0));
    QFile file(lockPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    left.unlock();
    file.close();
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::number(endedPid) + content.mid(content.indexOf('\n')));
  }
  ProgramFolderLock restart;
  EXPECT_EQ(restart.take(), ProgramFolderLock::Claim::Taken);
  EXPECT_EQ(ProgramFolderLock().take(), ProgramFolderLock::Claim::HeldElsewhere);
}

void writeLockFile(const QString& path, const QByteArray& content) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(content);
}

// What a lock file of this process holds, written by Qt.
QByteArray lockOfThisProcess(const QString& path) {
  QLockFile lock(path);
  if (!lock.tryLock(0)) return {};
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a power loss right after the lock file was made leaves, rubbish, and
// the lock of a run before a power loss that had this run's process id.
TEST(ProgramFolderLockTest, AnEmptyOrGarbledLockFileIsTakenOver) {
  testsupport::TempProgramFolder folder;
  const QByteArray thisProcess = lockOfThisProcess(folder.path(ProgramFiles::ProgramLock));
  ASSERT_FALSE(thisProcess.isEmpty());
  for (const QByteArray& content : {QByteArray(), QByteArray("\x01\xfe garbled\n\n"), thisProcess}) {
    writeLockFile(folder.path(ProgramFiles::ProgramLock), content);
    ProgramFolderLock restart;
    EXPECT_EQ(restart.take(), ProgramFolderLock::Claim::Taken) << content.toHex().constData();
    EXPECT_EQ(ProgramFolderLock().take(), ProgramFolderLock::Claim::HeldElsewhere);
  }
}

// Another start has made its lock file and holds it natively, but has not
// written it yet: empty, it names no program.
TEST(ProgramFolderLockTest, ALockFileWhoseNativeLockIsHeldIsNotTakenOver) {
  testsupport::TempProgramFolder folder;
  const QString lockPath = folder.path(ProgramFiles::ProgramLock);
  const int maker = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_EXCL, 0644);
  ASSERT_GE(maker, 0);
  ASSERT_EQ(::flock(maker, LOCK_EX | LOCK_NB), 0);
  EXPECT_EQ(ProgramFolderLock().take(), ProgramFolderLock::Claim::HeldElsewhere);
  EXPECT_TRUE(QFileInfo::exists(lockPath));
  ::close(maker);
  EXPECT_EQ(ProgramFolderLock().take(), ProgramFolderLock::Claim::Taken);
}

// A power cut, then the dead program's process id used again by a live one:
// only the native lock counts. A guard an earlier version's take-over left
// stands in no one's way. A lock file naming this computer's name with
// another machine id is a computer cloned from the same image.
TEST(ProgramFolderLockTest, OnlyTheNativeLockOrAnotherComputerKeepsTheClaim) {
  testsupport::TempProgramFolder folder;
  const QString lockPath = folder.path(ProgramFiles::ProgramLock);
  QList<QByteArray> lines = lockOfThisProcess(lockPath).split('\n');
  ASSERT_GE(lines.size(), 4);
  lines[0] = QByteArray::number(::getppid());
  writeLockFile(lockPath, lines.join('\n'));
  ASSERT_TRUE(QDir().mkdir(lockPath + QStringLiteral(".rmlock")));
  {
    ProgramFolderLock restart;
    EXPECT_EQ(restart.take(), ProgramFolderLock::Claim::Taken);
  }
  EXPECT_FALSE(QFileInfo::exists(lockPath));
  lines[3] = "0123456789abcdef0123456789abcdef";
  writeLockFile(lockPath, lines.join('\n'));
  ProgramFolderLock clone;
  EXPECT_EQ(clone.take(), ProgramFolderLock::Claim::HeldOnOtherComputer);
  EXPECT_EQ(clone.holderComputer(), QSysInfo::machineHostName());
}

// The words nobody's start is given, in a child process.
QString problemOfAnotherAccount() {
  int said[2];
  if (::pipe(said) != 0) return {};
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(1);
    ProgramFolderLock start;
    const QByteArray problem = start.take() == ProgramFolderLock::Claim::NotPossible ? start.problem().toUtf8() : "";
    (void)::write(said[1], problem.constData(), problem.size());
    ::_exit(0);
  }
  ::close(said[1]);
  QFile words;
  const QString problem = words.open(said[0], QIODevice::ReadOnly) ? QString::fromUtf8(words.readAll()) : QString();
  words.close();
  ::close(said[0]);
  ::waitpid(child, nullptr, 0);
  return problem;
}

// A lock file no process holds, that this account may neither take over nor
// delete, in a folder it may not write: whose it is and who may delete it,
// or that the folder is read-only; never "delete it".
TEST(ProgramFolderLockTest, AStaleLockThisAccountMayNotDeleteSaysWhoMay) {
  if (::geteuid() != 0) GTEST_SKIP() << "another account is played by the administrator only";
  testsupport::TempProgramFolder folder;
  const QString lockPath = folder.path(ProgramFiles::ProgramLock);
  for (const QString& shared : {folder.root(), folder.path(QStringLiteral("info"))})
    ASSERT_TRUE(QFile::setPermissions(shared, QFile::permissions(shared) | QFile::ExeOther | QFile::ReadOther));
  writeLockFile(lockPath, "left by a power loss");
  EXPECT_EQ(problemOfAnotherAccount(),
            QStringLiteral("The lock file \"%1\" of the account \"root\" could not be taken over, and this account "
                           "may not delete it: if no other start of the program is under way, the account \"root\" "
                           "or an administrator must delete it. Downloads and project opens are refused until then.")
                .arg(lockPath));
  ASSERT_EQ(::chown(QFile::encodeName(lockPath).constData(), 65534, 65534), 0);
  ASSERT_TRUE(QFile::setPermissions(lockPath, QFile::ReadOwner | QFile::ReadOther));
  EXPECT_EQ(problemOfAnotherAccount(),
            QStringLiteral("The lock file \"%1\" could not be taken over, and cannot be deleted while its folder is "
                           "read-only: make the folder writable, then start the program again. Downloads and project "
                           "opens are refused until then.")
                .arg(lockPath));
}

TEST(ProgramFolderLockTest, AFolderInTheLockFilesPlaceIsNamed) {
  testsupport::TempProgramFolder folder;
  const QString lockPath = folder.path(ProgramFiles::ProgramLock);
  ASSERT_TRUE(QDir().mkdir(lockPath));
  ProgramFolderLock start;
  EXPECT_EQ(start.take(), ProgramFolderLock::Claim::NotPossible);
  EXPECT_TRUE(start.problem().startsWith(QStringLiteral("\"%1\" is in the place").arg(lockPath)))
      << start.problem().toStdString();
}

}  // namespace
}  // namespace platform
