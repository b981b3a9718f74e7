// Feeds generated 100,000-line printouts of the stiffness gauge, the N2600A and
// the N2600BX one character at a time through their parsers into the working
// database, then inserts the same rows directly (one prepared statement per
// table, one transaction) and prints both rates and their ratio. Each path runs
// Rounds times and the best time counts, so that other load on the machine
// weighs less; the ratio is also given by processor time, which such load
// hardly changes.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <cstdio>
#include <ctime>

#include "instrument/CreateDatabase.h"
#include "instrument/Parse.h"
#include "instrument/StatusCodes.h"
#include "platform/db/Database.h"
#include "platform/db/SqlIdentifier.h"
#include "support/BenchSupport.h"

namespace {

using instrument::Parse;

constexpr int Lines = 100000;
constexpr int Rounds = 5;

// Wall-clock and processor seconds of one timed stretch.
struct Seconds {
  double wall = 0;
  double cpu = 0;
  void keepBest(const Seconds& other) {
    wall = std::min(wall, other.wall);
    cpu = std::min(cpu, other.cpu);
  }
};

class Stopwatch {
 public:
  Stopwatch() : cpuStart_(cpuNow()) { wall_.start(); }
  Seconds elapsed() const { return {wall_.nsecsElapsed() / 1e9, cpuNow() - cpuStart_}; }

 private:
  static double cpuNow() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
  }
  QElapsedTimer wall_;
  double cpuStart_;
};

struct Printout {
  const char* model;
  Parse::Member member;
  int lineRate;  // characters per second of the gauge's line (10 bits a character)
  QByteArray text;
  int lines = 0;
};

void addLine(Printout& p, const QByteArray& line) {
  p.text += line;
  p.text += "\r\n";
  ++p.lines;
}

QByteArray number(double value) { return QByteArray::number(value, 'g', 7); }

// 20 runs (the runs stored with their bins), each a run line, bins and an
// empty line.
Printout stiffnessPrintout() {
  Printout p{"T7310", &Parse::Parse_T7310, 480, {}};
  const int binsPerRun = Lines / 20 - 2;
  for (int run = 1; run <= 20; ++run) {
    addLine(p, "Run#,  " + QByteArray::number(run) + ",Meas:, 1.5,CalFac:, 0.98,Date:, 06/01/2004,Time:, 10:20:30");
    for (int bin = 1; bin <= binsPerRun; ++bin) {
      QByteArray line = QByteArray::number(bin).rightJustified(4) + "," + QByteArray::number(96 + bin).rightJustified(5) + ",";
      for (int k = 0; k < 8; ++k) line += QByteArray::number((bin * 7 + k * 131) % 20000 - 10000).rightJustified(6) + ",";
      line += " 0, 1," + number(10 + bin % 50 * 0.5).rightJustified(5) + " " + QByteArray::number(bin % 90 + 1).rightJustified(2);
      addLine(p, line);
    }
    addLine(p, "");
  }
  return p;
}

// One report: title, heading and rule, then soil and asphalt rows of ten
// projects.
Printout n2600aPrintout() {
  Printout p{"N2600A", &Parse::Parse_N2600A, 120, {}};
  addLine(p, "   ");
  addLine(p, "COMPACTION CONTROL DATA REPORT   NS-2600A SERIAL: 12345   CALIBRATION DATE:01/15/05");
  addLine(p, "   ");
  addLine(p, "RD #    DATE     PROJ   STAT   OFFST  DPT S/A   KVAL  % ADJ   D STD M STD  D CNT M CNT   SPG %AV MAX D  WET D  DRY D   WAT  %WAT   %COMP");
  addLine(p, "----  --------  ------ ------ ------  --- ---  ------ -----  ------ ----- ------ -----  ---- --- -----  -----  -----  ----  ----   -----");
  for (int rd = 1; p.lines < Lines; ++rd) {
    const bool asphalt = rd % 5 == 0;
    QByteArray line = QByteArray::number(rd).rightJustified(6) + "  06/01/04  " +
                      QByteArray::number(1 + rd / 10000).rightJustified(6) + " " + number(rd * 0.5).rightJustified(7) +
                      "    1.5    6   " + (asphalt ? "A" : "S") + "     0.5     0    2350   650   1801   321   2.7   5 135.5";
    line += asphalt ? "  140.2   93.3    97.7" : "  120.1  110.3   9.8   8.9    96.5";
    addLine(p, line);
  }
  return p;
}

