#include "download/DownloadEndNote.h"

#include <QLocale>
#include <QStringList>

#include "instrument/DeviceType.h"

namespace download {
namespace {

namespace ModelCode = instrument::ModelCode;

const QString Separator = QStringLiteral("  ");
const QString CompleteEnd = QStringLiteral("The download is complete.");
const QString LostAfterPrintout = QStringLiteral(
    "The instrument's port was lost after the printout had ended; the download ended as the silence after it "
    "would have.");
const QString ClosedAfterPrintout = QStringLiteral(
    "The wizard was closed after the printout had ended; the download ended as the silence after it would "
    "have.");
const QString ClosedAsItEnded = QStringLiteral("The wizard was closed as the printout ended.");
const QString ClosedEnd = QStringLiteral("The download was stopped when the wizard closed.");
const QString DoneEnd = QStringLiteral("The download was ended with Done.");
const QString Unchanged = QStringLiteral("The earlier data are unchanged.");
const QString NotPutBack = QStringLiteral("The earlier data could not be put back.");
// %1: the model's word for its data sets, %2: their names.
const QString Kept = QStringLiteral("%1 kept: %2.");
const QString WholePrintout = QStringLiteral("This is the whole printout.");
// %1: the table of the run or test.
const QString CutOffDropped = QStringLiteral("%1 was cut off in the middle and dropped.");
const QString TestDropped = QStringLiteral("The test in progress was dropped.");
const QString StatusPrefix = QStringLiteral("Status: ");
const QString TitleStart = QStringLiteral(" (Dwnld:");
const QString TitleEnd = QStringLiteral(")");

// A model's words for its data sets: in notes, and in the download title.
struct DataSetWords {
  QString kept;
  QString title;
};

const DataSetWords& dataSetWords(int Model_Code) {
  static const DataSetWords tests{QStringLiteral("Tests"), QStringLiteral("Tests")};
  static const DataSetWords runs{QStringLiteral("Runs"), QStringLiteral("Run Number")};
  static const DataSetWords projects{QStringLiteral("Projects"), QStringLiteral("Projects")};
  if (Model_Code == ModelCode::LX9100) return tests;
  if (Model_Code == ModelCode::T7310) return runs;
  return projects;
}

bool endsWithWholePrintout(DownloadEnd end) {
  return end == DownloadEnd::Complete || end == DownloadEnd::PortLostAfterPrintout ||
         end == DownloadEnd::ClosedAfterPrintout || end == DownloadEnd::ClosedAsItEnded;
}

QString howItEnded(const DownloadEndFacts& facts) {
  switch (facts.end) {
    case DownloadEnd::Complete: return CompleteEnd;
    case DownloadEnd::PortLostAfterPrintout: return LostAfterPrintout;
    case DownloadEnd::ClosedAfterPrintout: return ClosedAfterPrintout;
    case DownloadEnd::ClosedAsItEnded: return ClosedAsItEnded;
    case DownloadEnd::Closed: return ClosedEnd;
    case DownloadEnd::Done: return DoneEnd;
    case DownloadEnd::Failed: break;
  }
  return facts.cause;
}

QString whatWasKept(const DownloadEndFacts& facts) {
  if (facts.kept.trimmed().isEmpty()) return facts.earlierDataUnchanged ? Unchanged : NotPutBack;
  const QString names = facts.kept.split(QLatin1Char(' '), Qt::SkipEmptyParts).join(QStringLiteral(", "));
  const QString kept = Kept.arg(dataSetWords(facts.Model_Code).kept, names);
  if (!facts.dropped.isEmpty()) return kept + Separator + CutOffDropped.arg(facts.dropped);
  if (facts.droppedTestInProgress) return kept + Separator + TestDropped;
  return endsWithWholePrintout(facts.end) ? kept + Separator + WholePrintout : kept;
}

}  // namespace

QString endNote(const DownloadEndFacts& facts) {
  const QString how = howItEnded(facts);
  return how.isEmpty() ? whatWasKept(facts) : how + Separator + whatWasKept(facts);
}

QString statusText(const QString& note) { return StatusPrefix + note; }

QString downloadTitle(int Model_Code, const QDate& date) {
  return dataSetWords(Model_Code).title + TitleStart + QLocale::system().toString(date, QLocale::ShortFormat) +
         TitleEnd;
}

}  // namespace download
