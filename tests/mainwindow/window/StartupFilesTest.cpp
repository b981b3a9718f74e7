#include "mainwindow/window/StartupFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>

#include "instrument/DBTablesFile.h"
#include "instrument/WorkingDatabaseBackup.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/ProgramFolderLock.h"
#include "platform/db/Database.h"
#include "platform/ui/ScriptedDialogs.h"
#include "report/builder/CompanyInfo.h"
#include "report/page/header/InfoFile.h"
#include "support/FullDisk.h"
#include "support/TempProgramFolder.h"

namespace mainwindow {
namespace {

const char* const SecondStartVariable = "KORVIS_TEST_SECOND_START";

// The start of a second program on the same folder, as the program starts:
// the folder is claimed, and only then are unfinished replacements undone.
// Run in a process of its own by the test below; on its own it does nothing.
TEST(StartupFilesSecondStart, StartsAsTheProgramDoes) {
  if (!qEnvironmentVariableIsSet(SecondStartVariable)) return;
  platform::ui::ScriptedDialogs dialogs;
  platform::ui::ScopedDialogSeam seam{dialogs};
  platform::ProgramFolderLock lock;
  const bool started = claimProgramFolder(lock);
  const bool recovered = started && instrument::WorkingDatabaseBackup::recoverInterrupted().outcome ==
                                        instrument::WorkingDatabaseBackup::Recovery::PutBack;
  std::printf("%s %s\n", started ? "started" : "refused", recovered ? "recovered" : "untouched");
  for (const QString& text : dialogs.messageTexts()) std::printf("%s\n", qPrintable(text));
}

class StartupFilesTest : public ::testing::Test {
 protected:
  QString path(const QString& relative) const { return folder.path(relative); }

  void makeDatabase(const QString& table) const {
    ASSERT_TRUE(platform::db::Database::removeFile(path(platform::ProgramFiles::Database)));
    platform::db::Database db;
    ASSERT_TRUE(db.open(path(platform::ProgramFiles::Database)));
    ASSERT_TRUE(db.exec(QStringLiteral("CREATE TABLE \"%1\" (A INTEGER)").arg(table)).has_value());
  }
  QStringList tables() const {
    platform::db::Database db;
    return db.open(path(platform::ProgramFiles::Database)) ? db.tableNames() : QStringList{"<cannot open>"};
  }

  // What the second start printed: how it went, then its messages.
  QStringList secondStart() const {
    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(SecondStartVariable), QStringLiteral("1"));
    environment.insert(QStringLiteral("QUORVANE_HOME"), folder.root());
    second.setProcessEnvironment(environment);
    second.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--gtest_filter=StartupFilesSecondStart.*")});
    if (!second.waitForFinished() || second.exitCode() != 0) return {QStringLiteral("<failed>")};
    QStringList lines;
    for (const QByteArray& line : second.readAllStandardOutput().split('\n'))
      if (!line.startsWith('[') && !line.startsWith("Note:") && !line.trimmed().isEmpty())
        lines << QString::fromLocal8Bit(line);
    return lines;
  }

  static void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(content), content.size());
  }
  // The lock file a killed program of this computer leaves: its process is gone.
  static QByteArray lockOfEndedProgram() {
    QProcess ended;
    ended.start(QStringLiteral("true"));
    ended.waitForFinished();
    return QByteArray::number(ended.processId()) + "\nquorvane\n" + QSysInfo::machineHostName().toUtf8() + "\n";
  }

  testsupport::TempProgramFolder folder;
  platform::ui::ScriptedDialogs dialogs;
  platform::ui::ScopedDialogSeam seam{dialogs};
};

TEST_F(StartupFilesTest, ASecondStartDuringAnOpenIsRefusedAndLeavesTheOpenAlone) {
  makeDatabase(QStringLiteral("OLD1"));
  platform::ProgramFolderLock first;
  ASSERT_TRUE(claimProgramFolder(first));
  EXPECT_TRUE(dialogs.messages.isEmpty());
  // The first program is opening a project: the old data are aside, the new
  // ones half built (and, between two writes, not held open).
  auto open = std::make_unique<instrument::WorkingDatabaseBackup>();
  ASSERT_TRUE(open->take());
  makeDatabase(QStringLiteral("NEW1"));

  const QStringList refused = secondStart();
  ASSERT_EQ(refused.size(), 2) << refused.join('|').toStdString();
  EXPECT_EQ(refused[0], QStringLiteral("refused untouched"));
  EXPECT_TRUE(refused[1].startsWith(QStringLiteral("The program is already running on the folder")));
  EXPECT_TRUE(QFile::exists(path(platform::ProgramFiles::ReplacementMark)));
  EXPECT_EQ(tables(), QStringList{QStringLiteral("NEW1")});

  // The open completes, the first program ends: the next start goes ahead
  // and finds nothing to undo.
  open->discard();
  first.release();
  EXPECT_EQ(secondStart(), QStringList{QStringLiteral("started untouched")});
  EXPECT_EQ(tables(), QStringList{QStringLiteral("NEW1")});
}

