#pragma once

#include <QDate>
#include <QString>

#include "download/FailureCause.h"

namespace download {

// How a download ended, in the one line that the wizard and the main
// window's status bar both show: how it ended, what became of the data and,
// only where the printout's own end was seen, that the data are the whole
// printout. The line is made here from facts alone (how the receive loop
// ended, where the parser stood, the download type); the driver gives facts,
// not words. Also the model's words for its data sets, which the download
// title repeats.

enum class DownloadEnd {
  // The printout's own end: the gauge's end mark, or the parser's end of the
  // printout (of its first test, for a single load-frame download).
  EndMark,
  // The receive loop's own silence limit.
  Silence,
  // The port went, or the wizard closed, on a quiet line while the silence
  // after the printout was awaited: ended as that silence would have.
  PortLostWhenQuiet,
  ClosedWhenQuiet,
  // The wizard closed during the download, or Done ended it.
  Closed,
  Done,
  // Any failure, with its facts.
  Failed,
};

struct DownloadEndFacts {
  DownloadEnd end = DownloadEnd::Failed;
  // The model chosen, and the receive loop's download type
  // (instrument/DeviceType.h).
  int Model_Code = 0;
  int device_type = -1;
  // The parser stood between runs when a silence, or an end on a quiet line,
  // ended the printout.
  bool afterCompleteRecord = false;
  // The wizard was closed as the last data arrived.
  bool closedAsItEnded = false;
  // The new tables kept, a table list; empty when none were kept and the
  // earlier data stay (or could not be put back).
  QString kept;
  // Among them the stiffness gauge's table of the later runs, if any.
  QString laterRunsTable;
  // A run or test cut off in the middle and dropped, by its table.
  QString dropped;
  // A run or test the silence limit found cut off, kept as far as it came.
  QString unfinished;
  // A continuous download dropped the test it was receiving.
  bool droppedTestInProgress = false;
  bool earlierDataUnchanged = true;
  FailureFacts failure;
};

QString endNote(const DownloadEndFacts& facts);
// A note as the main window's status bar shows it.
QString statusText(const QString& note);
// The title of the downloaded data in the tree: the model's word and the date.
QString downloadTitle(int Model_Code, const QDate& date);

}  // namespace download
