#pragma once

#include <QString>

namespace fuzzing {

// Sets up what every target needs once per process: a core application (the
// SQL driver and the replay's event-loop turns need one) and a fresh program
// folder in a temporary directory, removed at exit.
void setUpOnce();

// The temporary folder that holds the program folder, for files of a target.
QString scratchFolder();

// Reports a finding and ends the process so that libFuzzer keeps the input.
[[noreturn]] void reportFinding(const QString& what);

}  // namespace fuzzing
