// Re-flows a two-block load-frame report of 1,000 and of 100,000 readings from
// size 9 to 12 and back, and a stiffness report through every size: the time
// of each against the target of 100 ms for 1,000 readings. The load-frame
// figures include the mirror-block shift and the two-block rebuild.
#include <cstdio>

#include "support/ReportBench.h"
#include "report/builder/ColumnPlacement.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/ReadNumberColumn.h"
#include "report/reflow/ResizeReportFont.h"

namespace {

// The time of one re-flow to each size in turn.
double reflowThrough(const report::ReflowContext& context, std::initializer_list<int> sizes, int model,
                     const QString& table) {
  QElapsedTimer timer;
  timer.start();
  for (int size : sizes) report::Resize_Report_Font(context, size, model, table);
  return benchsupport::milliseconds(timer);
}

}  // namespace

int main() {
  benchsupport::ReportBench bench;
  if (!bench.opened) return 1;
  auto& db = bench.db;
  auto& designers = bench.designers;
  auto& flags = bench.flags;
  auto& builder = bench.builder;
  const report::ReflowContext context{designers, flags, &db};

  std::printf("%-24s %12s %12s %10s\n", "load-frame readings", "9->12 (ms)", "12->9 (ms)", "target");
  for (int readings : {1000, 100000}) {
    const QString table = benchsupport::loadFrameTable(db, readings);
    designers.recreate();
    flags = {};
    flags.Remarks_Column = flags.New_Remarks_Column = 2;
    report::Fill_RD_Column(builder, table, QStringLiteral("N"), 0);
    for (int k = 2; k <= 5; ++k)
      report::Place_Column(builder, k, QStringLiteral("CH%1").arg(k - 1), table, QStringLiteral("N"), 0, {k - 2, 6});
    const double up = reflowThrough(context, {12}, 0, table);
    const double down = reflowThrough(context, {9}, 0, table);
    std::printf("%-24d %12.1f %12.1f %10s\n", readings, up, down, readings <= 1000 ? "100 ms" : "-");
  }

  designers.recreate();
  flags = {};
  const double stiffy = reflowThrough(context, {10, 11, 12, 11, 10, 9}, 3, QString());
  std::printf("%-24s %12.3f ms for six changes\n", "stiffness report", stiffy);
  return 0;
}
