#include "instrument/CreateDatabase.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "PrintoutFeed.h"
#include "instrument/DeviceType.h"
#include "instrument/RecordLayouts.h"
#include "instrument/StatusCodes.h"
#include "platform/db/Database.h"
#include "platform/db/Recordset.h"
#include "support/TempProgramFolder.h"

namespace instrument {
namespace {

class CreateDatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(creator.Create(), status::Ok); }

  void addRow(const QString& table, const QString& key, int value) {
    platform::db::Database db;
    platform::db::Recordset rs;
    ASSERT_TRUE(db.open(CreateDatabase::databasePath()));
    ASSERT_TRUE(rs.openTable(db, table));
    ASSERT_TRUE(rs.addNew());
    ASSERT_TRUE(rs.setValue(key, value));
    ASSERT_TRUE(rs.update());
  }

  testsupport::TempProgramFolder folder;
  CreateDatabase creator;
};

TEST_F(CreateDatabaseTest, CreateMakesAnEmptyDatabaseEachTime) {
  EXPECT_TRUE(QFileInfo::exists(CreateDatabase::databasePath()));
  QString name = QStringLiteral("RUN3");
  ASSERT_EQ(creator.AddTable(name, DeviceType::T7310), status::Ok);
  EXPECT_EQ(creator.Create(), status::Ok);
  EXPECT_TRUE(testsupport::workingTables().isEmpty());
}

TEST_F(CreateDatabaseTest, CreateClosesOpenConnectionsAndDropsTheJournal) {
  platform::db::Database holder;
  ASSERT_TRUE(holder.open(CreateDatabase::databasePath()));
  ASSERT_TRUE(holder.exec(QStringLiteral("CREATE TABLE \"OLD\" (\"X\" INTEGER)")));
  QFile journal(CreateDatabase::databasePath() + QStringLiteral("-journal"));
  ASSERT_TRUE(journal.open(QIODevice::WriteOnly));
  journal.write("stale");
  journal.close();
  EXPECT_EQ(creator.Create(), status::Ok);
  EXPECT_FALSE(holder.isOpen());
  EXPECT_FALSE(journal.exists());
  EXPECT_TRUE(testsupport::workingTables().isEmpty());
}

// A link in the working database's place that names no file is not
// followed: the database is made in its own place, not where the link points.
TEST_F(CreateDatabaseTest, CreateMakesNoFileWhereADanglingLinkPoints) {
  const QString path = CreateDatabase::databasePath(), elsewhere = folder.path(QStringLiteral("elsewhere.qvd"));
  ASSERT_TRUE(QFile::remove(path));
  ASSERT_TRUE(QFile::link(elsewhere, path));
  EXPECT_EQ(creator.Create(), status::Ok);
  EXPECT_FALSE(QFileInfo::exists(elsewhere));
  EXPECT_TRUE(QFileInfo(path).isFile() && !QFileInfo(path).isSymLink());
}

TEST_F(CreateDatabaseTest, AddTableRemovesDotsFromTheCallersName) {
  QString name = QStringLiteral("P12.5");
  EXPECT_EQ(creator.AddTable(name, DeviceType::N2600BX), status::Ok);
  EXPECT_EQ(name, QStringLiteral("P125"));
  EXPECT_EQ(testsupport::workingTables(), QStringList{QStringLiteral("P125")});
}

TEST_F(CreateDatabaseTest, AddTableTwiceDefinesTheTableAfresh) {
  QString name = QStringLiteral("CBR_LBR1");
  ASSERT_EQ(creator.AddTable(name, DeviceType::LoadFrameSingle), status::Ok);
  addRow(name, LoadTestField::READNUMBER, 1);
  ASSERT_EQ(testsupport::readTable(name).size(), 1);
  EXPECT_EQ(creator.AddTable(name, DeviceType::LoadFrameSingle), status::Ok);
  EXPECT_TRUE(testsupport::readTable(name).isEmpty());
}

TEST_F(CreateDatabaseTest, AddTableRefusesWhatCannotBeDefined) {
  for (QString name : {QString(), QStringLiteral("."), QStringLiteral("P[1]"), QStringLiteral("P\"x"),
                       QStringLiteral("P!"), QStringLiteral("P`"), QStringLiteral("P") + QString(64, QLatin1Char('9')),
                       QStringLiteral("P\x01")})
    EXPECT_EQ(creator.AddTable(name, DeviceType::N2600A), status::TableFailed) << name.toStdString();
  QString fine = QStringLiteral("X'; DROP TABLE Y--");
  EXPECT_EQ(creator.AddTable(fine, DeviceType::N2600A), status::Ok);
  QString continuous = QStringLiteral("CBR_LBR9");
  EXPECT_EQ(creator.AddTable(continuous, DeviceType::LoadFrameContinuous), status::TableFailed);
  EXPECT_EQ(testsupport::workingTables(), QStringList{fine});
  ASSERT_TRUE(platform::db::Database::removeFile(CreateDatabase::databasePath()));
  QString missing = QStringLiteral("RUN1");
  EXPECT_EQ(creator.AddTable(missing, DeviceType::T7310), status::TableFailed);
  EXPECT_FALSE(QFileInfo::exists(CreateDatabase::databasePath()));
}

TEST_F(CreateDatabaseTest, DeleteTableDropsListedTablesWhereTheyExist) {
  for (auto [name, device] : {std::pair{QStringLiteral("CBR_LBR1"), DeviceType::LoadFrameSingle},
                              std::pair{QStringLiteral("P12.5"), DeviceType::N2600BX},
                              std::pair{QStringLiteral("RUN3"), DeviceType::T7310},
                              std::pair{QStringLiteral("RUN4"), DeviceType::T7310},
                              std::pair{QStringLiteral("UC1"), DeviceType::LoadFrameSingle}})
    ASSERT_EQ(creator.AddTable(name, device), status::Ok);
  EXPECT_TRUE(creator.Delete_Table(QStringLiteral("CBR_LBR1 12.5 RUN3 MISSING7  UC1")));
  // UC1 has no closing blank: it stays.
  EXPECT_EQ(testsupport::workingTables(), (QStringList{QStringLiteral("RUN4"), QStringLiteral("UC1")}));
  ASSERT_TRUE(platform::db::Database::removeFile(CreateDatabase::databasePath()));
  EXPECT_TRUE(creator.Delete_Table(QStringLiteral("RUN4 ")));
  EXPECT_FALSE(QFileInfo::exists(CreateDatabase::databasePath()));
}

}  // namespace
}  // namespace instrument
