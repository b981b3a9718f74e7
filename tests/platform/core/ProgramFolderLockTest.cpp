#include "platform/core/ProgramFolderLock.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <gtest/gtest.h>

#include "platform/core/ProgramFiles.h"
#include "support/TempProgramFolder.h"

namespace platform {
namespace {

using Claim = ProgramFolderLock::Claim;

TEST(ProgramFolderLockTest, OneHolderAtATimeAndAClaimOfAnEndedProcessIsTakenOver) {
  testsupport::TempProgramFolder folder;
  const QString lockPath = folder.path(ProgramFiles::ProgramLock);
  {
    ProgramFolderLock first;
    ProgramFolderLock second;
    EXPECT_EQ(first.take(), Claim::Taken);
    EXPECT_EQ(second.take(), Claim::HeldElsewhere);
    first.release();
    EXPECT_EQ(second.take(), Claim::Taken);
  }
  EXPECT_FALSE(QFile::exists(lockPath));

  // The lock file of a program that was killed: it names a process that is gone.
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
  ASSERT_TRUE(QFile::exists(lockPath));
  ProgramFolderLock restart;
  EXPECT_EQ(restart.take(), Claim::Taken);
}

TEST(ProgramFolderLockTest, NoFolderForTheLockIsSaid) {
  testsupport::TempProgramFolder folder;
  ASSERT_TRUE(QDir(folder.path(QStringLiteral("info"))).removeRecursively());
  ProgramFolderLock lock;
  EXPECT_EQ(lock.take(), Claim::NotPossible);
  EXPECT_TRUE(lock.problem().contains(QStringLiteral("Program.lck"))) << lock.problem().toStdString();
}

}  // namespace
}  // namespace platform
