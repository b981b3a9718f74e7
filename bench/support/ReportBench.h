#pragma once

// What the report benchmarks share: a working database in a temporary program
// folder, the report state around it, and a long load-frame test.
#include <QElapsedTimer>
#include <QString>

#include "instrument/RecordLayouts.h"
#include "platform/core/ProgramFiles.h"
#include "platform/db/Database.h"
#include "report/builder/ReportBuilderContext.h"
#include "BenchSupport.h"

namespace benchsupport {

inline double milliseconds(const QElapsedTimer& timer) { return timer.nsecsElapsed() / 1e6; }

// The report's designers, state and database as the report page holds them.
struct ReportBench {
  BenchProgramFolder folder;
  platform::db::Database db;
  bool opened = db.open(platform::ProgramFolder::path(platform::ProgramFiles::Database));
  report::ReportDesigners designers;
  report::ReportFlags flags;
  report::CompanyInfo info;
  report::StiffnessConstants constants;
  report::ReportBuilderContext builder{designers, db, flags, info, constants};
};

// A load-frame test table of the given number of readings, in one transaction.
inline QString loadFrameTable(platform::db::Database& db, int readings) {
  const QString table = QStringLiteral("CBR_LBR%1").arg(readings);
  db.createTable(instrument::Load_Test_Record(table));
  db.beginTransaction();
  const QString sql = insertStatement(table, {"READNUMBER", "TIME", "CH1", "CH2", "CH3", "CH4"});
  for (int i = 1; i <= readings; ++i) db.exec(sql, {i, QStringLiteral("00:00:01"), i * 0.5, 2.0, 3.0, 4.0});
  db.commit();
  return table;
}

}  // namespace benchsupport
