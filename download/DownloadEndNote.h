#pragma once

#include <QString>

namespace download {

// What became of the data when a download ended otherwise than by its
// printout's own end (the wizard closed, Done, a port lost after the
// printout), in words for the wizard's cause line and the main window's
// status bar.

enum class EndedBy { Close, Done };

// How the download ended, then what became of the data.
QString endedNote(EndedBy by, const QString& whatBecameOfTheData);
// The previous data after a download that kept nothing: put back, or lost
// because their copy could not be put back.
QString earlierDataNote(bool unchanged);
// The tables kept, by the model's word for them ("Tests kept: UC1, MARSHALL1.").
QString keptDataNote(int Model_Code, const QString& tables, bool droppedTestInProgress = false);
// A port lost while the download waited for the silence after the printout.
QString lostAfterPrintoutNote(int Model_Code, const QString& tables);
// A note as the main window's status bar shows it.
QString statusText(const QString& note);

}  // namespace download
