// Saves and reopens a project file of 100,000 readings for each of the four
// models: the rows are first inserted directly into the working database (one
// prepared statement per table, one transaction), then written with writeout_
// and read back through Get_tables, which replays the file one character at a
// time through the model's parser. Prints the three times and the ratio of the
// reopen to the direct insert of the same rows. Each model runs Rounds times
// and the best time of each step counts, so other load on the machine weighs
// less.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlQuery>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <functional>

#include "instrument/CreateDatabase.h"
#include "instrument/DeviceType.h"
#include "instrument/StatusCodes.h"
#include "instrument/writeout.h"
#include "platform/db/Database.h"
#include "platform/db/SqlIdentifier.h"
#include "support/BenchSupport.h"

namespace {

using instrument::ModelCode::LX9100;
using instrument::ModelCode::N2600A;
using instrument::ModelCode::N2600BX;
using instrument::ModelCode::T7310;

constexpr int Readings = 100000;
constexpr int Rounds = 2;

// One table of a generated project: its name as the table list gives it, its
// table, its fields and a maker of its rows (row 0 first).
struct Table {
  QString listed;
  QString name;
  QStringList fields;
  int rows;
  std::function<QVariantList(int)> row;
};

struct Project {
  const char* title;
  int model;
  int layout;
  QList<Table> tables;
};

QString clock(int seconds) {
  return QStringLiteral("%1:%2:%3")
      .arg(seconds / 3600 % 24, 2, 10, QLatin1Char('0'))
      .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
      .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

Project loadFrame() {
  constexpr int Tests = 4;
  Project project{"LX9100 (4 tests)", LX9100, instrument::DeviceType::LoadFrameSingle, {}};
  for (int t = 1; t <= Tests; ++t) {
    project.tables.append(
        {QStringLiteral("CBR_LBR%1").arg(t), QStringLiteral("CBR_LBR%1").arg(t),
         {"READNUMBER", "TIME", "CH1", "CH2", "CH3", "CH4", "CH1NAME", "CH2NAME", "CH3NAME", "CH4NAME"},
         Readings / Tests,
         [](int i) {
           return QVariantList{i + 1, clock(i), i * 0.0125, i * 0.5, (i % 1000) * 1.25, -(i % 77) * 0.0625,
                               "(LOAD)", "(PEN)", "NONE", "()"};
         }});
  }
  return project;
}

Project stiffness() {
  constexpr int Runs = 20;
  Project project{"T7310 (20 runs)", T7310, instrument::DeviceType::T7310, {}};
  for (int r = 1; r <= Runs; ++r) {
    project.tables.append(
        {QStringLiteral("RUN%1").arg(r), QStringLiteral("RUN%1").arg(r),
         {"RUN_NUMBER", "MEASURE", "CALFACTOR", "DATE", "TIME", "BIN_NUMBER", "FREQUENCY", "REAL_DISPL_ND",
          "REAL_FORCE_ND", "IMAG_DISPL_ND", "IMAG_FORCE_ND", "REAL_DISPL_SD", "REAL_FORCE_SD", "IMAG_DISPL_SD",
          "IMAG_FORCE_SD", "NOISE_OL_FLAG", "SIGNL_OL_FLAG", "DSNR", "FSNR"},
         Readings / Runs + 1,
         [r](int i) {
           if (i == 0) return QVariantList{r, 1.5, 0.98, "06/01/2004", clock(r * 60), 0, {}, {}, {}, {}, {}, {}, {},
                                           {}, {}, {}, {}, {}, {}};
           return QVariantList{{}, {}, {}, {}, {}, i, 100 + 4 * i, i % 9000, -(i % 777), i % 31, i % 7, 1000 + i % 500,
                               -2000, 50 + i % 3, i % 11, i % 2, (i + 1) % 2, 12.5, 13};
         }});
  }
  return project;
}

Project n2600bx() {
  constexpr int Projects = 10;
  Project project{"N2600BX (10 projects)", N2600BX, instrument::DeviceType::N2600BX, {}};
  for (int p = 1; p <= Projects; ++p) {
    project.tables.append(
        {QString::number(p), QStringLiteral("P%1").arg(p),
         {"ID", "SERNUM", "CDATE", "DATE", "DSTD", "MSTD", "KVAL", "SPG", "MAXD", "LOWD", "RDNUM", "TIME", "STAT1TO",
          "STAT1", "OFFSET", "STAT2", "LANE", "DPT", "SA", "ADJ", "DC", "MC", "AV", "WD", "DD", "M", "PERCM",
          "PERC_COMP", "VR"},
         Readings / Projects + 1,
         [p](int i) {
           if (i == 0) return QVariantList{QString::number(p), 54321, "03/04/05", "06/01/2004", 2350, 650, 0.95, 2.7,
                                           135.5, 120.5, 0, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {},
                                           {}, {}, {}};
           return QVariantList{{}, {}, {}, {}, {}, {}, {}, {}, {}, {}, i, clock(i).left(5), "10+00", "10+50", "2.5L",
                               "11+00", "L1", "6", i % 5 ? "S" : "A", 0, 1800 + i % 100, 320, 4.5, 122.4, 112.1,
                               10.3, 8.5, 97.2, "OK"};
         }});
  }
  return project;
}

Project n2600a() {
  constexpr int Projects = 10;
  Project project{"N2600A (10 projects)", N2600A, instrument::DeviceType::N2600A, {}};
  for (int p = 1; p <= Projects; ++p) {
    project.tables.append(
        {QString::number(p), QStringLiteral("P%1").arg(p),
         {"ID", "RDNUM", "SERNUM", "CDATE", "RDATE", "STAT", "OFFSET", "DPT", "SA", "KVAL", "PADJ", "DSTD", "MSTD",
          "DCNT", "MCNT", "SPG", "PAV", "MAXD", "WETD", "DRYD", "WAT", "PWAT", "PAC", "DENS", "PCOMP"},
         Readings / Projects,
         [p](int i) {
           const bool asphalt = i % 5 == 4;
           const QVariant none;
           return QVariantList{QString::number(p), i + 1, 12345, "01/15/05", "06/01/04", 10 + i % 400, 1.5,
                               "6", asphalt ? "A" : "S", 0.5, 0, 2350, 650, 1800 + i % 50, 321, 2.7, 5, 135.5,
                               asphalt ? none : QVariant(120.0 + i % 7), asphalt ? none : QVariant(110.5),
                               asphalt ? none : QVariant(10), asphalt ? none : QVariant(9.1),
                               asphalt ? QVariant(4.5) : none, asphalt ? QVariant(140.2) : none, 96.5};
         }});
  }
  return project;
}

QString tableList(const Project& project) {
  QString list;
  for (const Table& table : project.tables) list += table.listed + QLatin1Char(' ');
  return list;
}

// The working database made anew with the project's rows, inserted directly.
double insertDirectly(const Project& project) {
  instrument::CreateDatabase creator;
  if (creator.Create() != instrument::status::Ok) return -1;
  for (const Table& table : project.tables) {
    QString name = table.name;
    if (creator.AddTable(name, project.layout) != instrument::status::Ok) return -1;
  }
  platform::db::Database db;
  if (!db.open(instrument::CreateDatabase::databasePath())) return -1;
  QElapsedTimer timer;
  timer.start();
  db.beginTransaction();
  for (const Table& table : project.tables) {
    QSqlQuery insert(db.connection());
    insert.prepare(benchsupport::insertStatement(table.name, table.fields));
    for (int i = 0; i < table.rows; ++i) {
      const QVariantList values = table.row(i);
      for (qsizetype f = 0; f < values.size(); ++f) insert.bindValue(static_cast<int>(f), values[f]);
      if (!insert.exec()) return -1;
    }
  }
  db.commit();
  return timer.nsecsElapsed() / 1e9;
}

qint64 countRows() {
  platform::db::Database db;
  if (!db.open(instrument::CreateDatabase::databasePath())) return -1;
  qint64 rows = 0;
  for (const QString& table : db.tableNames()) {
    const auto count = db.select(QStringLiteral("SELECT COUNT(*) FROM ") + platform::db::quoteIdentifier(table));
    rows += count && !count->isEmpty() ? count->first().value(0).toLongLong() : 0;
  }
  return rows;
}

struct Times {
  double direct = 0, save = 0, reopen = 0;
  qint64 fileSize = 0, rows = 0;
};

bool runRound(const Project& project, const QString& file, Times& best, bool first) {
  Times round;
  round.direct = insertDirectly(project);
  round.rows = countRows();
  const QString list = tableList(project);

  instrument::writeout writer;
  QElapsedTimer timer;
  timer.start();
  if (writer.writeout_(file, list, static_cast<qint16>(project.model)) != instrument::SaveStatus::Saved) {
    std::printf("%s: save failed: %s\n", project.title, qPrintable(writer.message()));
    return false;
  }
  round.save = timer.nsecsElapsed() / 1e9;
  round.fileSize = QFileInfo(file).size();

  instrument::writeout reader;
  timer.restart();
  const std::optional<QString> tables = reader.Get_tables(file, list);
  round.reopen = timer.nsecsElapsed() / 1e9;
  const qint64 reopened = countRows();
  if (round.direct <= 0 || !tables || reopened != round.rows) {
    std::printf("%s: reopen failed (%s), %lld rows of %lld\n", project.title, qPrintable(reader.message()),
                static_cast<long long>(reopened), static_cast<long long>(round.rows));
    return false;
  }
  if (first) {
    best = round;
  } else {
    best.direct = std::min(best.direct, round.direct);
    best.save = std::min(best.save, round.save);
    best.reopen = std::min(best.reopen, round.reopen);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const benchsupport::BenchProgramFolder folder;
  const QString file = folder.filePath(QStringLiteral("project.txt"));

  std::printf("project files of %d readings; best of %d rounds\n", Readings, Rounds);
  std::printf("%-22s %8s %10s %9s %9s %9s %14s\n", "model", "rows", "file bytes", "direct s", "save s", "reopen s",
              "reopen/direct");
  for (const Project& project : {loadFrame(), stiffness(), n2600bx(), n2600a()}) {
    Times best;
    for (int round = 0; round < Rounds; ++round)
      if (!runRound(project, file, best, round == 0)) return 1;
    std::printf("%-22s %8lld %10lld %9.3f %9.3f %9.3f %14.1f\n", project.title, static_cast<long long>(best.rows),
                static_cast<long long>(best.fileSize), best.direct, best.save, best.reopen, best.reopen / best.direct);
  }
  return 0;
}
