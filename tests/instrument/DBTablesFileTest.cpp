#include "instrument/DBTablesFile.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "instrument/RecordLayouts.h"
#include "platform/core/ProgramFiles.h"
#include "platform/db/Database.h"
#include "support/FileSizeLimit.h"
#include "support/TempProgramFolder.h"

namespace instrument {
namespace {

class DBTablesFileTest : public ::testing::Test {
 protected:
  QString path() const { return folder.path(platform::ProgramFiles::TableList); }

  QByteArray bytes() const {
    QFile file(path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  void write(const QByteArray& content) const {
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
  }

  testsupport::TempProgramFolder folder;
};

TEST_F(DBTablesFileTest, WritesTheTwoLinesByteForByte) {
  qint32 Model_Code = 3;
  EXPECT_TRUE(DBTables_File(DBTablesMode::Write, QStringLiteral("RUN1 RUN2 "), Model_Code).isEmpty());
  EXPECT_EQ(bytes(), QByteArray("3\r\n\"RUN1 RUN2 \"\r\n"));
  EXPECT_EQ(bytes().size(), 17);
  Model_Code = 0;
  DBTables_File(DBTablesMode::Write, QString(), Model_Code);
  EXPECT_EQ(bytes(), QByteArray("0\r\n\"\"\r\n"));
  Model_Code = -1;
  DBTables_File(DBTablesMode::Write, QStringLiteral("CBR_LBR1 "), Model_Code);
  EXPECT_EQ(bytes(), QByteArray("-1\r\n\"CBR_LBR1 \"\r\n"));
}

TEST_F(DBTablesFileTest, AFullDiskKeepsThePreviousListAndSaysSo) {
  write("1\r\n\"OLD1 \"\r\n");
  qint32 code = 2;
  {
    const testsupport::FileSizeLimit full(4);
    EXPECT_FALSE(writeTableList(QStringLiteral("NEW1 NEW2 "), code));
    DBTables_File(DBTablesMode::Write, QStringLiteral("NEW1 NEW2 "), code);
  }
  EXPECT_EQ(bytes(), QByteArray("1\r\n\"OLD1 \"\r\n"));
  EXPECT_TRUE(writeTableList(QStringLiteral("NEW1 "), code));
  EXPECT_EQ(bytes(), QByteArray("2\r\n\"NEW1 \"\r\n"));
}

// Committed tables may sit in the database's log only; once the list names
// them they are in the database file itself, as a power loss would leave it.
TEST_F(DBTablesFileTest, TheDatabaseIsOnTheDiskBeforeTheListNamesItsTables) {
  platform::db::Database db;
  ASSERT_TRUE(db.open(folder.path(platform::ProgramFiles::Database)));
  ASSERT_TRUE(db.exec(QStringLiteral("CREATE TABLE RUN1 (A INTEGER)")).has_value());
  EXPECT_TRUE(writeTableList(QStringLiteral("RUN1 "), 3));
  const QString alone = folder.path(QStringLiteral("info/alone.qvd"));
  ASSERT_TRUE(QFile::copy(folder.path(platform::ProgramFiles::Database), alone));
  platform::db::Database copy;
  ASSERT_TRUE(copy.open(alone));
  EXPECT_EQ(copy.tableNames(), QStringList{QStringLiteral("RUN1")});
}

TEST_F(DBTablesFileTest, ReadsBackWhatWasWritten) {
  qint32 Model_Code = 2;
  const QString list = QStringLiteral("12.5 4 P7 ");
  DBTables_File(DBTablesMode::Write, list, Model_Code);
  Model_Code = 9;
  EXPECT_EQ(DBTables_File(DBTablesMode::Read, QString(), Model_Code), list);
  EXPECT_EQ(Model_Code, 2);
}

TEST_F(DBTablesFileTest, ReadingToleratesMissingAndBrokenFiles) {
  qint32 Model_Code = 7;
  EXPECT_TRUE(DBTables_File(DBTablesMode::Read, QString(), Model_Code).isEmpty());
  EXPECT_EQ(Model_Code, 7);
  write("1\r\n");
  EXPECT_TRUE(DBTables_File(DBTablesMode::Read, QString(), Model_Code).isEmpty());
  EXPECT_EQ(Model_Code, 1);
  write("LX\r\n\"CBR_LBR1 \"\r\n");
  EXPECT_EQ(DBTables_File(DBTablesMode::Read, QString(), Model_Code), QStringLiteral("CBR_LBR1 "));
  EXPECT_EQ(Model_Code, 1);
  write("\r\n\"RUN1 \"");
  EXPECT_EQ(DBTables_File(DBTablesMode::Read, QString(), Model_Code), QStringLiteral("RUN1 "));
  EXPECT_EQ(Model_Code, 1);
  write("99999\r\n\"A \"\r\n");  // not a 16-bit number
  EXPECT_EQ(DBTables_File(DBTablesMode::Read, QString(), Model_Code), QStringLiteral("A "));
  EXPECT_EQ(Model_Code, 1);
}

TEST_F(DBTablesFileTest, AReadSaysHowItFoundTheFile) {
  qint32 Model_Code = 7;
  EXPECT_EQ(readTableList(Model_Code).outcome, platform::SettingsFile::Missing);
  write("2\r\n\"P617 \"\r\n");
  const TableListRead read = readTableList(Model_Code);
  EXPECT_EQ(read.outcome, platform::SettingsFile::Read);
  EXPECT_EQ(read.list, QStringLiteral("P617 "));
  write("1\r\n\"P617 \"\r\n" + QByteArray(platform::SettingsFileLimit, ' '));
  const TableListRead refused = readTableList(Model_Code);
  EXPECT_EQ(refused.outcome, platform::SettingsFile::TooLarge);
  EXPECT_TRUE(refused.list.isEmpty());
  EXPECT_EQ(Model_Code, 2);
}

// A save of such a list would write a project file that opens as nothing.
TEST_F(DBTablesFileTest, AListThatDoesNotBelongToItsModelCodeIsRefusedByName) {
  {
    platform::db::Database db;
    ASSERT_TRUE(db.open(folder.path(platform::ProgramFiles::Database)));
    platform::db::TableDef loadTest = Load_Test_Record(QStringLiteral("CBR_LBR1"));
    ASSERT_TRUE(db.createTable(loadTest));
  }
  for (const QByteArray& misfit : {QByteArray("9"), QByteArray("-1"), QByteArray("4"), QByteArray("3")}) {
    write(misfit + "\r\n\"CBR_LBR1 \"\r\n");
    qint32 Model_Code = 1;
    const TableListRead refused = readTableList(Model_Code);
    EXPECT_EQ(refused.outcome, platform::SettingsFile::Unreadable) << misfit.toStdString();
    EXPECT_TRUE(refused.list.isEmpty());
    EXPECT_TRUE(refused.misfit.contains(QDir::toNativeSeparators(path())));
    EXPECT_EQ(Model_Code, 1);
    EXPECT_TRUE(tableListRefused());
  }
  write("0\r\n\"CBR_LBR1 \"\r\n");
  qint32 Model_Code = 1;
  EXPECT_EQ(readTableList(Model_Code).list, QStringLiteral("CBR_LBR1 "));
  EXPECT_EQ(Model_Code, 0);
}

TEST_F(DBTablesFileTest, OtherModesAndAMissingFolderDoNothing) {
  qint32 Model_Code = 1;
  EXPECT_TRUE(DBTables_File(2, QStringLiteral("X "), Model_Code).isEmpty());
  EXPECT_FALSE(QFile::exists(path()));
  ASSERT_TRUE(QDir(folder.path(QStringLiteral("info"))).removeRecursively());
  EXPECT_TRUE(DBTables_File(DBTablesMode::Write, QStringLiteral("X "), Model_Code).isEmpty());
  EXPECT_FALSE(QFile::exists(path()));
}

}  // namespace
}  // namespace instrument
