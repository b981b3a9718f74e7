// A fuzzed project file opened (Get_tables), saved and opened again: the
// tables and the table list must come back equal. Inputs that show a known
// round-trip fault (support/KnownRoundTripFaults.h) are not reported.

#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzEnvironment.h"
#include "fuzz/support/KnownRoundTripFaults.h"
#include "fuzz/support/ProjectRoundTrip.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzing::setUpOnce();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const fuzzing::RoundTripOutcome outcome = fuzzing::roundTrip(bytes, fuzzing::scratchFolder());
  if (outcome.problem.isEmpty()) return 0;
  if (!outcome.knownFault.isEmpty() && fuzzing::skippingKnownFaults()) return 0;
  fuzzing::reportFinding(outcome.problem);
}
