#include "download/FailureCause.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include "download/ComSummaryCaptions.h"
#include "instrument/StatusCodes.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/serial/ComPortMap.h"

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
// %1: the folder of the working database.
const QString NoCopyAside = QStringLiteral(
    "The previous data could not be copied aside in %1, so the download was not started and they are kept as "
    "they were.  The disk of that folder may be full, or the folder read-only.");
const QString DiskFailure = QStringLiteral(
    "The data could not be stored in %1.  The disk of that folder may be full, or the folder read-only; make "
    "room on it, then start the download again.");
// %1: the port's device caption, %2: the port number, %3: the settings file.
const QString NoSuchDevice = QStringLiteral(
    "%1: there is no such device.  Check that the cable or USB adapter is plugged in, or map COM%2 to its "
    "device in %3.");
const QString DeviceNotOpened = QStringLiteral(
    "%1 could not be opened.  Check that no other program uses it and that this user may open it (on Linux, "
    "membership of the dialout group), or map COM%2 to another device in %3.");

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

QString databaseFolder() {
  const QString database = platform::ProgramFolder::path(platform::ProgramFiles::Database);
  return QDir::toNativeSeparators(QFileInfo(database).absolutePath());
}

// Failures of the working database's disk, which the cause names.
const QHash<int, QString>& diskCauses() {
  static const QHash<int, QString> table{
      {status::BackupFailed, NoCopyAside},
      {status::CreateFailed, DiskFailure},
      {status::DatabaseMissing, DiskFailure},
      {status::DatabaseWriteFailed, DiskFailure},
  };
  return table;
}

}  // namespace

QString failureCause(int Download_Status) {
  if (diskCauses().contains(Download_Status)) return diskCauses().value(Download_Status).arg(databaseFolder());
  return causes().value(Download_Status);
}

QString portErrorCause(int port) {
  const bool exists = QFileInfo::exists(platform::ComPortMap::devicePath(port));
  return (exists ? DeviceNotOpened : NoSuchDevice)
      .arg(comDeviceCaption(port))
      .arg(port)
      .arg(platform::ProgramFiles::ComPortMap);
}

}  // namespace download
