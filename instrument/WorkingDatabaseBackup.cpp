#include "instrument/WorkingDatabaseBackup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

#include "platform/core/DiskSync.h"
#include "platform/core/LockFileText.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/RegularFile.h"
#include "platform/core/StaleLockAdvice.h"
#include "platform/core/WholeFile.h"
#include "platform/db/Database.h"
#include "platform/db/DatabaseLockFile.h"

namespace instrument {
namespace {

using platform::ProgramFiles::Database;
using platform::ProgramFiles::DatabaseBackup;
using platform::ProgramFiles::DatabaseLock;
using platform::ProgramFiles::ReplacementMark;
using platform::ProgramFiles::TableList;
using platform::ProgramFiles::TableListBackup;

// Why an unfinished replacement could not be undone at start, and what to do.
const QString FilesNotReplaced = QStringLiteral("the files beside \"%1\" could not be renamed or removed");
const QString MakeWritable = QStringLiteral(
    "Make the program folder writable and give its disk room, then start the program again to put the data back.");
// %1: the lock file; %2: the computer it names.
const QString LockOfOtherComputer =
    QStringLiteral("the lock file \"%1\" says the program on the computer \"%2\" is using the working database");
const QString LockOfComputerOfSameName = QStringLiteral(
    "the lock file \"%1\" says the program on another computer of the same name, \"%2\", is using the working "
    "database");
// What follows the deletion of a lock file whose program no longer runs.
const QString StartAgainToPutBack = QStringLiteral("start the program again to put the data back");
// %1: the lock file.
const QString LockHeldHere =
    QStringLiteral("its lock file \"%1\" is held by another running program of this computer");
const QString CloseOtherProgram =
    QStringLiteral("Close that program, then start the program again to put the data back.");
const QString LockInTheWay =
    QStringLiteral("its lock file \"%1\" is no file, or cannot be read, made or written");
const QString FreeLockFile = QStringLiteral(
    "If no other program is using the working database, move or delete the file \"%1\"; make the program folder "
    "writable and give its disk room; then start the program again to put the data back.");
// The mark is "1 0" and a line end; anything much longer is not one.
constexpr qint64 MarkLimit = 64;
// %1: the mark; %2: the system's reason.
const QString MarkUnreadable = QStringLiteral("its mark \"%1\" could not be read (%2)");
const QString RemoveMark = QStringLiteral(
    "Move or delete the file \"%1\", then start the program again; the working files are then shown as they "
    "are.");
// %1: what noRegularFileText says of the mark's place.
const QString MarkInTheWay =
    QStringLiteral("%1, where the program marks a replacement under way, so nothing was replaced.");
// %1: what noRegularFileText says of the working file.
const QString WorkingFileInTheWay = QStringLiteral("%1, so nothing was replaced.");
const QString EarlierNotUndone = QStringLiteral(
    "An earlier download or project open did not finish, and the data from before it are not back yet, so nothing "
    "was replaced. Start the program again to put them back.");

QString pathOf(const QString& relative) { return platform::ProgramFolder::path(relative); }
QString nativePathOf(const QString& relative) { return QDir::toNativeSeparators(pathOf(relative)); }

// A working file that is there but no regular file (a link to one counts
// as one): its copy would wait on a pipe, or never end on a device.
std::optional<QString> notRegularWorkingFile() {
  for (const QString& file : {Database, TableList})
    if (QFileInfo::exists(pathOf(file)) && !QFileInfo(pathOf(file)).isFile()) return pathOf(file);
  return std::nullopt;
}

bool syncInfoFolder() { return platform::syncPath(QFileInfo(pathOf(Database)).absolutePath()); }

// Copies file to copy when file exists, on the disk before it returns; a
// stale copy goes first.
bool keep(const QString& file, const QString& copy, bool& existed) {
  QFile::remove(copy);
  existed = QFile::exists(file);
  return !existed || (QFile::copy(file, copy) && platform::syncFileAndFolder(copy));
}

// The mark holds which of the two files existed before: "1 0" and the like.
struct Mark {
  bool hadDatabase = false;
  bool hadTableList = false;
};

// What the start found in the mark's place: nothing, a mark, or a file it
// refused to read (why, naming it).
struct MarkRead {
  std::optional<Mark> mark;
  QString refusal;
};

MarkRead readMark() {
  const platform::RegularFile file = platform::readRegularFile(pathOf(ReplacementMark), MarkLimit);
  switch (file.outcome) {
    case platform::RegularFile::Missing: return {};
    case platform::RegularFile::NotRegular: return {std::nullopt, platform::noRegularFileText(pathOf(ReplacementMark))};
    case platform::RegularFile::Unreadable:
      return {std::nullopt, MarkUnreadable.arg(nativePathOf(ReplacementMark), file.error)};
    // Longer than any mark: garbled, as one cut short is.
    case platform::RegularFile::TooLarge: return {Mark{true, true}, {}};
    case platform::RegularFile::Read: break;
  }
  const QByteArray text = file.bytes.trimmed();
  // A mark cut short by the crash itself: assume both were there, so that no
  // kept copy is thrown away.
  if (text.size() != 3) return {Mark{true, true}, {}};
  return {Mark{text[0] == '1', text[2] == '1'}, {}};
}

// Another computer's lock file (or one of another computer of this one's
// name) keeps the data from being put back: which, and who may delete it.
WorkingDatabaseBackup::Recovery behindOtherComputersLock(const platform::LockFileClaim& claim) {
  const QString lock = nativePathOf(DatabaseLock);
  const QString& holder =
      platform::isThisComputersName(claim.computer) ? LockOfComputerOfSameName : LockOfOtherComputer;
  const QString remedy = platform::ifNoLongerRunning(lock, claim.remover, StartAgainToPutBack);
  return {WorkingDatabaseBackup::Recovery::NotPutBack, holder.arg(lock, claim.computer), remedy};
}

}  // namespace

WorkingDatabaseBackup::~WorkingDatabaseBackup() { discard(); }

bool WorkingDatabaseBackup::writeMark(bool hadDatabase, bool hadTableList) {
  const QByteArray text = QByteArray(hadDatabase ? "1" : "0") + ' ' + (hadTableList ? "1" : "0") + "\r\n";
  return platform::writeWholeFile(pathOf(ReplacementMark), text) && syncInfoFolder();
}

bool WorkingDatabaseBackup::take() {
  discard();
  refusal_.clear();
  // The copies of a replacement not yet undone are the only previous data:
  // new ones must not take their place.
  if (QFile::exists(pathOf(ReplacementMark))) {
    const bool isMark = QFileInfo(pathOf(ReplacementMark)).isFile();
    refusal_ = isMark ? EarlierNotUndone : MarkInTheWay.arg(platform::noRegularFileText(pathOf(ReplacementMark)));
    return false;
  }
  if (const std::optional<QString> file = notRegularWorkingFile()) {
    refusal_ = WorkingFileInTheWay.arg(platform::noRegularFileText(*file));
    return false;
  }
  // A copy of an open database could miss what its journal still holds.
  platform::db::Database::closeAllConnections(pathOf(Database));
  taken_ = keep(pathOf(Database), pathOf(DatabaseBackup), hadDatabase_) &&
           keep(pathOf(TableList), pathOf(TableListBackup), hadTableList_) && syncInfoFolder() &&
           writeMark(hadDatabase_, hadTableList_);
  if (!taken_) {
    taken_ = true;
    discard();
  }
  return taken_;
}

bool WorkingDatabaseBackup::restore() {
  if (!taken_) return false;
  const bool databaseBack = restoreFile(pathOf(Database), pathOf(DatabaseBackup), hadDatabase_);
  const bool listBack = restoreFile(pathOf(TableList), pathOf(TableListBackup), hadTableList_);
  // Until both are back on the disk the mark stays, so that a crash in
  // between finishes the restore at the next start.
  // The copies are moved back (or never were); one not moved stays with the
  // mark for the next start to try again.
  if (databaseBack && listBack && syncInfoFolder()) QFile::remove(pathOf(ReplacementMark));
  taken_ = false;
  return databaseBack && listBack;
}

// A copy already gone was renamed back by an earlier, interrupted restore.
bool WorkingDatabaseBackup::restoreFile(const QString& file, const QString& copy, bool existed) const {
  if (existed && !QFile::exists(copy)) return QFile::exists(file);
  // The half-built file goes with every connection to it and its journal.
  if (QFile::exists(file) && !platform::db::Database::removeFile(file) && QFile::exists(file)) return false;
  if (!existed) return true;
  return QFile::rename(copy, file);
}

void WorkingDatabaseBackup::discard() {
  if (taken_) {
    // The mark goes first: copies without a mark are only left-overs.
    if (!QFile::exists(pathOf(ReplacementMark)) || QFile::remove(pathOf(ReplacementMark))) {
      syncInfoFolder();
      QFile::remove(pathOf(DatabaseBackup));
      QFile::remove(pathOf(TableListBackup));
    }
  }
  taken_ = false;
}

WorkingDatabaseBackup::Recovery WorkingDatabaseBackup::recoverInterrupted() {
  const MarkRead read = readMark();
  if (!read.refusal.isEmpty())
    return {Recovery::NotPutBack, read.refusal, RemoveMark.arg(nativePathOf(ReplacementMark))};
  const std::optional<Mark>& mark = read.mark;
  if (!mark) return {};
  using platform::db::DatabaseLockFile;
  const DatabaseLockFile::Reading lock = DatabaseLockFile::read(pathOf(Database));
  switch (lock.holder) {
    // This process's own replacement is still under way, not one left
    // unfinished.
    case DatabaseLockFile::Holder::ThisProcess: return {};
    // Another's may be under way as well: nothing is shown or undone.
    case DatabaseLockFile::Holder::LiveProcess:
      return {Recovery::NotPutBack, LockHeldHere.arg(nativePathOf(DatabaseLock)), CloseOtherProgram};
    // Whether it is still under way cannot be seen from here: the files are
    // left as they are, and none of the half-built data is shown.
    case DatabaseLockFile::Holder::OtherComputer: return behindOtherComputersLock(lock.claim);
    // A lock file that cannot be read or taken: the files are left for a
    // start that can put them back.
    case DatabaseLockFile::Holder::InTheWay:
      return {Recovery::NotPutBack, LockInTheWay.arg(nativePathOf(DatabaseLock)),
              FreeLockFile.arg(nativePathOf(DatabaseLock))};
    case DatabaseLockFile::Holder::None: break;
  }
  WorkingDatabaseBackup backup;
  backup.taken_ = true;
  backup.hadDatabase_ = mark->hadDatabase;
  backup.hadTableList_ = mark->hadTableList;
  if (!backup.restore()) return {Recovery::NotPutBack, FilesNotReplaced.arg(nativePathOf(Database)), MakeWritable};
  return {Recovery::PutBack, {}, {}};
}

}  // namespace instrument
