#include "instrument/RunTables.h"

#include "instrument/RecordLayouts.h"
#include "platform/db/Database.h"
#include "platform/db/SqlIdentifier.h"

namespace instrument {

namespace {

namespace F = StiffnessBinField;

struct RowCounts {
  qint64 all = 0;
  qint64 headers = 0;      // rows carrying a run number
  qint64 binZeroRows = 0;  // rows numbered as a run's header row
};

RowCounts countRows(platform::db::Database& db, const QString& table) {
  const QString sql =
      QStringLiteral("SELECT COUNT(*), COUNT(%1), SUM(CASE WHEN %2 = 0 THEN 1 ELSE 0 END) FROM %3")
          .arg(platform::db::quoteIdentifier(F::RUN_NUMBER), platform::db::quoteIdentifier(F::BIN_NUMBER),
               platform::db::quoteIdentifier(table));
  const auto rows = db.select(sql);
  if (!rows || rows->isEmpty()) return {};
  const auto& row = rows->first();
  return {row.value(0).toLongLong(), row.value(1).toLongLong(), row.value(2).toLongLong()};
}

}  // namespace

// A full run table holds one header row (bin 0, with its run number) and bins
// without one; the shared table holds nothing but numbered run rows. A single
// header row of bin 0 is a full run whose bins never came.
bool isHeaderOnlyRunTable(platform::db::Database& db, const QString& table) {
  const RowCounts counts = countRows(db, table);
  return counts.all > 0 && counts.headers == counts.all && (counts.all > 1 || counts.binZeroRows == 0);
}

}  // namespace instrument
