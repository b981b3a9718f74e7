#include "PrintoutFeed.h"

#include <gtest/gtest.h>

#include "instrument/CreateDatabase.h"
#include "instrument/StatusCodes.h"
#include "platform/db/Database.h"
#include "platform/db/Recordset.h"

namespace testsupport {
namespace {

constexpr unsigned char EndMarker = 253;

bool passes(unsigned char byte, Feeder feeder) {
  if ((byte >= 32 && byte <= 90) || byte == '\r') return true;
  return feeder == Feeder::ProjectFile && byte == EndMarker;
}

}  // namespace

QList<int> feedPrintout(instrument::Parse& parse, instrument::Parse::Member member, const QByteArray& bytes,
                        Feeder feeder) {
  QList<int> results;
  for (const char byte : bytes) {
    const auto code = static_cast<unsigned char>(byte);
    if (!passes(code, feeder)) continue;
    const QChar c(code);
    const int result = (parse.*member)(QStringView(&c, 1));
    if (result != instrument::status::NoValue) results.append(result);
  }
  return results;
}

QList<QVariantMap> readTable(const QString& table) {
  platform::db::Database db;
  platform::db::Recordset rs;
  if (!db.open(instrument::CreateDatabase::databasePath()) || !rs.openTable(db, table)) {
    ADD_FAILURE() << "cannot read table " << table.toStdString();
    return {};
  }
  QList<QVariantMap> rows;
  for (bool more = rs.moveFirst(); more && !rs.eof(); more = rs.moveNext()) {
    QVariantMap row;
    for (const auto& field : rs.fields()) row.insert(field.name, rs.value(field.name));
    rows.append(row);
  }
  return rows;
}

QStringList workingTables() {
  platform::db::Database db;
  if (!db.open(instrument::CreateDatabase::databasePath())) return {};
  QStringList tables = db.tableNames();
  tables.sort();
  return tables;
}

}  // namespace testsupport

void PrintTo(const QVariant& value, std::ostream* os) {
  *os << (value.isNull() ? std::string("Null") : value.toString().toStdString() + " (" + value.typeName() + ")");
}

void PrintTo(const QString& value, std::ostream* os) { *os << '"' << value.toStdString() << '"'; }
