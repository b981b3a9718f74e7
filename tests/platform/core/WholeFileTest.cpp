#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/core/WholeFile.h"
#include "support/FileSizeLimit.h"
#include "support/FullDisk.h"
#include "support/TempProgramFolder.h"

namespace {

QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

class WholeFile : public testing::Test {
 protected:
  testsupport::TempProgramFolder folder_;
  QString path_ = folder_.path(QStringLiteral("info/file.qvt"));
};

TEST_F(WholeFile, ReplacesTheFileWithTheWholeText) {
  QString error;
  ASSERT_TRUE(platform::writeWholeFile(path_, "old", &error)) << error.toStdString();
  ASSERT_TRUE(platform::writeWholeFile(path_, "new text", &error)) << error.toStdString();
  EXPECT_EQ(contents(path_), "new text");
  EXPECT_EQ(QDir(folder_.path("info")).entryList(QDir::Files), QStringList{"file.qvt"});
}

// As the file it replaces: its permissions, and the link in its place.
TEST_F(WholeFile, KeepsThePermissionsAndASymbolicLinkOfTheFileItReplaces) {
  const QString target = folder_.path(QStringLiteral("info/target.qvt"));
  ASSERT_TRUE(platform::writeWholeFile(target, "old"));
  ASSERT_TRUE(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
  ASSERT_TRUE(QFile::link(target, path_));
  ASSERT_TRUE(platform::writeWholeFile(path_, "new"));
  EXPECT_TRUE(QFileInfo(path_).isSymLink());
  EXPECT_EQ(contents(target), "new");
  EXPECT_FALSE(QFile::permissions(target) & (QFile::ReadGroup | QFile::ReadOther));
}

// A link to a file still to be made stays a link, and the file is made.
TEST_F(WholeFile, ALinkToAFileNotYetMadeStaysALink) {
  const QString target = folder_.path(QStringLiteral("info/target.qvt"));
  ASSERT_TRUE(QFile::link(target, path_));
  ASSERT_TRUE(platform::writeWholeFile(path_, "new"));
  EXPECT_TRUE(QFileInfo(path_).isSymLink());
  EXPECT_EQ(contents(target), "new");
}

// A user's read-only copy is not replaced: written in place it could not be
// either. The mode bits count for the administrator too.
TEST_F(WholeFile, AReadOnlyFileIsKeptAndTheRefusalSaysSo) {
  ASSERT_TRUE(platform::writeWholeFile(path_, "old"));
  ASSERT_TRUE(QFile::setPermissions(path_, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
  QString error;
  EXPECT_FALSE(platform::writeWholeFile(path_, "new", &error));
  EXPECT_EQ(error, QStringLiteral("the file is read-only"));
  EXPECT_EQ(contents(path_), "old");
  EXPECT_EQ(QDir(folder_.path("info")).entryList(QDir::Files), QStringList{"file.qvt"});
}

// A small text fits the write buffer, so only the flush meets the full disk.
TEST_F(WholeFile, AFullDiskKeepsThePreviousFileAndSaysWhy) {
  ASSERT_TRUE(platform::writeWholeFile(path_, "previous"));
  for (const QByteArray& text : {QByteArray(100, 'x'), QByteArray(100000, 'y')}) {
    QString error;
    {
      const testsupport::FileSizeLimit full(10);
      EXPECT_FALSE(platform::writeWholeFile(path_, text, &error));
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_NE(error, QStringLiteral("Unknown error"));
    EXPECT_EQ(contents(path_), "previous");
    EXPECT_EQ(QDir(folder_.path("info")).entryList(QDir::Files), QStringList{"file.qvt"});
  }
}

// Part of the text fits in the room left, the rest does not.
TEST_F(WholeFile, ATextLargerThanTheRoomLeftSaysTheDiskIsFull) {
  const testsupport::FullDisk disk;
  if (!disk.mounted()) GTEST_SKIP() << "no memory file system could be mounted";
  QFile filler(disk.path(QStringLiteral("filler")));
  ASSERT_TRUE(filler.resize(filler.size() - 16 * 1024));
  const QString path = disk.path(QStringLiteral("project.txt"));
  QString error;
  EXPECT_FALSE(platform::writeWholeFile(path, QByteArray(100000, 'x'), &error));
  EXPECT_TRUE(error.startsWith(QStringLiteral("the disk is full"))) << error.toStdString();
  EXPECT_EQ(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files), QStringList{"filler"});
}

// Room in bytes but none for the temporary file: no room all the same.
TEST_F(WholeFile, NoFreeInodeSaysTheDiskIsFull) {
  testsupport::FullDisk disk{testsupport::FullDisk::Start::Empty};
  if (!disk.mounted()) GTEST_SKIP() << "no memory file system could be mounted";
  const QString path = disk.path(QStringLiteral("Info.qvt"));
  ASSERT_TRUE(platform::writeWholeFile(path, "previous"));
  disk.useUpInodes();
  QString error;
  EXPECT_FALSE(platform::writeWholeFile(path, "new", &error));
  EXPECT_TRUE(error.startsWith(QStringLiteral("the disk is full"))) << error.toStdString();
  EXPECT_EQ(contents(path), "previous");
}

TEST_F(WholeFile, AFolderThatDoesNotExistIsAFailure) {
  QString error;
  EXPECT_FALSE(platform::writeWholeFile(folder_.path("nosuch/file.qvt"), "text", &error));
  EXPECT_FALSE(error.isEmpty());
}

}  // namespace
