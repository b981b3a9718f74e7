#include "instrument/DBTablesFile.h"

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

QString tableListPath() { return platform::ProgramFolder::path(platform::ProgramFiles::TableList); }

}  // namespace

TableListRead readTableList(qint32& Model_Code) {
  const platform::SettingsFile file = platform::readSettingsFile(tableListPath());
  if (file.outcome != platform::SettingsFile::Read) return {{}, file.outcome};
  const QList<QByteArray> lines = platform::settingsFileLines(file.bytes);
  const QString first = QString::fromLatin1(lines.value(0));
  if (!first.isEmpty())
    if (const auto code = text::toInteger(first)) Model_Code = *code;
  return {QString::fromLatin1(lines.value(1)).remove(QLatin1Char(Quote)), file.outcome};
}

bool tableListRefused() {
  return platform::settingsFileRefused(platform::readSettingsFile(tableListPath()).outcome);
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
