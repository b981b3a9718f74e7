// Feeds a generated load-frame printout of 100,000 readings one character at a
// time through Parse_LX9100 into the working database, then inserts the same
// rows directly with one prepared statement in one transaction, and prints
// both rates and their ratios. Each path runs Rounds times, alternately, and
// the best time of each counts, so that other load on the machine weighs less.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <algorithm>
#include <cstdio>

#include "instrument/CreateDatabase.h"
#include "instrument/DeviceType.h"
#include "instrument/Parse.h"
#include "instrument/StatusCodes.h"
#include "platform/db/Database.h"
#include "platform/db/SqlIdentifier.h"
#include "support/BenchSupport.h"

namespace {

constexpr int Readings = 100000;
constexpr int Rounds = 3;
constexpr double LineRate = 1920.0;  // characters per second at 19200 baud
const QString Table = QStringLiteral("CBR_LBR1");

struct Reading {
  int number;
  QString time;
  double channels[4];
};

QList<Reading> makeReadings() {
  QList<Reading> readings;
  readings.reserve(Readings);
  for (int i = 1; i <= Readings; ++i) {
    const int seconds = i % 86400;
    readings.append({i, QStringLiteral("%1:%2:%3").arg(seconds / 3600, 2, 10, QLatin1Char('0'))
                            .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0')).arg(seconds % 60, 2, 10, QLatin1Char('0')),
                     {i * 0.0125, i * 0.5, (i % 1000) * 1.25, -(i % 77) * 0.0625}});
  }
  return readings;
}

QByteArray makePrintout(const QList<Reading>& readings) {
  QByteArray text = "CBR/LBR TEST\r\n\r\nRD #,    TIME,    (LOAD),     (PEN),       (),         ()\r\n";
  for (const Reading& r : readings)
    text += QStringLiteral("%1, %2, %3, %4, %5, %6\r\n")
                .arg(r.number, 6).arg(r.time).arg(r.channels[0], 10, 'f', 4).arg(r.channels[1], 10, 'f', 4)
                .arg(r.channels[2], 10, 'f', 4).arg(r.channels[3], 10, 'f', 4).toLatin1();
  return text + "END\r\n";
}

int countRows(platform::db::Database& db) {
  const auto rows = db.select(QStringLiteral("SELECT COUNT(*) FROM ") + platform::db::quoteIdentifier(Table));
  return rows && !rows->isEmpty() ? rows->first().value(0).toInt() : -1;
}

double parserSeconds(const QByteArray& printout, int& rows) {
  instrument::Parse parse;
  if (parse.Initit() != instrument::status::Ok) return -1;
  QElapsedTimer timer;
  timer.start();
  for (const char byte : printout) {
    if (byte == '\n') continue;  // the serial feeder never passes line feeds
    const QChar c(static_cast<uchar>(byte));
    parse.Parse_LX9100(QStringView(&c, 1));
  }
  parse.DeInit();
  const double seconds = timer.nsecsElapsed() / 1e9;
  platform::db::Database db;
  db.open(instrument::CreateDatabase::databasePath());
  rows = countRows(db);
  return seconds;
}

double directSeconds(const QList<Reading>& readings, int& rows) {
  instrument::CreateDatabase creator;
  QString name = Table;
  if (creator.Create() != instrument::status::Ok || creator.AddTable(name, instrument::DeviceType::LoadFrameSingle) != 0)
    return -1;
  platform::db::Database db;
  if (!db.open(instrument::CreateDatabase::databasePath())) return -1;
  const QString names[] = {QStringLiteral("(LOAD)"), QStringLiteral("(PEN)"), QStringLiteral("NONE"), QStringLiteral("()")};
  QElapsedTimer timer;
  timer.start();
  db.beginTransaction();
  QSqlQuery insert(db.connection());
  insert.prepare(QStringLiteral("INSERT INTO %1 VALUES (?,?,?,?,?,?,?,?,?,?)").arg(platform::db::quoteIdentifier(Table)));
  for (const Reading& r : readings) {
    insert.bindValue(0, r.number);
    insert.bindValue(1, r.time);
    for (int c = 0; c < 4; ++c) insert.bindValue(2 + c, r.channels[c]);
    for (int c = 0; c < 4; ++c) insert.bindValue(6 + c, names[c]);
    insert.exec();
  }
  db.commit();
  const double seconds = timer.nsecsElapsed() / 1e9;
  rows = countRows(db);
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const benchsupport::BenchProgramFolder folder;

  const QList<Reading> readings = makeReadings();
  const QByteArray printout = makePrintout(readings);
  double parser = 0, direct = 0;
  for (int round = 0; round < Rounds; ++round) {
    int parsedRows = 0, insertedRows = 0;
    const double parserRound = parserSeconds(printout, parsedRows);
    const double directRound = directSeconds(readings, insertedRows);
    if (parserRound <= 0 || directRound <= 0 || parsedRows != Readings || insertedRows != Readings) {
      std::printf("benchmark failed: parser %d rows, direct %d rows\n", parsedRows, insertedRows);
      return 1;
    }
    parser = round == 0 ? parserRound : std::min(parser, parserRound);
    direct = round == 0 ? directRound : std::min(direct, directRound);
  }
  const double charRate = printout.size() / parser;
  const double parserRows = Readings / parser;
  const double directRows = Readings / direct;
  std::printf("printout: %d readings, %lld characters; best of %d rounds\n", Readings,
              static_cast<long long>(printout.size()), Rounds);
  std::printf("parser path:   %.3f s, %.0f rows/s, %.0f characters/s\n", parser, parserRows, charRate);
  std::printf("direct insert: %.3f s, %.0f rows/s\n", direct, directRows);
  std::printf("parser / direct rows:      %.2f (target >= 0.5)\n", parserRows / directRows);
  std::printf("parser / 19200-baud line:  %.0f x (target >= 1000)\n", charRate / LineRate);
  return 0;
}
