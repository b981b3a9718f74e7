// Builds the stiffness report of every run of a 20-run download, one run
// after another into one designer, as the report page does on each tree
// selection: the time to read each run table, compute its values and set the
// report texts, against the 1 s target for all 20 runs.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "instrument/CreateDatabase.h"
#include "instrument/Parse.h"
#include "platform/db/Database.h"
#include "platform/report/ReportDefinitions.h"
#include "report/builder/StiffyReportFiller.h"
#include "support/BenchSupport.h"

namespace {

constexpr int RunCount = 20;
constexpr int Rounds = 7;

// A printout of 20 runs with the given number of bins each; every seventh bin
// is overloaded.
QByteArray printout(int bins) {
  QByteArray text;
  for (int run = 1; run <= RunCount; ++run) {
    text += QStringLiteral("Run#, %1,Meas:, %2.5,CalFac:, 0.98,Date:, 06/01/2004,Time:, 10:%3:00\r")
                .arg(run)
                .arg(run % 9 + 1)
                .arg(run, 2, 10, QLatin1Char('0'))
                .toLatin1();
    for (int bin = 1; bin <= bins; ++bin) {
      const int flag = bin % 7 == 0 ? 1 : 0;
      text += QStringLiteral("%1, %2, 1792, 2560, 2048, 2048, %3, %4, %5, 1536, 0, %6, 12.0 6.0\r")
                  .arg(bin)
                  .arg(100 + 4 * bin)
                  .arg(1024 + bin % 300)
                  .arg(3072 - run)
                  .arg(2560 + bin % 50)
                  .arg(flag)
                  .toLatin1();
    }
    text += '\r';
  }
  return text;
}

bool loadPrintout(const QByteArray& text) {
  instrument::Parse parse;
  if (parse.Initit() != 0) return false;
  // The serial feeder passes codes 32 to 90 and the carriage return.
  for (const char byte : text) {
    const auto code = static_cast<unsigned char>(byte);
    if (code != 13 && (code < 32 || code > 90)) continue;
    const QChar c(code);
    parse.Parse_T7310(QStringView(&c, 1));
  }
  parse.DeInit();
  return parse.retrn_message().count(QLatin1Char(' ')) == RunCount;
}

double fillAllRuns(platform::ReportDesigner& report, platform::db::Database& db,
                   const report::StiffnessConstants& constants) {
  QElapsedTimer timer;
  timer.start();
  for (int run = 1; run <= RunCount; ++run)
    report::Fill_Stiffy_Report(report, db, QStringLiteral("RUN%1").arg(run), constants);
  return timer.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  benchsupport::BenchProgramFolder folder;
  const report::StiffnessConstants constants{0.1, 2.5, 0.35, 120, 0.5, 0.2, 1922};
  std::printf("stiffy_report: the stiffness report of each of %d runs, best and median of %d rounds\n", RunCount,
              Rounds);
  for (int bins : {25, 250, 2500}) {
    if (!loadPrintout(printout(bins))) {
      std::fprintf(stderr, "the printout of %d bins per run did not load\n", bins);
      return 1;
    }
    platform::db::Database db;
    if (!db.open(instrument::CreateDatabase::databasePath())) return 1;
    auto report = platform::ReportDefinitions::createStiffyReport();
    fillAllRuns(*report, db, constants);  // warm caches once
    std::vector<double> times;
    for (int round = 0; round < Rounds; ++round) times.push_back(fillAllRuns(*report, db, constants));
    std::sort(times.begin(), times.end());
    const double median = times[Rounds / 2];
    std::printf(
        "  %4d bins per run: all %d runs best %.1f ms, median %.1f ms (%.2f ms a run), %.3f of the 1 s target\n", bins,
        RunCount, times.front(), median, median / RunCount, median / 1000.0);
  }
  return 0;
}
