#include "report/builder/ReportRecords.h"

#include "platform/db/Recordset.h"
#include "platform/db/SqlIdentifier.h"
#include "report/builder/ColumnSlots.h"

namespace report {
namespace {

bool isDensityGauge(int Model) { return Model == ModelCode::N2600A || Model == ModelCode::N2600BX; }

}  // namespace

QString reportTableName(const QString& table, int Model) {
  return isDensityGauge(Model) ? QStringLiteral("P") + table : table;
}

bool openColumnRecords(platform::db::Recordset& records, platform::db::Database& db, const QString& table,
                       const QString& SA, int Model) {
  if (!isDensityGauge(Model)) return records.openTable(db, table);
  const QString where = QStringLiteral("%1 = ? AND %2 > 0")
                            .arg(platform::db::quoteIdentifier(QStringLiteral("SA")),
                                 platform::db::quoteIdentifier(QStringLiteral("RDNUM")));
  return records.openTable(db, reportTableName(table, Model), where, {SA});
}

bool openHeaderRecords(platform::db::Recordset& records, platform::db::Database& db, const QString& table,
                       const QString& SA, int Model) {
  if (Model == ModelCode::N2600A) return openColumnRecords(records, db, table, SA, Model);
  return records.openTable(db, reportTableName(table, Model));
}

bool firstRecord(platform::db::Recordset& records) { return records.moveFirst() && !records.eof(); }

bool nextRecord(platform::db::Recordset& records) { return records.moveNext() && !records.eof(); }

}  // namespace report
