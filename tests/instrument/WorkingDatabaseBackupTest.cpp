#include "instrument/WorkingDatabaseBackup.h"

#include <QFile>
#include <QSysInfo>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <new>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "instrument/writeout.h"
#include "platform/core/ProgramFiles.h"
#include "platform/db/Database.h"
#include "support/PipeWaitGuard.h"
#include "support/TempProgramFolder.h"

namespace instrument {
namespace {

using platform::ProgramFiles::Database;
using platform::ProgramFiles::DatabaseBackup;
using platform::ProgramFiles::TableList;
using platform::ProgramFiles::TableListBackup;
using platform::ProgramFiles::ReplacementMark;
using Recovery = WorkingDatabaseBackup::Recovery;

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

// A load-frame project file of many readings, long enough to be killed in.
QByteArray longProjectFile() {
  QByteArray text = " 0 \r\nCBR/LBR TEST\r\n\r\nRD #, TIME, (A), (B), (C), (D)\r\n";
  for (int i = 1; i <= 20000; ++i) text += QByteArray::number(i) + ", 00:00:01, 1.5, 2.5, 3.5, 4.5\r\n";
  return text + "END\r\n\r\n";
}

// The program is killed in the middle of opening a project file; the next
// start finds the mark and puts the previous data back, and says so once.
TEST_F(WorkingDatabaseBackupTest, AKillDuringAnOpenLeavesAMarkThatTheNextStartUndoes) {
  makeDatabase(QStringLiteral("OLD1"));
  write(TableList, "0\r\n\"OLD1 \"\r\n");
  write(QStringLiteral("project.txt"), longProjectFile());

  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    WorkingDatabaseBackup backup;
    if (!backup.take()) _exit(1);
    writeout reader;
    int progress = 0;
    QObject::connect(&reader, &writeout::replayProgress, [&](qint64 done, qint64) {
      // Well into the file, with rows of the new data committed.
      if (done > 0 && ++progress == 3) ::raise(SIGKILL);
    });
    reader.Get_tables(path(QStringLiteral("project.txt")), QStringLiteral("OLD1 "));
    _exit(2);  // finished before the kill: the test cannot tell anything
  }
  int childStatus = 0;
  ASSERT_EQ(waitpid(child, &childStatus, 0), child);
  ASSERT_TRUE(WIFSIGNALED(childStatus)) << "the open ended before the kill: " << WEXITSTATUS(childStatus);
  ASSERT_TRUE(QFile::exists(path(ReplacementMark)));
  EXPECT_NE(tables(), QStringList{QStringLiteral("OLD1")});

