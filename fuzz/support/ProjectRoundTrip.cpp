#include "fuzz/support/ProjectRoundTrip.h"

#include <QFile>

#include "fuzz/support/DatabaseChecks.h"
#include "fuzz/support/KnownRoundTripFaults.h"
#include "instrument/CreateDatabase.h"
#include "instrument/writeout.h"

namespace fuzzing {
namespace {

bool writeBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size() && file.flush();
}

// The checks every opened working database must pass.
QString databaseProblem(int modelCode, const QString& tableList) {
  const QString path = instrument::CreateDatabase::databasePath();
  if (const QString problem = integrityProblem(path); !problem.isEmpty()) return problem;
  if (const QString missing = missingListedTables(path, modelCode, tableList); !missing.isEmpty())
    return QStringLiteral("listed tables missing: ") + missing;
  return {};
}

}  // namespace

RoundTripOutcome roundTrip(const QByteArray& projectFile, const QString& folder) {
  RoundTripOutcome outcome;
  const QString original = folder + QStringLiteral("/opened.txt");
  const QString saved = folder + QStringLiteral("/saved.txt");
  if (!writeBytes(original, projectFile)) {
    outcome.problem = QStringLiteral("cannot write ") + original;
    return outcome;
  }
  instrument::writeout reader;
  const std::optional<QString> list = reader.Get_tables(original, QString());
  if (!list) return outcome;
  outcome.opened = true;
  const int model = reader.FoundDevice;
  outcome.problem = databaseProblem(model, *list);
  if (!outcome.problem.isEmpty()) return outcome;
  const QString databasePath = instrument::CreateDatabase::databasePath();
  outcome.knownFault = knownRoundTripFault(databasePath, model, *list);
  const TableSnapshot before = snapshotOf(databasePath);

  instrument::writeout writer;
  if (writer.writeout_(saved, *list, static_cast<qint16>(model)) != instrument::SaveStatus::Saved) {
    outcome.problem = QStringLiteral("save failed: ") + writer.message();
    return outcome;
  }
  instrument::writeout reopener;
  const std::optional<QString> reopened = reopener.Get_tables(saved, *list);
  if (!reopened) {
    outcome.problem = QStringLiteral("saved file does not reopen: ") + reopener.message();
    return outcome;
  }
  outcome.problem = databaseProblem(model, *reopened);
  if (outcome.problem.isEmpty()) outcome.problem = snapshotDifference(before, snapshotOf(databasePath));
  if (outcome.problem.isEmpty()) outcome.problem = tableListDifference(model, *list, *reopened);
  return outcome;
}

}  // namespace fuzzing
