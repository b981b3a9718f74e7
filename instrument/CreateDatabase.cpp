#include "instrument/CreateDatabase.h"

#include "instrument/StatusCodes.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"

namespace instrument {

QString CreateDatabase::databasePath() {
  return platform::ProgramFolder::path(platform::ProgramFiles::Database);
}

int CreateDatabase::Create() { return status::CreateFailed; }

int CreateDatabase::AddTable(QString& TBString, int, platform::db::Database*, bool) {
  TBString = RemoveChar(TBString, QLatin1Char('.'));
  return status::TableFailed;
}

bool CreateDatabase::Delete_Table(const QString&, platform::db::Database*) { return true; }

QString CreateDatabase::RemoveChar(QStringView text, QChar ch) {
  QString result;
  result.reserve(text.size());
  for (QChar c : text)
    if (c != ch) result += c;
  return result;
}

}  // namespace instrument