TEST_F(StartupFilesTest, ANewEmptyProgramFolderGetsItsFoldersAndAnUnmakeableOneIsNamed) {
  const QString fresh = path(QStringLiteral("new/home"));
  platform::ProgramFolder::setRoot(fresh);
  platform::ProgramFolderLock lock;
  EXPECT_TRUE(claimProgramFolder(lock));
  for (const char* name : {"info", "images", "help"})
    EXPECT_TRUE(QFileInfo(fresh + QLatin1Char('/') + QLatin1String(name)).isDir()) << name;
  EXPECT_TRUE(dialogs.messages.isEmpty());

  // A file where the images folder should be.
  lock.release();
  ASSERT_TRUE(QDir(fresh).removeRecursively() && QDir().mkpath(fresh));
  QFile inTheWay(fresh + QStringLiteral("/images"));
  ASSERT_TRUE(inTheWay.open(QIODevice::WriteOnly));
  EXPECT_TRUE(claimProgramFolder(lock));
  EXPECT_EQ(dialogs.messageTexts(),
            QStringList{QStringLiteral("The folder \"%1/images\" could not be made: Not a directory.").arg(fresh)});
  platform::ProgramFolder::setRoot(folder.root());
}

// A lock of a computer cloned from the same image as this one: another
// computer of the same name, not this computer by its name.
TEST_F(StartupFilesTest, AComputerOfThisOnesNameIsToldAsAnother) {
  const QByteArray host = QSysInfo::machineHostName().toUtf8();
  writeFile(path(platform::ProgramFiles::ProgramLock),
            "4242\nquorvane\n" + host + "\n0123456789abcdef0123456789abcdef\n");
  platform::ProgramFolderLock lock;
  EXPECT_FALSE(claimProgramFolder(lock));
  EXPECT_EQ(dialogs.messageTexts(),
            QStringList{QStringLiteral("The program on another computer of the same name, \"%1\", is using the folder "
                                       "\"%2\". If that program is no longer running, delete the file \"%3\" and "
                                       "start the program again.")
                            .arg(QString::fromUtf8(host), QDir::toNativeSeparators(folder.root()),
                                 path(platform::ProgramFiles::ProgramLock))});
}

// Each settings file the start's readers refused is named, with why, in start
// order: the company information and the table list as their loads found
// them, the COM port map asked of its reader. A list refused as not fitting
// its model is told by its load already.
TEST_F(StartupFilesTest, EverySettingsFileRefusedAtStartIsNamedWithWhyInStartOrder) {
  namespace files = platform::ProgramFiles;
  writeFile(path(files::CompanyInfo), QByteArray(platform::SettingsFileLimit + 1, '\n'));
  for (const QString& pipe : {files::TableList, files::ComPortMap})
    ASSERT_EQ(::mkfifo(QFile::encodeName(path(pipe)).constData(), 0600), 0);
  report::CompanyInfo info;
  QString title;
  report::Info_File(report::InfoFileLoad, info, title);
  qint32 model = 0;
  const QStringList told = refusedStartupFiles(info.fileRefusal, instrument::readTableList(model).refusal);
  ASSERT_EQ(told.size(), 3) << told.join('\n').toStdString();
  EXPECT_TRUE(told[0].contains(path(files::CompanyInfo) + QStringLiteral(" is larger than 1 MB")));
  EXPECT_TRUE(told[1].contains(path(files::TableList) + QStringLiteral(" is no regular file")));
  EXPECT_TRUE(told[2].contains(path(files::ComPortMap) + QStringLiteral(" is no regular file")));

  for (const QString& file : {files::CompanyInfo, files::TableList, files::ComPortMap}) QFile::remove(path(file));
  EXPECT_TRUE(refusedStartupFiles({}, {}).isEmpty());
}

