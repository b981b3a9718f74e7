#include "ProjectFileSupport.h"

#include <QFile>
#include <QSqlRecord>
#include <gtest/gtest.h>

#include "instrument/CreateDatabase.h"
#include "instrument/DeviceType.h"
#include "instrument/Parse.h"
#include "instrument/StatusCodes.h"
#include "platform/db/Database.h"
#include "platform/db/Recordset.h"
#include "platform/db/SqlIdentifier.h"

namespace projecttest {

using instrument::CreateDatabase;
using instrument::Parse;

QString parsePrintout(int model, const QByteArray& printout, bool* damaged) {
  if (damaged) *damaged = false;
  Parse parse;
  EXPECT_EQ(parse.Initit(), instrument::status::Ok);
  const Parse::Member member = Parse::memberForModel(model);
  for (char byte : printout) {
    const auto code = static_cast<unsigned char>(byte);
    if (!((code >= 32 && code <= 90) || code == 13 || code == 253)) continue;
    const QChar c(code);
    const int result = (parse.*member)(QStringView(&c, 1));
    if (damaged && (result == instrument::status::ParseFailed || result == instrument::status::StiffnessRejected))
      *damaged = true;
    if (result == instrument::status::ParseComplete && model == instrument::ModelCode::N2600BX) break;
  }
  parse.DeInit();
  return parse.retrn_message();
}

QStringList tableRows(platform::db::Database& db, const QString& table) {
  const auto definition = db.tableDef(table);
  const QString order = definition && definition->hasPrimaryIndex()
                            ? QStringLiteral(" ORDER BY ") + platform::db::quoteIdentifier(definition->primaryKeyField())
                            : QString();
  const auto records = db.select(QStringLiteral("SELECT * FROM ") + platform::db::quoteIdentifier(table) + order);
  EXPECT_TRUE(records.has_value()) << table.toStdString();
  QStringList rows;
  if (!records) return rows;
  for (const QSqlRecord& record : *records) {
    QStringList fields;
    for (int i = 0; i < record.count(); ++i) {
      const QVariant value = record.value(i);
      fields.append(value.isNull() ? QStringLiteral("<null>")
                                   : QString::fromLatin1(value.typeName()) + QLatin1Char(':') + value.toString());
    }
    rows.append(fields.join(QLatin1Char('|')));
  }
  return rows;
}

QMap<QString, QStringList> snapshot() {
  platform::db::Database db;
  QMap<QString, QStringList> tables;
  if (!db.open(CreateDatabase::databasePath())) {
    ADD_FAILURE() << "working database does not open";
    return tables;
  }
  for (const QString& table : db.tableNames()) tables.insert(table.toUpper(), tableRows(db, table));
  return tables;
}

void createTables(int device_type, const QStringList& tables) {
  CreateDatabase creator;
  ASSERT_EQ(creator.Create(), instrument::status::Ok);
  for (QString table : tables) ASSERT_EQ(creator.AddTable(table, device_type), instrument::status::Ok);
}

void addRow(const QString& table, const QVariantMap& values) {
  platform::db::Database db;
  ASSERT_TRUE(db.open(CreateDatabase::databasePath()));
  platform::db::Recordset rows;
  ASSERT_TRUE(rows.openTable(db, table)) << rows.lastError().toStdString();
  ASSERT_TRUE(rows.addNew());
  for (auto it = values.begin(); it != values.end(); ++it)
    ASSERT_TRUE(rows.setValue(it.key(), it.value())) << it.key().toStdString() << ": " << rows.lastError().toStdString();
  ASSERT_TRUE(rows.update()) << rows.lastError().toStdString();
}

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    ADD_FAILURE() << "cannot read " << path.toStdString();
    return {};
  }
  return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

}  // namespace projecttest
