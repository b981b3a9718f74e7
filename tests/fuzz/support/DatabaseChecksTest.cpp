// The checks the fuzz targets apply must see the faults they are there for: a
// damaged database file, a listed table that is not there, a changed row.

#include <QFile>
#include <gtest/gtest.h>

#include "fuzz/support/DatabaseChecks.h"
#include "instrument/CreateDatabase.h"
#include "instrument/DeviceType.h"
#include "instrument/ProjectFileSupport.h"
#include "support/TempProgramFolder.h"

namespace {

using instrument::CreateDatabase;
namespace DeviceType = instrument::DeviceType;
namespace ModelCode = instrument::ModelCode;

class DatabaseChecks : public testing::Test {
 protected:
  void SetUp() override {
    projecttest::createTables(DeviceType::N2600BX, {QStringLiteral("P45"), QStringLiteral("P7")});
    for (int reading = 1; reading <= 300; ++reading)
      projecttest::addRow(QStringLiteral("P45"), {{QStringLiteral("RDNUM"), reading}, {QStringLiteral("ID"), QStringLiteral("4.5")}});
  }

  testsupport::TempProgramFolder folder_;
};

TEST_F(DatabaseChecks, ADamagedDatabaseFileFailsTheIntegrityCheck) {
  const QString path = CreateDatabase::databasePath();
  EXPECT_EQ(fuzzing::integrityProblem(path), QString());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  QByteArray bytes = file.readAll();
  ASSERT_GT(bytes.size(), 8192);
  // Overwrite the second and later pages, keeping the header readable.
  for (qsizetype i = 4096 + 16; i < bytes.size(); i += 7) bytes[i] = '\x5a';
  file.seek(0);
  file.write(bytes);
  file.close();
  EXPECT_NE(fuzzing::integrityProblem(path), QString());
}

TEST_F(DatabaseChecks, ListedTablesThatAreMissingAreNamed) {
  const QString path = CreateDatabase::databasePath();
  EXPECT_EQ(fuzzing::missingListedTables(path, ModelCode::N2600BX, QStringLiteral("4.5 7 ")), QString());
  EXPECT_EQ(fuzzing::missingListedTables(path, ModelCode::N2600BX, QStringLiteral("4.5 7 301 ")), QStringLiteral("301"));
}

TEST_F(DatabaseChecks, SnapshotsDifferInTablesRowsAndValues) {
  const QString path = CreateDatabase::databasePath();
  const fuzzing::TableSnapshot before = fuzzing::snapshotOf(path);
  EXPECT_EQ(fuzzing::snapshotDifference(before, fuzzing::snapshotOf(path)), QString());

  fuzzing::TableSnapshot changed = before;
  changed[QStringLiteral("P45")][7].replace(QStringLiteral("4.5"), QStringLiteral("45"));
  EXPECT_TRUE(fuzzing::snapshotDifference(before, changed).startsWith(QStringLiteral("P45 row 7")));
  changed = before;
  changed[QStringLiteral("P45")].removeLast();
  EXPECT_TRUE(fuzzing::snapshotDifference(before, changed).contains(QStringLiteral("300 rows became 299")));
  changed.remove(QStringLiteral("P45"));
  EXPECT_TRUE(fuzzing::snapshotDifference(before, changed).startsWith(QStringLiteral("tables")));
  // The empty table holds nothing to give back; were it listed, the table
  // list would tell that it went missing.
  EXPECT_FALSE(before.contains(QStringLiteral("P7")));
}

TEST_F(DatabaseChecks, OnlyAnN2600AListMayChangeItsOrder) {
  const QString a = QStringLiteral("1 2 "), b = QStringLiteral("2 1 ");
  EXPECT_EQ(fuzzing::tableListDifference(ModelCode::N2600A, a, b), QString());
  EXPECT_NE(fuzzing::tableListDifference(ModelCode::N2600BX, a, b), QString());
  EXPECT_NE(fuzzing::tableListDifference(ModelCode::N2600A, a, QStringLiteral("1 ")), QString());
}

}  // namespace
