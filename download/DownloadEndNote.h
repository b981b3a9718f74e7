#pragma once

#include <QDate>
#include <QString>

namespace download {

// How a download ended, in the one line that the wizard and the main
// window's status bar both show: how it ended, what became of the data and,
// where data were kept, whether they are the whole printout. Also the model's
// words for its data sets, which the download title repeats.

enum class DownloadEnd {
  // The printout's own end, or the silence after it.
  Complete,
  // The port went, or the wizard closed, while only the silence after the
  // printout was awaited: ended as that silence would have.
  PortLostAfterPrintout,
  ClosedAfterPrintout,
  // The wizard closed as the last data arrived: the printout is complete.
  ClosedAsItEnded,
  // The wizard closed during the download, or Done ended it.
  Closed,
  Done,
  // Any failure, with its cause.
  Failed,
};

struct DownloadEndFacts {
  DownloadEnd end = DownloadEnd::Failed;
  int Model_Code = 0;
  // The new tables kept, a table list; empty when none were kept and the
  // earlier data stay (or could not be put back).
  QString kept;
  // A run or test cut off in the middle and dropped, by its table.
  QString dropped;
  // A continuous download dropped the test it was receiving.
  bool droppedTestInProgress = false;
  bool earlierDataUnchanged = true;
  // Why a failure happened; may be empty.
  QString cause;
};

QString endNote(const DownloadEndFacts& facts);
// A note as the main window's status bar shows it.
QString statusText(const QString& note);
// The title of the downloaded data in the tree: the model's word and the date.
QString downloadTitle(int Model_Code, const QDate& date);

}  // namespace download
