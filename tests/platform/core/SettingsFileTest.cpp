#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <sys/stat.h>

#include "platform/core/SettingsFile.h"
#include "support/TempProgramFolder.h"

namespace {

class SettingsFile : public testing::Test {
 protected:
  void write(const QByteArray& bytes) const {
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  testsupport::TempProgramFolder folder_;
  QString path_ = folder_.path(QStringLiteral("info/file.qvt"));
};

TEST_F(SettingsFile, ReadsAFileUpToTheLimitWholeAndRefusesALargerOne) {
  EXPECT_EQ(platform::readSettingsFile(path_).outcome, platform::SettingsFile::Missing);

  const QByteArray largest(platform::SettingsFileLimit, 'x');
  write(largest);
  const platform::SettingsFile read = platform::readSettingsFile(path_);
  EXPECT_EQ(read.outcome, platform::SettingsFile::Read);
  EXPECT_EQ(read.bytes, largest);

  write(largest + 'x');
  const platform::SettingsFile refused = platform::readSettingsFile(path_);
  EXPECT_EQ(refused.outcome, platform::SettingsFile::TooLarge);
  EXPECT_TRUE(refused.error.contains(QDir::toNativeSeparators(path_)));
}

// A pipe would block the read until a writer came; a device may never end.
TEST_F(SettingsFile, RefusesAPipeOrADeviceInTheFilesPlaceByName) {
  ASSERT_EQ(::mkfifo(QFile::encodeName(path_).constData(), 0600), 0);
  const platform::SettingsFile pipe = platform::readSettingsFile(path_);
  EXPECT_EQ(pipe.outcome, platform::SettingsFile::Unreadable);
  EXPECT_TRUE(pipe.error.contains(QDir::toNativeSeparators(path_)));

  ASSERT_TRUE(QFile::remove(path_));
  ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), path_));
  EXPECT_EQ(platform::readSettingsFile(path_).outcome, platform::SettingsFile::Unreadable);

  // A link to itself names no file, but is no missing file either.
  ASSERT_TRUE(QFile::remove(path_));
  ASSERT_TRUE(QFile::link(path_, path_));
  const platform::SettingsFile loop = platform::readSettingsFile(path_);
  EXPECT_EQ(loop.outcome, platform::SettingsFile::Unreadable);
  EXPECT_TRUE(loop.error.contains(QDir::toNativeSeparators(path_)));
}

// LF CR is two line ends (an empty line between), CR LF one.
TEST(SettingsFileLines, EndAtCrLfLfOrCrAloneAndKeepEmptyLines) {
  using Lines = QList<QByteArray>;
  EXPECT_EQ(platform::settingsFileLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(platform::settingsFileLines("a\n\rb\r\n\r\nc\r\n"), (Lines{"a", "", "b", "", "c"}));
  EXPECT_EQ(platform::settingsFileLines("\r\n"), (Lines{""}));
  EXPECT_TRUE(platform::settingsFileLines("").isEmpty());
}

}  // namespace
