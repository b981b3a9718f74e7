#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

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

// A save through a link must not turn a device node, a pipe or a folder into
// a file of its own: the write is refused by name, and the node stays. The
// device is one made here (the numbers of /dev/null), so nothing outside the
// test's folder is at stake even when the test fails.
TEST_F(WholeFile, ALinkToAnythingButARegularFileIsRefusedAndNothingIsReplaced) {
  const QString node = folder_.path(QStringLiteral("info/node"));
  const QString loop = folder_.path(QStringLiteral("info/loop"));
  const struct {
    const char* what;
    std::function<int()> make;  // makes node (or the loop), 0 when done
    mode_t type;                // what node is to stay
    QString named;              // the file the refusal names
  } cases[] = {
      {"device", [&] { return ::mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, makedev(1, 3)); },
       S_IFCHR, node},
      {"pipe", [&] { return ::mkfifo(QFile::encodeName(node).constData(), 0666); }, S_IFIFO, node},
      {"folder", [&] { return QDir().mkdir(node) ? 0 : -1; }, S_IFDIR, node},
      {"loop", [&] { return QFile::link(loop, loop) ? 0 : -1; }, 0, path_},
  };
  for (const auto& each : cases) {
    SCOPED_TRACE(each.what);
    ASSERT_EQ(each.make(), 0);
    ASSERT_TRUE(QFile::link(each.type != 0 ? node : loop, path_));
    QString error;
    EXPECT_FALSE(platform::writeWholeFile(path_, "new", &error));
    EXPECT_TRUE(error.contains(each.named)) << error.toStdString();
    struct stat status {};
    if (each.type != 0) {
      ASSERT_EQ(::lstat(QFile::encodeName(node).constData(), &status), 0);
      EXPECT_EQ(status.st_mode & S_IFMT, each.type);
    }
    const QStringList temporary{QLatin1Char('*') + platform::WholeFileTemporaryMark + QLatin1Char('*')};
    EXPECT_TRUE(QDir(folder_.path("info")).entryList(temporary, QDir::AllEntries | QDir::Hidden | QDir::System).isEmpty());
    for (const QString& name : {path_, node, loop})
      if (::unlink(QFile::encodeName(name).constData()) != 0) ::rmdir(QFile::encodeName(name).constData());
  }
}

// In a folder several accounts share, a link another account put in a
// file's place could name this account's own file, which a save would
// replace: it is not followed, and the refusal says whose link it is.
TEST_F(WholeFile, ALinkOfAnotherAccountIsNotFollowed) {
  if (::geteuid() != 0) GTEST_SKIP() << "another account's link is made by the administrator only";
  const QString own = folder_.path(QStringLiteral("own.txt"));
  ASSERT_TRUE(platform::writeWholeFile(own, "mine"));
  ASSERT_TRUE(QFile::link(own, path_));
  ASSERT_EQ(::lchown(QFile::encodeName(path_).constData(), 65534, 65534), 0);
  QString error;
  EXPECT_FALSE(platform::writeWholeFile(path_, "planted", &error));
  EXPECT_EQ(error, path_ + QStringLiteral(" is a symbolic link of the account \"nobody\", which is not followed"));
  EXPECT_EQ(contents(own), "mine");
}

TEST_F(WholeFile, AFolderThatDoesNotExistIsAFailure) {
  QString error;
  EXPECT_FALSE(platform::writeWholeFile(folder_.path("nosuch/file.qvt"), "text", &error));
  EXPECT_FALSE(error.isEmpty());
}

}  // namespace
