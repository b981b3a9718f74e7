#pragma once

#include <QString>
#include <QtGlobal>

#include "platform/core/SettingsFile.h"

namespace instrument {

// The table-list file: line 1 the model code, line 2 the table list between
// double quotes, each line ended by CR LF.
namespace DBTablesMode {
inline constexpr int Read = 0;
inline constexpr int Write = 1;
}  // namespace DBTablesMode

// mode 0: reads the file; line 1, when a number, goes into Model_Code; returns
// line 2 without its double quotes (empty when there is no file, one too
// large to be a settings file: SettingsFileLimit, or one refused by
// readTableList). mode 1:
// writes Model_Code and list, replacing the file; returns an empty text. Any
// other mode does nothing. Failures are ignored step by step.
QString DBTables_File(int mode, const QString& list, qint32& Model_Code);

// Mode 0 of DBTables_File that also says how it found the file: the list is
// read from a file Read only. A list that does not belong to its model code
// (the code is no model, or a table the working database holds is of another
// model's layout: tableListMisfit) is refused as an unreadable file is, with
// misfit saying why; Model_Code is then left as it was.
struct TableListRead {
  QString list;
  platform::SettingsFile::Outcome outcome = platform::SettingsFile::Missing;
  QString misfit;   // for the user, when the list was refused as not fitting
  QString refusal;  // for the user, naming the file, when the reader refused it
};
TableListRead readTableList(qint32& Model_Code);

// Whether the table-list file is there but was refused by mode 0 (too large,
// unreadable, not fitting): the list mode 0 gives is then empty although the
// working database may hold tables.
bool tableListRefused();

// Mode 1 of DBTables_File that says whether the file was written whole; when
// it was not, the previous file stays. The working database is synced to the
// disk first (Database::syncToDisk); when that fails nothing is written. The
// written list is on the disk, name and all, when this returns true.
bool writeTableList(const QString& list, qint32 Model_Code);

}  // namespace instrument
