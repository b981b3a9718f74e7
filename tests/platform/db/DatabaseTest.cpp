#include "platform/db/Database.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSqlQueryModel>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/db/DatabaseLockFile.h"
#include "platform/db/Recordset.h"
#include "support/TempProgramFolder.h"

namespace platform::db {
namespace {

class DatabaseTest : public ::testing::Test {
 protected:
  QString path() const { return folder.path(QStringLiteral("info/work.qvd")); }
  QString lockPath() const { return folder.path(QStringLiteral("info/work.ldb")); }

  static TableDef sample(const QString& name = QStringLiteral("Tests")) {
    TableDef t(name);
    t.append({QStringLiteral("NUM"), FieldType::Long});
    t.append({QStringLiteral("NAME"), FieldType::Text, 10});
    t.append({QStringLiteral("VALUE"), FieldType::Single});
    t.append({QStringLiteral("EXACT"), FieldType::Double});
    t.append({QStringLiteral("NOTE"), FieldType::Text});
    t.setPrimaryIndex(QStringLiteral("NUM_KEY"), QStringLiteral("NUM"));
    return t;
  }

  testsupport::TempProgramFolder folder;
};

TEST_F(DatabaseTest, LockFileExistsExactlyWhileAConnectionIsOpen) {
  EXPECT_EQ(DatabaseLockFile::path(path()), lockPath());
  Database first, second;
  ASSERT_TRUE(first.open(path()));
  ASSERT_TRUE(second.open(path()));
  EXPECT_TRUE(QFileInfo::exists(lockPath()));
  EXPECT_TRUE(DatabaseLockFile::isLocked(path()));
  first.close();
  EXPECT_TRUE(QFileInfo::exists(lockPath()));
  second.close();
  EXPECT_FALSE(QFileInfo::exists(lockPath()));
  EXPECT_FALSE(DatabaseLockFile::isLocked(path()));
}

TEST_F(DatabaseTest, StaleLockFilesDoNotCountAsLocked) {
  QProcess ended;
  ended.start(QStringLiteral("true"));
  ASSERT_TRUE(ended.waitForFinished());
  const qint64 deadPid = ended.processId() != 0 ? ended.processId() : 999999;
  // A lock file left by a process that has ended, and one whose process id
  // a live process (here the one that runs this test) got since.
  for (const qint64 pid : {deadPid, qint64(::getppid())}) {
    QLockFile lock(lockPath());
    ASSERT_TRUE(lock.tryLock(0));
    QFile file(lockPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray content = file.readAll();
    file.close();
    content = QByteArray::number(pid) + content.mid(content.indexOf('\n'));
    lock.unlock();
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    ASSERT_TRUE(QFileInfo::exists(lockPath()));
    EXPECT_FALSE(DatabaseLockFile::isLocked(path())) << pid;
    EXPECT_FALSE(QFileInfo::exists(lockPath()));
  }

  QFile garbage(lockPath());
  ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
  garbage.write("not a lock");
  garbage.close();
  EXPECT_FALSE(DatabaseLockFile::isLocked(path()));

  QLockFile live(lockPath());
  ASSERT_TRUE(live.tryLock(0));
  EXPECT_TRUE(DatabaseLockFile::isLocked(path()));
  live.unlock();

  // Made by another program that holds it but has not written it yet.
  QFile unwritten(lockPath());
  ASSERT_TRUE(unwritten.open(QIODevice::WriteOnly));
  ASSERT_EQ(::flock(unwritten.handle(), LOCK_EX | LOCK_NB), 0);
  EXPECT_TRUE(DatabaseLockFile::isLocked(path()));
  EXPECT_TRUE(QFileInfo::exists(lockPath()));
}

TEST_F(DatabaseTest, RemoveFileClosesEveryConnectionFirst) {
  Database db;
  ASSERT_TRUE(db.open(path()));
  ASSERT_TRUE(db.createTable(sample()));
  Recordset rs;
  ASSERT_TRUE(rs.openTable(db, QStringLiteral("Tests")));
  ASSERT_TRUE(db.beginTransaction());
  EXPECT_TRUE(Database::removeFile(path()));
  EXPECT_FALSE(db.isOpen());
  EXPECT_FALSE(rs.isOpen());
  EXPECT_FALSE(rs.addNew());
  EXPECT_FALSE(QFileInfo::exists(path()));
  EXPECT_FALSE(QFileInfo::exists(path() + QStringLiteral("-journal")));
  EXPECT_FALSE(QFileInfo::exists(lockPath()));
}

// Rows only the log holds would be missing from a file moved without it.
TEST_F(DatabaseTest, AFileWhoseLogCannotMoveWithItKeepsItsName) {
  const QString aside = folder.path(QStringLiteral("info/aside.qvd"));
  for (const QString& file : {path(), path() + "-wal", aside + "-wal"}) {
    QFile stand(file);
    ASSERT_TRUE(stand.open(QIODevice::WriteOnly) && stand.write("x") == 1);
  }
  EXPECT_FALSE(Database::renameFile(path(), aside));
  EXPECT_TRUE(QFileInfo::exists(path()) && QFileInfo::exists(path() + "-wal"));
  EXPECT_FALSE(QFileInfo::exists(aside));
}

TEST_F(DatabaseTest, TableDefinitionRoundTripsThroughTheSchema) {
  Database db;
  ASSERT_TRUE(db.open(path()));
  ASSERT_TRUE(db.createTable(sample()));
  const auto read = db.tableDef(QStringLiteral("TESTS"));
  ASSERT_TRUE(read.has_value());
  const TableDef expected = sample();
  EXPECT_EQ(read->name(), QStringLiteral("Tests"));
  ASSERT_EQ(read->fields().size(), expected.fields().size());
  for (int i = 0; i < expected.fields().size(); ++i) {
    EXPECT_EQ(read->fields()[i].name, expected.fields()[i].name);
    EXPECT_EQ(read->fields()[i].type, expected.fields()[i].type);
    EXPECT_EQ(read->fields()[i].textSize(), expected.fields()[i].textSize());
  }
  EXPECT_EQ(read->primaryIndexName(), QStringLiteral("NUM_KEY"));
  EXPECT_EQ(read->primaryKeyField(), QStringLiteral("NUM"));
  EXPECT_TRUE(db.hasTable(QStringLiteral("tests")));
  EXPECT_FALSE(db.createTable(sample(QStringLiteral("TESTS"))));  // names ignore case
  EXPECT_TRUE(db.dropTable(QStringLiteral("tEsTs")));
  EXPECT_TRUE(db.tableNames().isEmpty());
}

TEST_F(DatabaseTest, RefusesDefinitionsTheEngineWouldRefuse) {
  Database db;
  ASSERT_TRUE(db.open(path()));
  for (const QString& name : {QString(), QStringLiteral("A.B"), QStringLiteral("A!"), QStringLiteral("[x]"),
                              QStringLiteral("a\"b"), QStringLiteral("t`"), QStringLiteral(" lead"),
                              QStringLiteral("tab\there"), QString(65, QLatin1Char('X'))})
    EXPECT_FALSE(db.createTable(sample(name))) << name.toStdString();
  TableDef badKey = sample();
  badKey.setPrimaryIndex(QStringLiteral("K"), QStringLiteral("MISSING"));
  EXPECT_FALSE(db.createTable(badKey));
  TableDef tooLong(QStringLiteral("T"));
  tooLong.append({QStringLiteral("F"), FieldType::Text, 256});
  EXPECT_FALSE(db.createTable(tooLong));
  EXPECT_TRUE(db.createTable(sample(QString(64, QLatin1Char('X')))));
  EXPECT_TRUE(db.createTable(sample(QStringLiteral("x; DROP TABLE y"))));
  EXPECT_TRUE(db.hasTable(QStringLiteral("x; DROP TABLE y")));
}

TEST_F(DatabaseTest, SelectsWithBoundValuesAndCaseInsensitiveText) {
  Database db;
  ASSERT_TRUE(db.open(path()));
  ASSERT_TRUE(db.createTable(sample()));
  Recordset rs;
  ASSERT_TRUE(rs.openTable(db, QStringLiteral("Tests")));
  for (int i = 1; i <= 3; ++i) {
    ASSERT_TRUE(rs.addNew());
    ASSERT_TRUE(rs.setValue(u"NUM", i));
    ASSERT_TRUE(rs.setValue(u"NAME", i == 2 ? QStringLiteral("soil") : QStringLiteral("S' OR 1=1")));
    ASSERT_TRUE(rs.update());
  }
  const auto rows = db.select(QStringLiteral("SELECT * FROM \"Tests\" WHERE \"NAME\" = ? AND \"NUM\" > ?"),
                              {QStringLiteral("SOIL"), 0});
  ASSERT_TRUE(rows.has_value());
  ASSERT_EQ(rows->size(), 1);
  EXPECT_EQ(rows->first().value(QStringLiteral("NUM")).toInt(), 2);
  EXPECT_TRUE(rows->first().value(QStringLiteral("VALUE")).isNull());
  EXPECT_FALSE(db.select(QStringLiteral("SELECT * FROM nowhere")).has_value());
  EXPECT_FALSE(db.lastError().isEmpty());
}

TEST_F(DatabaseTest, NamedConnectionServesAQueryModel) {
  {
    Database writer;
    ASSERT_TRUE(writer.open(path()));
    ASSERT_TRUE(writer.createTable(sample()));
    ASSERT_TRUE(writer.exec(QStringLiteral("INSERT INTO \"Tests\" (\"NUM\") VALUES (?), (?)"), {5, 6}));
  }
  Database view;
  ASSERT_TRUE(view.open(path(), QStringLiteral("korvis-view-test")));
  EXPECT_EQ(view.connectionName(), QStringLiteral("korvis-view-test"));
  Database clash;
  EXPECT_FALSE(clash.open(path(), QStringLiteral("korvis-view-test")));
  EXPECT_TRUE(view.isOpen());

  auto query = view.exec(QStringLiteral("SELECT * FROM \"Tests\" WHERE \"NUM\" > ?"), {5});
  ASSERT_TRUE(query.has_value());
  QSqlQueryModel model;
  model.setQuery(std::move(*query));
  EXPECT_EQ(model.rowCount(), 1);
  EXPECT_EQ(model.record(0).value(QStringLiteral("NUM")).toInt(), 6);
}

TEST_F(DatabaseTest, TransactionsCommitOnCloseAndRollBackOnRequest) {
  Database db;
  ASSERT_TRUE(db.open(path()));
  ASSERT_TRUE(db.createTable(sample()));
  ASSERT_TRUE(db.beginTransaction());
  ASSERT_TRUE(db.exec(QStringLiteral("INSERT INTO \"Tests\" (\"NUM\") VALUES (1)")));
  ASSERT_TRUE(db.rollback());
  ASSERT_TRUE(db.beginTransaction());
  ASSERT_TRUE(db.exec(QStringLiteral("INSERT INTO \"Tests\" (\"NUM\") VALUES (2)")));
  db.close();
  ASSERT_TRUE(db.open(path()));
  const auto rows = db.select(QStringLiteral("SELECT \"NUM\" FROM \"Tests\""));
  ASSERT_TRUE(rows.has_value());
  ASSERT_EQ(rows->size(), 1);
  EXPECT_EQ(rows->first().value(0).toInt(), 2);
}

TEST_F(DatabaseTest, OpenFailsWithoutItsFolder) {
  Database db;
  EXPECT_FALSE(db.open(folder.path(QStringLiteral("missing/work.qvd"))));
  EXPECT_FALSE(db.isOpen());
  EXPECT_FALSE(db.createTable(sample()));
  EXPECT_TRUE(db.tableNames().isEmpty());
}

// Whether the commits are still in the log of an open connection or already
// in the file alone, a reader sees them all and cannot write.
TEST_F(DatabaseTest, AReaderSeesEveryCommitAndWritesNothing) {
  Database reader;
  EXPECT_FALSE(reader.openForReading(path()));
  EXPECT_FALSE(QFileInfo::exists(path()));
  Database writer;
  ASSERT_TRUE(writer.open(path()));
  ASSERT_TRUE(writer.createTable(sample()));
  ASSERT_TRUE(writer.exec(QStringLiteral("INSERT INTO \"Tests\" (\"NUM\") VALUES (1)")));
  for (const bool writerOpen : {true, false}) {
    SCOPED_TRACE(writerOpen);
    if (!writerOpen) writer.close();
    ASSERT_TRUE(reader.openForReading(path())) << reader.lastError().toStdString();
    const auto rows = reader.select(QStringLiteral("SELECT \"NUM\" FROM \"Tests\""));
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ(rows->size(), 1);
    EXPECT_FALSE(reader.exec(QStringLiteral("INSERT INTO \"Tests\" (\"NUM\") VALUES (2)")));
    reader.close();
  }
}

// A read of this process left open cannot end while the checkpoint waits for
// it; what is committed must reach the disk all the same.
TEST_F(DatabaseTest, SyncToDiskSucceedsWhileAReadIsOpen) {
  Database writer;
  ASSERT_TRUE(writer.open(path()));
  ASSERT_TRUE(writer.createTable(sample()));
  for (int num : {1, 2, 3}) ASSERT_TRUE(writer.exec(QStringLiteral("INSERT INTO \"Tests\" (\"NUM\") VALUES (?)"), {num}));
  Database reader;
  ASSERT_TRUE(reader.open(path()));
  auto reading = reader.exec(QStringLiteral("SELECT \"NUM\" FROM \"Tests\""));
  ASSERT_TRUE(reading && reading->next());
  ASSERT_TRUE(writer.exec(QStringLiteral("INSERT INTO \"Tests\" (\"NUM\") VALUES (4)")));
  EXPECT_TRUE(Database::syncToDisk(path()));
}

// Opened while the log was still empty, a reader must still see what another
// connection commits afterwards.
TEST_F(DatabaseTest, AReaderOpenedBesideAWriterSeesItsLaterCommits) {
  Database writer;
  ASSERT_TRUE(writer.open(path()));
  Database reader;
  ASSERT_TRUE(reader.openForReading(path())) << reader.lastError().toStdString();
  ASSERT_TRUE(writer.createTable(sample()));
  ASSERT_TRUE(writer.exec(QStringLiteral("INSERT INTO \"Tests\" (\"NUM\") VALUES (1)")));
  const auto rows = reader.select(QStringLiteral("SELECT \"NUM\" FROM \"Tests\""));
  ASSERT_TRUE(rows.has_value()) << reader.lastError().toStdString();
  EXPECT_EQ(rows->size(), 1);
}

}  // namespace
}  // namespace platform::db
