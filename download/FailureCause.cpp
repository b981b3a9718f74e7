#include "download/FailureCause.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <iterator>

#include "download/ComSummaryCaptions.h"
#include "download/WizardTexts.h"
#include "instrument/DeviceType.h"
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
const QString Overflow = QStringLiteral("Data came faster than they could be read.  Start the download again.");
// %1: the model chosen.
const QString CheckModel = QStringLiteral("Check that the instrument chosen, %1, is the one that sent it.");
// A density gauge's printout ends only with its end mark.
const QString SilentUnread =
    QStringLiteral("The line fell silent before the printout's end, and nothing in it read as data of the %1 chosen.");
const QString SilentPartWay = QStringLiteral(
    "The line fell silent before the printout's end: it stopped part-way, or is not a printout of the %1 chosen.");
const QString EmptyPrintout = QStringLiteral("The printout was empty: its end came before any data.");
const QString NoTable =
    QStringLiteral("The printout ended without making a table: nothing in it read as data of the %1 chosen.");
const QString Rejected =
    QStringLiteral("The printout did not read as data of the %1 chosen: a value in it was refused.");
const QString AskedLineSpeed = QStringLiteral("  If it is, answer the question about the gauge's date again.");
const QString NotStarted = QStringLiteral("The download was not started.");
const QString OtherWork =
    QStringLiteral("The program was reading a project file; start the download again once that has ended.");
const QString FolderNotHeld = QStringLiteral("The program could not claim its folder, as the message said.");
// %1: the port number.
const QString PortNotOpened = QStringLiteral("Error with Port COM%1.");
const QString PortLost = QStringLiteral(
    "The instrument's port was lost during the download.  Check that the cable and the adapter are plugged in, "
    "then start the download again.");
// %1: the folder of the working database. What became of the previous data
// the end line says after it.
const QString NoCopyAside = QStringLiteral(
    "The download was not started: the previous data could not be copied aside in %1.  The disk of that folder "
    "may be full, or the folder read-only.");
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

const QString Separator = QStringLiteral("  ");

QString modelCaption(int Model_Code) {
  const QString captions[] = {WizardTexts::LX9100, WizardTexts::N2600A, WizardTexts::N2600BX, WizardTexts::T7310};
  return Model_Code >= 0 && Model_Code < static_cast<int>(std::size(captions)) ? captions[Model_Code] : QString();
}

// A printout that did not read as the model chosen: how it ended, and that
// model to check.
QString notReadAsModel(const QString& how, int Model_Code) {
  const QString model = modelCaption(Model_Code);
  QString cause = how.arg(model) + Separator + CheckModel.arg(model);
  if (Model_Code == instrument::ModelCode::T7310) cause += AskedLineSpeed;
  return cause;
}

QString refusedCause(const FailureFacts& facts) {
  if (facts.refused == Refusal::OtherWorkRunning) return NotStarted + Separator + OtherWork;
  if (facts.refused == Refusal::FolderNotHeld) return NotStarted + Separator + FolderNotHeld;
  if (!facts.refusal.isEmpty()) return NotStarted + Separator + facts.refusal;
  return failureCause(facts.Download_Status);
}

}  // namespace

QString failureCause(int Download_Status) {
  if (diskCauses().contains(Download_Status)) return diskCauses().value(Download_Status).arg(databaseFolder());
  return causes().value(Download_Status);
}

QString failureCause(const FailureFacts& facts, int Model_Code) {
  switch (facts.Download_Status) {
    case status::PortError:
      if (facts.portNotOpened == 0) break;
      return PortNotOpened.arg(facts.portNotOpened) + Separator + portErrorCause(facts.portNotOpened);
    case status::DatabaseLocked:
    case status::BackupFailed:
      return refusedCause(facts);
    case status::NoTablesCreated:
      return facts.printoutEmpty ? EmptyPrintout : notReadAsModel(NoTable, Model_Code);
    case status::StiffnessRejected:
      return notReadAsModel(Rejected, Model_Code);
    case status::ReceiveOverflow:
      if (!facts.fellSilent) break;
      return notReadAsModel(facts.printoutRead ? SilentPartWay : SilentUnread, Model_Code);
    default:
      break;
  }
  return failureCause(facts.Download_Status);
}

QString portErrorCause(int port) {
  const bool exists = QFileInfo::exists(platform::ComPortMap::devicePath(port));
  return (exists ? DeviceNotOpened : NoSuchDevice)
      .arg(comDeviceCaption(port))
      .arg(port)
      .arg(platform::ProgramFiles::ComPortMap);
}

}  // namespace download
