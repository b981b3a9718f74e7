// Places a channel column and fills the read-number column of long load-frame
// tests (1,000 and 100,000 readings, split over the mirror block at size 9),
// and fills the read-number column of 20 stiffness runs: the time of each
// against the targets of 100 ms for 1,000 readings and 1 s for 100,000.
#include <QElapsedTimer>
#include <cstdio>
#include <functional>

#include "support/ReportBench.h"
#include "report/builder/ColumnPlacement.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/ReadNumberColumn.h"

namespace {

using platform::db::Database;

void insertRows(Database& db, const QString& table, const QStringList& fields,
                const std::function<QVariantList(int)>& row, int count) {
  db.beginTransaction();
  const QString sql = benchsupport::insertStatement(table, fields);
  for (int i = 1; i <= count; ++i) db.exec(sql, row(i));
  db.commit();
}

QString runTable(Database& db, int run) {
  const QString table = QStringLiteral("RUN%1").arg(run);
  db.createTable(instrument::Stiffness_Bin_Record(table));
  insertRows(db, table, {"BIN_NUMBER", "RUN_NUMBER", "FREQUENCY"},
             [run](int i) { return QVariantList{i - 1, i == 1 ? QVariant(run) : QVariant(), 100 + i}; }, 31);
  return table;
}

}  // namespace

int main() {
  benchsupport::ReportBench bench;
  if (!bench.opened) return 1;
  auto& db = bench.db;
  auto& flags = bench.flags;
  auto& context = bench.builder;
  flags.Remarks_Column = flags.New_Remarks_Column = 2;

  std::printf("%-34s %12s %12s %10s\n", "load-frame readings", "place (ms)", "fill RD (ms)", "target");
  for (int readings : {1000, 100000}) {
    const QString table = benchsupport::loadFrameTable(db, readings);
    report::Clear_Columns(context.report());
    QElapsedTimer timer;
    timer.start();
    report::Place_Column(context, 2, QStringLiteral("CH1"), table, QStringLiteral("N"), 0, {0, 6});
    const double place = benchsupport::milliseconds(timer);
    timer.restart();
    report::Fill_RD_Column(context, table, QStringLiteral("N"), 0);
    const double fill = benchsupport::milliseconds(timer);
    std::printf("%-34d %12.1f %12.1f %10s\n", readings, place, fill, readings <= 1000 ? "100 ms" : "1 s");
  }

  QStringList runs;
  for (int run = 1; run <= 20; ++run) runs << runTable(db, run);
  flags.Clearing_Report = true;  // the read-number column alone, without the stiffness filler
  QElapsedTimer timer;
  timer.start();
  for (const QString& table : runs) report::Fill_RD_Column(context, table, QStringLiteral("N"), 3);
  std::printf("%-34s %25.1f\n", "20 stiffness runs, read numbers", benchsupport::milliseconds(timer));
  return 0;
}
