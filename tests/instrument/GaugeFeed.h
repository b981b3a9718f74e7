#pragma once

#include <QByteArray>
#include <QList>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>

#include "instrument/CreateDatabase.h"
#include "instrument/Parse.h"
#include "instrument/StatusCodes.h"
#include "platform/db/Database.h"
#include "platform/db/SqlIdentifier.h"

// Feeding gauge printouts to a Parse object the way the two feeders do, and
// reading back what the parsers stored.
namespace gaugetest {

enum class Feeder {
  Serial,       // codes 32 to 90 and CR; empty calls after each CR
  ProjectFile,  // the same characters, and character 253
};

// A call that answered something other than status::NoValue.
struct Answer {
  qsizetype position;  // index of the byte in the printout
  int result;
  bool operator==(const Answer&) const = default;
};

inline void PrintTo(const Answer& answer, std::ostream* out) {
  *out << "{" << answer.position << ", " << answer.result << "}";
}

inline bool passes(unsigned char byte, Feeder feeder) {
  return (byte >= 32 && byte <= 90) || byte == 13 || (byte == 253 && feeder == Feeder::ProjectFile);
}

// Feeds the printout one character per call. With stopAtComplete the feed
// ends at the first 89, as the serial feeder and the replay of an N2600BX
// file do.
inline QList<Answer> feed(instrument::Parse& parse, instrument::Parse::Member member, const QByteArray& printout,
                          Feeder feeder = Feeder::ProjectFile, int emptyCallsAfterLineEnd = 0,
                          bool stopAtComplete = false) {
  QList<Answer> answers;
  auto answer = [&](qsizetype position, int result) {
    if (result != instrument::status::NoValue) answers.append({position, result});
    return stopAtComplete && result == instrument::status::ParseComplete;
  };
  for (qsizetype i = 0; i < printout.size(); ++i) {
    const auto byte = static_cast<unsigned char>(printout[i]);
    if (!passes(byte, feeder)) continue;
    const QChar c(byte);
    if (answer(i, (parse.*member)(QStringView(&c, 1)))) return answers;
    if (byte != 13 || feeder != Feeder::Serial) continue;
    for (int k = 0; k < emptyCallsAfterLineEnd; ++k)
      if (answer(i, (parse.*member)(QStringView()))) return answers;
  }
  return answers;
}

// The rows of a table of the working database in primary-key order; call
// after DeInit, when everything is committed.
inline QList<QSqlRecord> rows(const QString& table, const QString& keyField) {
  platform::db::Database db;
  if (!db.open(instrument::CreateDatabase::databasePath())) {
    ADD_FAILURE() << "cannot open the working database";
    return {};
  }
  const auto result = db.select(QStringLiteral("SELECT * FROM %1 ORDER BY %2")
                                    .arg(platform::db::quoteIdentifier(table),
                                         platform::db::quoteIdentifier(keyField)));
  return result.value_or(QList<QSqlRecord>());
}

inline QStringList tableNames() {
  platform::db::Database db;
  if (!db.open(instrument::CreateDatabase::databasePath())) return {};
  QStringList names = db.tableNames();
  names.sort(Qt::CaseInsensitive);
  return names;
}

}  // namespace gaugetest
