// One parser fed a fuzzed printout as a download's receive loop feeds it.
// Built once per model (FUZZ_MODEL_CODE). Reports a result the parser may not
// return, a working database that fails its integrity check, and a listed
// table that does not exist.

#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzEnvironment.h"
#include "fuzz/support/DatabaseChecks.h"
#include "fuzz/support/ReceiveFeed.h"
#include "instrument/CreateDatabase.h"
#include "instrument/Parse.h"
#include "instrument/StatusCodes.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzing::setUpOnce();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr int model = FUZZ_MODEL_CODE;
  instrument::Parse parse;
  if (parse.Initit() != instrument::status::Ok) fuzzing::reportFinding(QStringLiteral("Initit failed"));
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const fuzzing::FeedOutcome outcome = fuzzing::feedAsReceived(parse, model, bytes);
  for (const int result : outcome.unexpectedResults)
    fuzzing::reportFinding(QStringLiteral("parser returned %1").arg(result));
  if (outcome.databaseFailed) fuzzing::reportFinding(QStringLiteral("the working database refused a row"));

  const QString path = instrument::CreateDatabase::databasePath();
  if (const QString problem = fuzzing::integrityProblem(path); !problem.isEmpty())
    fuzzing::reportFinding(QStringLiteral("integrity_check: ") + problem);
  if (const QString missing = fuzzing::missingListedTables(path, model, parse.retrn_message()); !missing.isEmpty())
    fuzzing::reportFinding(QStringLiteral("listed tables missing: ") + missing);
  return 0;
}
