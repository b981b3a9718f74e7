#include "download/DownloadEndNote.h"

#include <QLocale>
#include <QStringList>

#include "instrument/DeviceType.h"
#include "instrument/RunTables.h"

namespace download {
namespace {

namespace ModelCode = instrument::ModelCode;
namespace DeviceType = instrument::DeviceType;

const QString Separator = QStringLiteral("  ");
const QString CompleteEnd = QStringLiteral("The download is complete.");
const QString SilenceAfterPrintout =
    QStringLiteral("The download is complete: the line fell silent after the printout.");
const QString SilenceInside = QStringLiteral(
    "The line fell silent before the printout's end was seen, and the download ended with that silence.");
const QString LostWhenQuiet =
    QStringLiteral("The instrument's port was lost after the line had fallen quiet; the download ended there.");
const QString ClosedWhenQuiet =
    QStringLiteral("The wizard was closed after the line had fallen quiet; the download ended there.");
const QString ClosedAsPrintoutEnded = QStringLiteral("The wizard was closed as the printout ended.");
const QString ClosedAsDownloadEnded = QStringLiteral("The wizard was closed as the download ended.");
const QString ClosedEnd = QStringLiteral("The download was stopped when the wizard closed.");
const QString DoneEnd = QStringLiteral("The download was ended with Done.");
const QString Unchanged = QStringLiteral("The earlier data are unchanged.");
const QString NotPutBack = QStringLiteral("The earlier data could not be put back.");
// %1: the model's word for its data sets, %2: their names.
const QString Kept = QStringLiteral("%1 kept: %2.");
const QString WholePrintout = QStringLiteral("This is the whole printout.");
const QString FirstTestOnly = QStringLiteral("A Single Download keeps the first test of the printout.");
const QString MoreNotKnown = QStringLiteral("Whether the printout went on after that is not known.");
// %1: the table of the run or test.
const QString CutOffDropped = QStringLiteral("%1 was cut off in the middle and dropped.");
const QString Unfinished = QStringLiteral("%1 was cut off in the middle and is kept as far as it came.");
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

bool singleLoadFrame(const DownloadEndFacts& facts) { return facts.device_type == DeviceType::LoadFrameSingle; }

// Only the printout's own end says it is whole: the gauge's end mark, or the
// receive loop's silence limit with the parser between runs. A port lost or a
// close on a quiet line may come while a gauge pauses between runs; a single
// load-frame download stops at its first test.
bool wholePrintoutSeen(const DownloadEndFacts& facts) {
  if (singleLoadFrame(facts)) return false;
  return facts.end == DownloadEnd::EndMark || (facts.end == DownloadEnd::Silence && facts.afterCompleteRecord);
}

QString howItEnded(const DownloadEndFacts& facts) {
  if (facts.closedAsItEnded) return wholePrintoutSeen(facts) ? ClosedAsPrintoutEnded : ClosedAsDownloadEnded;
  switch (facts.end) {
    case DownloadEnd::EndMark: return CompleteEnd;
    case DownloadEnd::Silence: return facts.afterCompleteRecord ? SilenceAfterPrintout : SilenceInside;
    case DownloadEnd::PortLostWhenQuiet: return LostWhenQuiet;
    case DownloadEnd::ClosedWhenQuiet: return ClosedWhenQuiet;
    case DownloadEnd::Closed: return ClosedEnd;
    case DownloadEnd::Done: return DoneEnd;
    case DownloadEnd::Failed: break;
  }
  return failureCause(facts.failure, facts.Model_Code);
}

// The kept tables as the tree names them.
QString keptNames(const DownloadEndFacts& facts) {
  QStringList names = facts.kept.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (QString& name : names)
    if (!facts.laterRunsTable.isEmpty() && name == facts.laterRunsTable) name += instrument::LaterRunsMark;
  return names.join(QStringLiteral(", "));
}

// What the kept data are of the printout, where that is known.
QString ofThePrintout(const DownloadEndFacts& facts) {
  if (wholePrintoutSeen(facts)) return WholePrintout;
  if (singleLoadFrame(facts) && facts.end == DownloadEnd::EndMark) return FirstTestOnly;
  const bool quietEnd = facts.end == DownloadEnd::PortLostWhenQuiet || facts.end == DownloadEnd::ClosedWhenQuiet;
  return quietEnd && facts.dropped.isEmpty() ? MoreNotKnown : QString();
}

QString whatWasKept(const DownloadEndFacts& facts) {
  if (facts.kept.trimmed().isEmpty()) return facts.earlierDataUnchanged ? Unchanged : NotPutBack;
  QStringList sentences{Kept.arg(dataSetWords(facts.Model_Code).kept, keptNames(facts))};
  if (!facts.dropped.isEmpty()) sentences << CutOffDropped.arg(facts.dropped);
  if (!facts.unfinished.isEmpty()) sentences << Unfinished.arg(facts.unfinished);
  if (facts.droppedTestInProgress) sentences << TestDropped;
  sentences << ofThePrintout(facts);
  sentences.removeAll(QString());
  return sentences.join(Separator);
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
