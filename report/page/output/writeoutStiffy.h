#pragma once

#include <QString>

namespace platform {
class ReportDesigner;
}

namespace report {

// How a stiffness CSV write ended.
enum class StiffyCsvStatus {
  Written = 0,
  WriteFailed,  // the file could not be opened, written or put in place; any earlier file is kept
};

// The message the user sees when the stiffness CSV could not be written to a
// file not named.
inline const QString StiffyCsvFailedMessage = QStringLiteral("Error Opening File.  Make sure file is closed.");

// Writes the stiffness report that Report1 (the StiffyReport designer) shows
// into the comma-separated file filename: the run line, two empty lines, the
// two heading lines, one line per frequency bin (at least 25 lines, those
// past the run's last bin empty) and the averages line. Every value is the text of its report object as it stands (a decimal
// comma becomes a point); nothing is read from the database. The file is
// written to a temporary file and renamed into place, so a failure leaves any
// earlier file as it was. Shows nothing; the caller reports a failure, with
// why (when given) in words for the user, empty when no file was named.
StiffyCsvStatus writeoutStiffy(const platform::ReportDesigner& Report1, const QString& filename,
                               QString* why = nullptr);

}  // namespace report