// The start's housekeeping removes a stale table list or an empty working
// database, and only as regular files: a pipe in either place stays, for the
// read that names it, rather than going without a word.
TEST_F(StartupFilesTest, APipeAsAWorkingFileIsNotRemovedByTheHousekeeping) {
  namespace files = platform::ProgramFiles;
  for (const QString& pipe : {files::TableList, files::Database}) {
    SCOPED_TRACE(pipe.toStdString());
    ASSERT_EQ(::mkfifo(QFile::encodeName(path(pipe)).constData(), 0600), 0);
    EXPECT_FALSE(removeStaleTableList());
    EXPECT_FALSE(resetEmptyDatabase({}).done);
    EXPECT_TRUE(QFileInfo(path(pipe)).exists());
    ASSERT_TRUE(QFile::remove(path(pipe)));
  }
}

TEST_F(StartupFilesTest, ALockFileOfAnotherComputerRefusesTheStartAndNamesThatComputer) {
  const QString lockFile = path(platform::ProgramFiles::ProgramLock);
  writeFile(lockFile, "4242\nquorvane\nlab-pc-7\n");
  platform::ProgramFolderLock lock;
  EXPECT_FALSE(claimProgramFolder(lock));
  EXPECT_EQ(dialogs.messageTexts(),
            QStringList{QStringLiteral("The program on the computer \"lab-pc-7\" is using the folder \"%1\". If that "
                                       "program is no longer running, delete the file \"%2\" and start the program "
                                       "again.")
                            .arg(folder.root(), lockFile)});
}

// Kills during settings saves left the writer's temporary files; a user's
// copies beside the program's files, names without the writer's mark (those
// of writers before it too) or beside files the program does not write are
// not its.
TEST_F(StartupFilesTest, TheWritersLeftoversBesideTheProgramsFilesGoAndNothingElse) {
  const QStringList leftovers{"info/StiffnessCons.qvt.quorvane-write-YMINFY",
                              "info/LayoutS.qvt.quorvane-write-wiBKej"};
  const QStringList others{"info/Info.qvt.backup",
                           "info/DBTbles.qvt.before",
                           "info/StiffnessCons.qvt.bak",
                           "info/LayoutS.qvt.abc123",
                           "info/Notes.txt.quorvane-write-abcdef",
                           "info/LayoutS.qvt.quorvane-write-ABCDEFG",
                           "info/KORVIS.qvd.replacing"};
  for (const QString& name : leftovers + others) writeFile(path(name), "x");
  platform::ProgramFolderLock lock;
  removeWriterLeftovers(lock);
  EXPECT_TRUE(QFile::exists(path(leftovers[0])));
  ASSERT_EQ(lock.take(), platform::ProgramFolderLock::Claim::Taken);
  removeWriterLeftovers(lock);
  for (const QString& name : leftovers) EXPECT_FALSE(QFile::exists(path(name))) << name.toStdString();
  for (const QString& name : others) EXPECT_TRUE(QFile::exists(path(name))) << name.toStdString();
}

class StartupOnAFullDisk : public StartupFilesTest {
 protected:
  void SetUp() override {
    if (!disk.mounted()) GTEST_SKIP() << "a full disk needs the rights to mount one";
    platform::ProgramFolder::setRoot(disk.path(QStringLiteral("home")));
    ASSERT_TRUE(platform::ProgramFolder::makeFolders());
  }
  void TearDown() override { platform::ProgramFolder::setRoot(folder.root()); }
  QString lockFile() const { return disk.path(QStringLiteral("home/info/Program.lck")); }

  testsupport::FullDisk disk{testsupport::FullDisk::Start::Empty};
};

// Its file is rewritten in place: taking it over needs no new room.
TEST_F(StartupOnAFullDisk, TheLockOfAKilledProgramIsTakenOverOnAFullDisk) {
  writeFile(lockFile(), lockOfEndedProgram());
  disk.fill();
  platform::ProgramFolderLock lock;
  EXPECT_TRUE(claimProgramFolder(lock));
  EXPECT_TRUE(lock.held());
  EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

// Out of bytes, then with bytes but out of inodes: no room either way.
TEST_F(StartupOnAFullDisk, ALockFileThatCannotBeMadeSaysTheDiskIsFull) {
  const QStringList diskFull{QStringLiteral("The lock file \"%1\" could not be made: the disk is full. Downloads "
                                            "and project opens are refused until it can be made.")
                                 .arg(lockFile())};
  for (const bool outOfInodes : {false, true}) {
    dialogs.messages.clear();
    outOfInodes ? disk.useUpInodes() : disk.fill();
    platform::ProgramFolderLock lock;
    EXPECT_TRUE(claimProgramFolder(lock));
    EXPECT_EQ(dialogs.messageTexts(), diskFull) << outOfInodes;
    QFile::remove(disk.path(QStringLiteral("filler")));
  }
}

}  // namespace
}  // namespace mainwindow
