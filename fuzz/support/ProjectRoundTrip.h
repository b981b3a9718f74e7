#pragma once

#include <QByteArray>
#include <QString>

namespace fuzzing {

// How one project file fared through open, save and reopen.
struct RoundTripOutcome {
  bool opened = false;     // the first open gave a table list
  QString problem;         // what went wrong, empty when nothing did
  QString knownFault;      // a known fault present in the first open, if any
};

// Opens the bytes as a project file (Get_tables), checks the working
// database it left, saves every listed table to a second file, opens that and
// compares the tables and the list with those of the first open. Files are
// written into folder; the working database is the program folder's.
RoundTripOutcome roundTrip(const QByteArray& projectFile, const QString& folder);

}  // namespace fuzzing
