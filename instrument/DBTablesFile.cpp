#include "instrument/DBTablesFile.h"

#include <QDir>
#include <QFile>

#include "instrument/ProjectTableList.h"
#include "instrument/TableListFit.h"
#include "instrument/TextNumbers.h"
#include "platform/core/DiskSync.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/SettingsFile.h"
#include "platform/core/WholeFile.h"
#include "platform/db/Database.h"

namespace instrument {
namespace {

const QByteArray LineEnd = QByteArrayLiteral("\r\n");
constexpr char Quote = '"';
// %1: the file; %2: why its list does not fit.
const QString MisfitMessage = QStringLiteral(
    "The settings file %1 was not read: %2 The program goes on without showing the working database's tables.");

QString tableListPath() { return platform::ProgramFolder::path(platform::ProgramFiles::TableList); }

// Why the list and its model code do not belong together; empty when they do.
// The working database is asked only when it is there.
QString listMisfit(const QString& list, qint32 modelCode) {
  if (!isModelCode(modelCode)) return modelCodeMisfit(modelCode);
  const QString database = platform::ProgramFolder::path(platform::ProgramFiles::Database);
  platform::db::Database db;
  if (!QFile::exists(database) || !db.openForReading(database)) return {};
  return tableListMisfit(db, listedTables(list), modelCode);
}

}  // namespace

TableListRead readTableList(qint32& Model_Code) {
  const platform::SettingsFile file = platform::readSettingsFile(tableListPath());
  if (file.outcome != platform::SettingsFile::Read) return {{}, file.outcome, {}, file.error};
  const QList<QByteArray> lines = platform::settingsFileLines(file.bytes);
  const QString first = QString::fromLatin1(lines.value(0));
  qint32 code = Model_Code;
  if (!first.isEmpty())
    if (const auto read = text::toInteger(first)) code = *read;
  const QString list = QString::fromLatin1(lines.value(1)).remove(QLatin1Char(Quote));
  if (const QString misfit = listMisfit(list, code); !misfit.isEmpty()) {
    const QString file = QDir::toNativeSeparators(tableListPath());
    return {{}, platform::SettingsFile::Unreadable, MisfitMessage.arg(file, misfit)};
  }
  Model_Code = code;
  return {list, file.outcome};
}

bool tableListRefused() {
  qint32 ignored = 0;
  return platform::settingsFileRefused(readTableList(ignored).outcome);
}

bool writeTableList(const QString& list, qint32 Model_Code) {
  // The list makes new data complete: the tables it names are on the disk
  // before it is, so that a power loss cannot leave a list without its data.
  if (!platform::db::Database::syncToDisk(platform::ProgramFolder::path(platform::ProgramFiles::Database)))
    return false;
  QByteArray bytes = QByteArray::number(Model_Code) + LineEnd;
  bytes += Quote + list.toLatin1() + Quote + LineEnd;
  // The rename that put the list in place is on the disk before the caller
  // removes the replacement mark: database, list, mark, in that order.
  return platform::writeWholeFile(tableListPath(), bytes) && platform::syncFileAndFolder(tableListPath());
}

QString DBTables_File(int mode, const QString& list, qint32& Model_Code) {
  if (mode == DBTablesMode::Read) return readTableList(Model_Code).list;
  if (mode == DBTablesMode::Write) writeTableList(list, Model_Code);
  return {};
}

}  // namespace instrument
