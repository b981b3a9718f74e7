#include <QDir>
#include <QFile>
#include <QStringList>
#include <QSysInfo>
#include <gtest/gtest.h>

#include <unistd.h>

#include "platform/core/LockFile.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolderLock.h"
#include "platform/db/DatabaseLockFile.h"
#include "support/TempProgramFolder.h"

namespace platform {
namespace {

using Holder = db::DatabaseLockFile::Holder;

QStringList& warnings() {
  static QStringList texts;
  return texts;
}

void keepWarning(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type != QtDebugMsg && type != QtInfoMsg) warnings().append(text);
}

// What each lock file's refusal says for every claim that did not succeed:
// each names the file it is about, and fills all its placeholders.
TEST(LockFileRefusalTest, EachOutcomeHasItsOwnTextNamingTheRightFile) {
  testsupport::TempProgramFolder folder;
  const QString programLock = QDir::toNativeSeparators(folder.path(ProgramFiles::ProgramLock));
  const QString database = QDir::toNativeSeparators(folder.path(ProgramFiles::Database));
  const QString databaseLock = QDir::toNativeSeparators(folder.path(ProgramFiles::DatabaseLock));
  struct Row {
    LockFileClaim claim;
    Holder holder;
    QString programLockText;  // empty: said by the start, not by the lock
    QString databaseLockText;
  };
  const QString full = QStringLiteral("the disk is full");
  const QString thisName = QSysInfo::machineHostName();
  const FileRemover otherAccount{FileRemover::OwningAccount, QStringLiteral("lab2")};
  const FileRemover readOnly{FileRemover::NoneWhileReadOnly, {}};
  // %1: the lock file; %2: the database.
  const Row rows[] = {
      {{LockFileClaim::HeldHere, {}, {}}, Holder::ThisProcess, {},
       "The working database \"%2\" is still open in this program. Try again once what uses it is done."},
      {{LockFileClaim::HeldHere, {}, {}}, Holder::LiveProcess, {},
       "The working database \"%2\" is in use by another running program of this computer. Close that program, "
       "then try again."},
      {{LockFileClaim::HeldOnOtherComputer, "lab-pc-7", {}}, Holder::OtherComputer, {},
       "The working database \"%2\" is in use by the program on the computer \"lab-pc-7\". If that program is no "
       "longer running, delete the file \"%1\" and try again."},
      {{LockFileClaim::HeldOnOtherComputer, thisName, {}}, Holder::OtherComputer, {},
       "The working database \"%2\" is in use by the program on another computer of the same name, \"" + thisName +
           "\". If that program is no longer running, delete the file \"%1\" and try again."},
      {{LockFileClaim::HeldOnOtherComputer, "lab-pc-7", {}, readOnly}, Holder::OtherComputer, {},
       "The working database \"%2\" is in use by the program on the computer \"lab-pc-7\". If that program is no "
       "longer running, the file \"%1\" must be deleted once its folder is writable again; then try again."},
      {{LockFileClaim::HeldOnOtherComputer, "lab-pc-7", {}, otherAccount}, Holder::OtherComputer, {},
       "The working database \"%2\" is in use by the program on the computer \"lab-pc-7\". If that program is no "
       "longer running, the account \"lab2\" or an administrator must delete the file \"%1\", then try again."},
      {{LockFileClaim::NotAFile, {}, {}}, Holder::InTheWay,
       "\"%1\" is in the place of the program's lock file but is no file. Move or delete it, then start the "
       "program again. Downloads and project opens are refused until then.",
       "\"%1\" is in the place of the working database's lock file but is no file. Move or delete it, then try "
       "again."},
      {{LockFileClaim::NotAFile, {}, {}, otherAccount}, Holder::InTheWay,
       "\"%1\" is in the place of the program's lock file but is no file, and this account may not move or delete "
       "it: the account \"lab2\" or an administrator must. Downloads and project opens are refused until then.",
       "\"%1\" is in the place of the working database's lock file but is no file, and this account may not move "
       "or delete it: the account \"lab2\" or an administrator must, then try again."},
      {{LockFileClaim::NotAFile, {}, {}, readOnly}, Holder::InTheWay,
       "\"%1\" is in the place of the program's lock file but is no file, and cannot be moved or deleted while its "
       "folder is read-only: make the folder writable, move or delete it, then start the program again. Downloads "
       "and project opens are refused until then.",
       "\"%1\" is in the place of the working database's lock file but is no file, and cannot be moved or deleted "
       "while its folder is read-only: make the folder writable, move or delete it, then try again."},
      {{LockFileClaim::Unreadable, {}, {}}, Holder::InTheWay,
       "The lock file \"%1\" cannot be read, so whether the program is running on this folder under another "
       "account cannot be told: if it is not, delete that file and start the program again. Downloads and project "
       "opens are refused until then.",
       "The lock file \"%1\" of the working database cannot be read: if no other program is using the working "
       "database, delete that file, then try again."},
      {{LockFileClaim::Unreadable, {}, {}, otherAccount}, Holder::InTheWay,
       "The lock file \"%1\" of the account \"lab2\" cannot be read, and this account may not delete it: if the "
       "program is not running under the account \"lab2\", that account or an administrator must delete it. "
       "Downloads and project opens are refused until then.",
       "The lock file \"%1\" of the working database, left by the account \"lab2\", could not be taken over, and "
       "this account may not delete it: if no other program is using the working database, the account \"lab2\" or "
       "an administrator must delete that file, then try again."},
      {{LockFileClaim::NotMade, {}, full}, Holder::InTheWay,
       "The lock file \"%1\" could not be made: the disk is full. Downloads and project opens are refused until it "
       "can be made.",
       "The lock file \"%1\" of the working database could not be made: the disk is full. Make its folder "
       "writable and give its disk room, then try again."},
      {{LockFileClaim::NotTakenOver, {}, "Permission denied"}, Holder::InTheWay,
       "The lock file \"%1\" left by an earlier run of the program could not be taken over: Permission denied. "
       "Downloads and project opens are refused until it can be.",
       "The lock file \"%1\" of the working database, which no running program holds, could not be taken over: "
       "Permission denied. Delete that file, then try again."},
      {{LockFileClaim::NotTakenOver, {}, "Permission denied", otherAccount}, Holder::InTheWay,
       "The lock file \"%1\" of the account \"lab2\" could not be taken over, and this account may not delete it: "
       "if no other start of the program is under way, the account \"lab2\" or an administrator must delete it. "
       "Downloads and project opens are refused until then.",
       "The lock file \"%1\" of the working database, left by the account \"lab2\", could not be taken over, and "
       "this account may not delete it: if no other program is using the working database, the account \"lab2\" or "
       "an administrator must delete that file, then try again."},
      {{LockFileClaim::Unreadable, {}, {}, readOnly}, Holder::InTheWay,
       "The lock file \"%1\" could not be taken over, and cannot be deleted while its folder is read-only: make the "
       "folder writable, then start the program again. Downloads and project opens are refused until then.",
       "The lock file \"%1\" of the working database could not be taken over, and cannot be deleted while its "
       "folder is read-only: make the folder writable, then try again."},
      {{LockFileClaim::NotLocked, {}, "No locks available"}, Holder::InTheWay,
       "The lock file \"%1\" could not be locked: No locks available. Downloads and project opens are refused "
       "until it can be.",
       "The lock file \"%1\" of the working database could not be locked: No locks available."},
  };
  warnings().clear();
  const QtMessageHandler before = qInstallMessageHandler(keepWarning);
  const ProgramFolderLock programFolder;
  for (const Row& row : rows) {
    if (!row.programLockText.isEmpty())
      EXPECT_EQ(programFolder.problemOf(row.claim), row.programLockText.arg(programLock));
    const QString expected = QString(row.databaseLockText).replace("%1", databaseLock).replace("%2", database);
    EXPECT_EQ(db::DatabaseLockFile::refusal({row.holder, row.claim}, folder.path(ProgramFiles::Database)), expected)
        << row.claim.outcome;
  }
  qInstallMessageHandler(before);
  EXPECT_TRUE(warnings().isEmpty()) << warnings().join(QLatin1Char('\n')).toStdString();
}

// Where Open once told the user to delete the working database itself, and
// where it once wrote its lock text through a link (one that names nothing
// made a file where it points).
TEST(LockFileRefusalTest, AFolderOrALinkInTheDatabaseLockFilesPlaceIsNamed) {
  testsupport::TempProgramFolder folder;
  const QString lock = folder.path(ProgramFiles::DatabaseLock);
  const QString pointedAt = folder.path(QStringLiteral("info/users.txt"));
  for (const bool link : {false, true}) {
    if (link)
      ASSERT_EQ(::symlink(QFile::encodeName(pointedAt).constData(), QFile::encodeName(lock).constData()), 0);
    else
      ASSERT_TRUE(QDir().mkdir(lock));
    EXPECT_EQ(db::DatabaseLockFile::inUse(folder.path(ProgramFiles::Database)),
              QStringLiteral("\"%1\" is in the place of the working database's lock file but is no file. Move or "
                             "delete it, then try again.")
                  .arg(QDir::toNativeSeparators(lock)));
    EXPECT_FALSE(QFile::exists(pointedAt));
    ASSERT_TRUE(link ? QFile::remove(lock) : QDir().rmdir(lock));
  }
}

}  // namespace
}  // namespace platform
