#include "download/DownloadEndNote.h"

#include <QStringList>

#include "instrument/DeviceType.h"

namespace download {
namespace {

namespace ModelCode = instrument::ModelCode;

const QString Separator = QStringLiteral("  ");
const QString ClosedEnd = QStringLiteral("The download was stopped when the wizard closed.");
const QString DoneEnd = QStringLiteral("The download was ended with Done.");
const QString Unchanged = QStringLiteral("The earlier data are unchanged.");
const QString NotPutBack = QStringLiteral("The earlier data could not be put back.");
const QString TestsKept = QStringLiteral("Tests kept: %1.");
const QString RunsKept = QStringLiteral("Runs kept: %1.");
const QString ProjectsKept = QStringLiteral("Projects kept: %1.");
const QString TestDropped = QStringLiteral("The test in progress was dropped.");
const QString LostAfterPrintout = QStringLiteral(
    "The instrument's port was lost after the printout had ended; the download ended as the silence after it "
    "would have.");
const QString StatusPrefix = QStringLiteral("Status: ");

const QString& keptPattern(int Model_Code) {
  if (Model_Code == ModelCode::LX9100) return TestsKept;
  if (Model_Code == ModelCode::T7310) return RunsKept;
  return ProjectsKept;
}

}  // namespace

QString endedNote(EndedBy by, const QString& whatBecameOfTheData) {
  return (by == EndedBy::Close ? ClosedEnd : DoneEnd) + Separator + whatBecameOfTheData;
}

QString earlierDataNote(bool unchanged) { return unchanged ? Unchanged : NotPutBack; }

QString keptDataNote(int Model_Code, const QString& tables, bool droppedTestInProgress) {
  const QString names = tables.split(QLatin1Char(' '), Qt::SkipEmptyParts).join(QStringLiteral(", "));
  const QString kept = keptPattern(Model_Code).arg(names);
  return droppedTestInProgress ? kept + Separator + TestDropped : kept;
}

QString lostAfterPrintoutNote(int Model_Code, const QString& tables) {
  return LostAfterPrintout + Separator + keptDataNote(Model_Code, tables);
}

QString statusText(const QString& note) { return StatusPrefix + note; }

}  // namespace download
