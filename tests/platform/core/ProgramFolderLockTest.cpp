#include "platform/core/ProgramFolderLock.h"

#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <gtest/gtest.h>

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

// What a power loss right after the lock file was made leaves, and rubbish.
TEST(ProgramFolderLockTest, AnEmptyOrGarbledLockFileIsTakenOver) {
  testsupport::TempProgramFolder folder;
  for (const QByteArray& content : {QByteArray(), QByteArray("\x01\xfe garbled\n\n")}) {
    writeLockFile(folder.path(ProgramFiles::ProgramLock), content);
    ProgramFolderLock restart;
    EXPECT_EQ(restart.take(), ProgramFolderLock::Claim::Taken) << content.toHex().constData();
    EXPECT_EQ(ProgramFolderLock().take(), ProgramFolderLock::Claim::HeldElsewhere);
  }
}

}  // namespace
}  // namespace platform
