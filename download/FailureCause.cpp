#include "download/FailureCause.h"

#include <QHash>

#include "instrument/StatusCodes.h"

namespace download {
namespace {

namespace status = instrument::status;

const QString NoData = QStringLiteral(
    "No data arrived within 30 seconds.  Check the cable, the COM port chosen and that the instrument is printing.");
const QString ForeignCharacter = QStringLiteral(
    "A character the instrument does not send was received.  Check the line speed; for the T7310 answer the "
    "question about the gauge's date again.");
const QString Overflow = QStringLiteral(
    "Data came faster than they could be read, or stopped part-way.  Start the download again.");
const QString PortLost = QStringLiteral(
    "The instrument's port was lost during the download.  Check that the cable and the adapter are plugged in, "
    "then start the download again.");
const QString KeptTests = QStringLiteral("The tests that were complete before the port was lost have been kept.");

// One entry per status code.
const QHash<int, QString>& causes() {
  static const QHash<int, QString> table{
      {status::PortError, NoData},
      {status::ForeignCharacter, ForeignCharacter},
      {status::ReceiveOverflow, Overflow},
      {status::OverflowWaiting, Overflow},
      {status::PortLost, PortLost},
  };
  return table;
}

}  // namespace

QString failureCause(int Download_Status) { return causes().value(Download_Status); }

QString keptTestsNote() { return KeptTests; }

}  // namespace download