// Ten projects, each with its project line, column heading and readings.
Printout n2600bxPrintout() {
  Printout p{"N2600BX", &Parse::Parse_N2600BX, 120, {}};
  addLine(p, "COMPACTION CONTROL DATA REPORT NS-2600BX SERIAL: 54321 CALIBRATION DATE: 03/04/05 ");
  addLine(p, "");
  const int perProject = (Lines - 2) / 10 - 5;
  for (int project = 1; project <= 10; ++project) {
    addLine(p, " ");
    addLine(p, "PROJECT ID: " + QByteArray::number(project) + ".5 DATE: 06/01/2004 D STD=2350 M STD=650 KVAL=0.95  SPG=2.7 MAXD=135.5 LOWD=120.5");
    addLine(p, " ");
    addLine(p, "RD #,  TIME, STAT1 TO,  STAT1, OFFSET,  STAT2, LANE, DPT, S/A,   %ADJ,       DC,       MC,    %AV,     WD,     DD,      M,     %M,  %COMP,     VR");
    const int readings = project < 10 ? perProject : Lines - p.lines - 1;
    for (int rd = 1; rd <= readings; ++rd)
      addLine(p, QByteArray::number(rd).rightJustified(5) + ", 10:42,    10+00,  10+50,   2.5L,  11+00,   L1,   6,   S,      0,     " +
                     QByteArray::number(1700 + rd % 300) + ",      320,    4.5,  122.4,  112.1,   10.3,    8.5,   97.2,     OK");
    addLine(p, "");
  }
  return p;
}

struct ParseRun {
  Seconds seconds;
  qint64 characters = 0;
  QString tables;
};

ParseRun runParser(const Printout& p) {
  Parse parse;
  ParseRun run;
  parse.Initit();
  const Stopwatch timer;
  for (char byte : p.text) {
    const auto code = static_cast<unsigned char>(byte);
    if ((code < 32 || code > 90) && code != 13) continue;
    const QChar c(code);
    (parse.*p.member)(QStringView(&c, 1));
    ++run.characters;
  }
  parse.DeInit();
  run.seconds = timer.elapsed();
  run.tables = parse.retrn_message();
  return run;
}

struct StoredTable {
  QString name;
  QList<QSqlRecord> rows;
};

QList<StoredTable> storedTables() {
  platform::db::Database db;
  db.open(instrument::CreateDatabase::databasePath());
  QList<StoredTable> tables;
  for (const QString& name : db.tableNames())
    tables.append({name, db.select("SELECT * FROM " + platform::db::quoteIdentifier(name)).value_or(QList<QSqlRecord>())});
  return tables;
}

// The same rows into freshly made tables of the same layout, each table with
// one prepared statement, all in one transaction.
Seconds insertDirectly(const QList<StoredTable>& tables, int device_type) {
  instrument::CreateDatabase creator;
  creator.Create();
  platform::db::Database db;
  db.open(instrument::CreateDatabase::databasePath());
  for (StoredTable table : tables) creator.AddTable(table.name, device_type, &db);
  const Stopwatch timer;
  db.beginTransaction();
  for (const StoredTable& table : tables) {
    if (table.rows.isEmpty()) continue;
    const QSqlRecord& shape = table.rows.front();
    QStringList fields;
    for (int i = 0; i < shape.count(); ++i) fields << shape.fieldName(i);
    QSqlQuery insert(db.connection());
    insert.prepare(benchsupport::insertStatement(table.name, fields));
    for (const QSqlRecord& row : table.rows) {
      for (int i = 0; i < row.count(); ++i) insert.bindValue(i, row.value(i));
      insert.exec();
    }
  }
  db.commit();
  return timer.elapsed();
}

void bench(const Printout& p, int device_type) {
  ParseRun run = runParser(p);
  for (int round = 1; round < Rounds; ++round) run.seconds.keepBest(runParser(p).seconds);
  const QList<StoredTable> tables = storedTables();
  qint64 rows = 0;
  for (const StoredTable& table : tables) rows += table.rows.size();
  Seconds direct = insertDirectly(tables, device_type);
  for (int round = 1; round < Rounds; ++round) direct.keepBest(insertDirectly(tables, device_type));
  const double parseRate = rows / run.seconds.wall;
  const double directRate = rows / direct.wall;
  const double characterRate = run.characters / run.seconds.wall;
  std::printf("%-8s %6d lines, %8lld chars, %2lld tables, %6lld rows\n"
              "  parser %6.2f s  %7.0f rows/s  %9.0f chars/s = %6.0f x the %d chars/s of its line\n"
              "  direct %6.2f s  %7.0f rows/s\n"
              "  ratio parser/direct: %.2f by wall-clock time, %.2f by processor time\n",
              p.model, p.lines, static_cast<long long>(run.characters), static_cast<long long>(tables.size()),
              static_cast<long long>(rows), run.seconds.wall, parseRate, characterRate, characterRate / p.lineRate,
              p.lineRate, direct.wall, directRate, direct.wall / run.seconds.wall, direct.cpu / run.seconds.cpu);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const benchsupport::BenchProgramFolder folder;
  bench(stiffnessPrintout(), 4);
  bench(n2600aPrintout(), 1);
  bench(n2600bxPrintout(), 2);
  return 0;
}