  EXPECT_EQ(WorkingDatabaseBackup::recoverInterrupted().outcome, Recovery::PutBack);
  EXPECT_EQ(tables(), QStringList{QStringLiteral("OLD1")});
  EXPECT_EQ(read(TableList), QByteArray("0\r\n\"OLD1 \"\r\n"));
  EXPECT_FALSE(QFile::exists(path(ReplacementMark)));
  EXPECT_FALSE(QFile::exists(path(DatabaseBackup)));
  EXPECT_EQ(WorkingDatabaseBackup::recoverInterrupted().outcome, Recovery::NothingToUndo);
}

// The mark of a replacement still under way in a live process (which holds
// the database) is no unfinished one: a start then puts nothing back.
TEST_F(WorkingDatabaseBackupTest, AReplacementOfALiveProcessIsNotUndoneAtStart) {
  makeDatabase(QStringLiteral("OLD1"));
  WorkingDatabaseBackup backup;
  ASSERT_TRUE(backup.take());
  ASSERT_TRUE(platform::db::Database::removeFile(path(Database)));
  auto building = std::make_unique<platform::db::Database>();
  ASSERT_TRUE(building->open(path(Database)));
  ASSERT_TRUE(building->exec(QStringLiteral("CREATE TABLE \"NEW1\" (A INTEGER)")).has_value());

  EXPECT_EQ(WorkingDatabaseBackup::recoverInterrupted().outcome, Recovery::NothingToUndo);
  EXPECT_TRUE(building->isOpen());
  EXPECT_TRUE(QFile::exists(path(ReplacementMark)));
  // Its copies are the only previous data: another replacement says so.
  WorkingDatabaseBackup another;
  EXPECT_FALSE(another.take());
  EXPECT_TRUE(another.refusal().startsWith(QStringLiteral("An earlier download or project open did not finish")));
  building.reset();
  EXPECT_EQ(tables(), QStringList{QStringLiteral("NEW1")});
}

// Another process holds the database lock (here made, not yet written): its
// replacement may be under way, so a start neither undoes nor shows it.
TEST_F(WorkingDatabaseBackupTest, AReplacementBehindAnotherProcesssLockIsNotPutBack) {
  makeDatabase(QStringLiteral("OLD1"));
  WorkingDatabaseBackup backup;
  ASSERT_TRUE(backup.take());
  QFile otherProcess(path(platform::ProgramFiles::DatabaseLock));
  ASSERT_TRUE(otherProcess.open(QIODevice::WriteOnly));
  ASSERT_EQ(::flock(otherProcess.handle(), LOCK_EX | LOCK_NB), 0);
  const Recovery recovery = WorkingDatabaseBackup::recoverInterrupted();
  EXPECT_EQ(recovery.outcome, Recovery::NotPutBack);
  EXPECT_TRUE(recovery.reason.contains(QStringLiteral("KORVIS.ldb\" is held by another running program")))
      << recovery.reason.toStdString();
  EXPECT_TRUE(QFile::exists(path(ReplacementMark)) && QFile::exists(otherProcess.fileName()));
}

// A lock file of this computer's name but another machine id is another
// computer's of the same name: not this one, whose name the user knows.
TEST_F(WorkingDatabaseBackupTest, AReplacementBehindALockOfAComputerOfThisNameNamesAnotherComputer) {
  makeDatabase(QStringLiteral("OLD1"));
  WorkingDatabaseBackup backup;
  ASSERT_TRUE(backup.take());
  write(platform::ProgramFiles::DatabaseLock,
        "4242\nquorvane\n" + QSysInfo::machineHostName().toUtf8() + "\n0123456789abcdef0123456789abcdef\n");
  const Recovery recovery = WorkingDatabaseBackup::recoverInterrupted();
  EXPECT_EQ(recovery.outcome, Recovery::NotPutBack);
  EXPECT_TRUE(recovery.reason.contains(
      QStringLiteral("another computer of the same name, \"%1\"").arg(QSysInfo::machineHostName())))
      << recovery.reason.toStdString();
  EXPECT_TRUE(recovery.remedy.startsWith(QStringLiteral("If that program is no longer running, delete the file")))
      << recovery.remedy.toStdString();
}

// A pipe in the mark's place would hold the start, with the folder's claim,
// until a writer came.
TEST_F(WorkingDatabaseBackupTest, APipeInTheMarksPlaceIsNamedAndNeverWaitedOn) {
  makeDatabase(QStringLiteral("OLD1"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(path(ReplacementMark)).constData(), 0600), 0);
  testsupport::PipeWaitGuard guard(path(ReplacementMark));
  const Recovery found = WorkingDatabaseBackup::recoverInterrupted();
  ASSERT_FALSE(guard.waited()) << "the start waited on the pipe";
  EXPECT_EQ(found.outcome, Recovery::NotPutBack);
  EXPECT_TRUE(found.reason.contains(QStringLiteral("KORVIS.qvd.replacing is no regular file"))) << found.reason.toStdString();
  EXPECT_EQ(tables(), QStringList{QStringLiteral("OLD1")});
  WorkingDatabaseBackup backup;
  EXPECT_FALSE(backup.take());
  EXPECT_TRUE(backup.refusal().contains(QStringLiteral("KORVIS.qvd.replacing is no regular file")));
}

// A pipe in the working database's or the table list's place would hold a
// download or an open, with the folder's claim, at the copy taken first.
TEST_F(WorkingDatabaseBackupTest, APipeAsAWorkingFileIsRefusedByNameAndNeverWaitedOn) {
  for (const QString& file : {Database, TableList}) {
    SCOPED_TRACE(file.toStdString());
    QFile::remove(path(Database));
    QFile::remove(path(TableList));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path(file)).constData(), 0600), 0);
    testsupport::PipeWaitGuard guard(path(file), std::chrono::seconds(2));
    WorkingDatabaseBackup backup;
    const bool taken = backup.take();
    ASSERT_FALSE(guard.waited()) << "the copy waited on the pipe";
    EXPECT_FALSE(taken);
    EXPECT_TRUE(backup.refusal().contains(file.section(QLatin1Char('/'), -1) + QStringLiteral(" is no regular file")))
        << backup.refusal().toStdString();
    EXPECT_FALSE(QFile::exists(path(ReplacementMark)));
  }
}

TEST_F(WorkingDatabaseBackupTest, OnlyAnUnfinishedReplacementIsUndoneAtStart) {
  makeDatabase(QStringLiteral("OLD1"));
  write(TableList, "old");
  {
    WorkingDatabaseBackup backup;
    ASSERT_TRUE(backup.take());
    EXPECT_TRUE(QFile::exists(path(ReplacementMark)));
    write(TableList, "new");
    backup.discard();
  }
  EXPECT_EQ(WorkingDatabaseBackup::recoverInterrupted().outcome, Recovery::NothingToUndo);
  EXPECT_EQ(read(TableList), QByteArray("new"));
  {
    WorkingDatabaseBackup backup;
    ASSERT_TRUE(backup.take());
    write(TableList, "newer");
    EXPECT_TRUE(backup.restore());
  }
  EXPECT_FALSE(QFile::exists(path(ReplacementMark)));
  EXPECT_EQ(WorkingDatabaseBackup::recoverInterrupted().outcome, Recovery::NothingToUndo);
  EXPECT_EQ(read(TableList), QByteArray("new"));
}

// A restore cut off after the database was moved back and before the list
// was finishes at the next start without losing the database.
TEST_F(WorkingDatabaseBackupTest, ARestoreCutOffHalfWayIsFinishedAtStart) {
  makeDatabase(QStringLiteral("OLD1"));
  write(TableList, "old");
  // A crash runs no destructor: the backup is made where it is never destroyed
  // (and, being no heap block, is no leak either).
  alignas(WorkingDatabaseBackup) static unsigned char crashed[sizeof(WorkingDatabaseBackup)];
  auto* leaked = new (crashed) WorkingDatabaseBackup;
  ASSERT_TRUE(leaked->take());
  ASSERT_TRUE(platform::db::Database::removeFile(path(Database)));
  makeDatabase(QStringLiteral("NEW1"));
  write(TableList, "new");
  // The half of a restore that was done: the database copy renamed back.
  ASSERT_TRUE(platform::db::Database::removeFile(path(Database)));
  ASSERT_TRUE(QFile::rename(path(DatabaseBackup), path(Database)));

  EXPECT_EQ(WorkingDatabaseBackup::recoverInterrupted().outcome, Recovery::PutBack);
  EXPECT_EQ(tables(), QStringList{QStringLiteral("OLD1")});
  EXPECT_EQ(read(TableList), QByteArray("old"));
  EXPECT_FALSE(QFile::exists(path(ReplacementMark)));
}

}  // namespace
}  // namespace instrument
