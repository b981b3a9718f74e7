#include "instrument/WorkingDatabaseBackup.h"

#include <QFile>
#include <gtest/gtest.h>

#include "platform/core/ProgramFiles.h"
#include "platform/db/Database.h"
#include "support/TempProgramFolder.h"

namespace instrument {
namespace {

using platform::ProgramFiles::Database;
using platform::ProgramFiles::DatabaseBackup;
using platform::ProgramFiles::TableList;
using platform::ProgramFiles::TableListBackup;

class WorkingDatabaseBackupTest : public ::testing::Test {
 protected:
  QString path(const QString& relative) const { return folder.path(relative); }

  void write(const QString& relative, const QByteArray& content) const {
    QFile file(path(relative));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
  }

  QByteArray read(const QString& relative) const {
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }

  // A real database with one table, so that the copy is checked as a database.
  void makeDatabase(const QString& table) const {
    platform::db::Database db;
    ASSERT_TRUE(db.open(path(Database)));
    ASSERT_TRUE(db.exec(QStringLiteral("CREATE TABLE \"%1\" (A INTEGER)").arg(table)).has_value());
  }

  QStringList tables() const {
    platform::db::Database db;
    if (!db.open(path(Database))) return {QStringLiteral("<cannot open>")};
    return db.tableNames();
  }

  testsupport::TempProgramFolder folder;
};

TEST_F(WorkingDatabaseBackupTest, RestorePutsBackTheOldDataOverAHalfBuiltReplacement) {
  makeDatabase(QStringLiteral("CBR_LBR1"));
  write(TableList, "0\r\n\"CBR_LBR1 \"\r\n");
  WorkingDatabaseBackup backup;
  ASSERT_TRUE(backup.take());

  // The replacement: the old file goes, a new one is half built and held open.
  ASSERT_TRUE(platform::db::Database::removeFile(path(Database)));
  platform::db::Database building;
  ASSERT_TRUE(building.open(path(Database)));
  ASSERT_TRUE(building.exec(QStringLiteral("CREATE TABLE \"P12\" (A INTEGER)")).has_value());
  QFile::remove(path(TableList));

  EXPECT_TRUE(backup.restore());
  EXPECT_FALSE(building.isOpen());
  EXPECT_EQ(tables(), QStringList{QStringLiteral("CBR_LBR1")});
  EXPECT_EQ(read(TableList), QByteArray("0\r\n\"CBR_LBR1 \"\r\n"));
  EXPECT_FALSE(QFile::exists(path(DatabaseBackup)));
  EXPECT_FALSE(QFile::exists(path(TableListBackup)));
}

TEST_F(WorkingDatabaseBackupTest, FilesThatWereMissingAreMissingAgainAfterRestore) {
  WorkingDatabaseBackup backup;
  ASSERT_TRUE(backup.take());
  makeDatabase(QStringLiteral("RUN1"));
  write(TableList, "3\r\n\"RUN1 \"\r\n");
  EXPECT_TRUE(backup.restore());
  EXPECT_FALSE(QFile::exists(path(Database)));
  EXPECT_FALSE(QFile::exists(path(TableList)));
}

TEST_F(WorkingDatabaseBackupTest, DiscardKeepsTheNewDataAndRestoreThenDoesNothing) {
  makeDatabase(QStringLiteral("OLD"));
  write(TableList, "old");
  {
    WorkingDatabaseBackup backup;
    ASSERT_TRUE(backup.take());
    ASSERT_TRUE(platform::db::Database::removeFile(path(Database)));
    makeDatabase(QStringLiteral("NEW"));
    write(TableList, "new");
    backup.discard();
    EXPECT_FALSE(backup.restore());
    EXPECT_FALSE(QFile::exists(path(DatabaseBackup)));
  }
  EXPECT_EQ(tables(), QStringList{QStringLiteral("NEW")});
  EXPECT_EQ(read(TableList), QByteArray("new"));
}

TEST_F(WorkingDatabaseBackupTest, AStaleCopyFromAnEarlierRunIsReplaced) {
  write(DatabaseBackup, "stale");
  write(TableListBackup, "stale");
  write(TableList, "current");
  WorkingDatabaseBackup backup;
  ASSERT_TRUE(backup.take());
  write(TableList, "changed");
  EXPECT_TRUE(backup.restore());
  EXPECT_EQ(read(TableList), QByteArray("current"));
  EXPECT_FALSE(QFile::exists(path(Database)));
}

}  // namespace
}  // namespace instrument
