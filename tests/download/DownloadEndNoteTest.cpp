// How each end of a download is said: one line for the wizard and the status
// bar, with how it ended, what was kept, and whether it is the whole printout
// (only where the printout's own end was seen).

#include "download/DownloadEndNote.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "instrument/DeviceType.h"
#include "instrument/StatusCodes.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"

namespace download {
namespace {

namespace ModelCode = instrument::ModelCode;
namespace DeviceType = instrument::DeviceType;
namespace status = instrument::status;

constexpr int T7310 = ModelCode::T7310;
constexpr int Stiffness = DeviceType::T7310;

TEST(DownloadEndNoteTest, EachEndSaysHowItEndedWhatWasKeptAndOnlyThenThatItIsTheWholePrintout) {
  const QString lost =
      "The instrument's port was lost during the download.  Check that the cable and the adapter are plugged in, "
      "then start the download again.";
  const QString quietLost = "The instrument's port was lost after the line had fallen quiet; the download ended there.";
  const QString quietClosed = "The wizard was closed after the line had fallen quiet; the download ended there.";
  const QString notKnown = "Whether the printout went on after that is not known.";
  const QString unchanged = "  The earlier data are unchanged.";
  const QString notStarted = "The download was not started.  ";
  const QString checkN2600A = "  Check that the instrument chosen, N2600A, is the one that sent it.";
  const struct {
    DownloadEndFacts facts;
    QString line;
  } ends[] = {
      {{.end = DownloadEnd::EndMark, .Model_Code = T7310, .device_type = Stiffness, .kept = "RUN1 RUN2 "},
       "The download is complete.  Runs kept: RUN1, RUN2.  This is the whole printout."},
      // A single download stops at its first test's END, whatever follows.
      {{.end = DownloadEnd::EndMark, .device_type = DeviceType::LoadFrameSingle, .kept = "CBR_LBR1 "},
       "The download is complete.  Tests kept: CBR_LBR1.  A Single Download keeps the first test of the printout."},
      {{.end = DownloadEnd::Silence, .Model_Code = T7310, .device_type = Stiffness, .afterCompleteRecord = true,
        .kept = "RUN1 "},
       "The download is complete: the line fell silent after the printout.  Runs kept: RUN1.  This is the whole "
       "printout."},
      {{.end = DownloadEnd::Silence, .Model_Code = T7310, .device_type = Stiffness, .kept = "RUN1 RUN2 ",
        .unfinished = "RUN2"},
       "The line fell silent before the printout's end was seen, and the download ended with that silence.  Runs "
       "kept: RUN1, RUN2.  RUN2 was cut off in the middle and is kept as far as it came."},
      {{.end = DownloadEnd::PortLostWhenQuiet, .Model_Code = T7310, .device_type = Stiffness,
        .afterCompleteRecord = true, .kept = "RUN1 "},
       quietLost + "  Runs kept: RUN1.  " + notKnown},
      // A gauge may pause between runs: a close then keeps them, no more.
      {{.end = DownloadEnd::ClosedWhenQuiet, .Model_Code = T7310, .device_type = Stiffness,
        .afterCompleteRecord = true, .kept = "RUN20 RUN21 ", .laterRunsTable = "RUN21"},
       quietClosed + "  Runs kept: RUN20, RUN21+.  " + notKnown},
      {{.end = DownloadEnd::ClosedWhenQuiet, .Model_Code = T7310, .device_type = Stiffness, .kept = "RUN1 ",
        .dropped = "RUN2"},
       quietClosed + "  Runs kept: RUN1.  RUN2 was cut off in the middle and dropped."},
      {{.end = DownloadEnd::EndMark, .Model_Code = ModelCode::N2600A, .device_type = DeviceType::N2600A,
        .closedAsItEnded = true, .kept = "P1 "},
       "The wizard was closed as the printout ended.  Projects kept: P1.  This is the whole printout."},
      {{.end = DownloadEnd::Closed, .device_type = DeviceType::LoadFrameContinuous},
       "The download was stopped when the wizard closed.  The earlier data are unchanged."},
      {{.end = DownloadEnd::Closed, .device_type = DeviceType::LoadFrameContinuous, .kept = "UC1 ",
        .droppedTestInProgress = true},
       "The download was stopped when the wizard closed.  Tests kept: UC1.  The test in progress was dropped."},
      {{.end = DownloadEnd::Done, .device_type = DeviceType::LoadFrameContinuous, .kept = "UC1 MARSHALL1 "},
       "The download was ended with Done.  Tests kept: UC1, MARSHALL1."},
      {{.Model_Code = T7310, .failure = {.Download_Status = status::PortLost}}, lost + unchanged},
      {{.Model_Code = T7310, .earlierDataUnchanged = false, .failure = {.Download_Status = status::PortLost}},
       lost + "  The earlier data could not be put back."},
      {{.kept = "UC1 ", .droppedTestInProgress = true, .failure = {.Download_Status = status::PortLost}},
       lost + "  Tests kept: UC1.  The test in progress was dropped."},
      // Failures say how the download ended, and name the model chosen
      // where the printout did not read as its own.
      {{.Model_Code = ModelCode::N2600A, .failure = {.Download_Status = status::NoTablesCreated}},
       "The printout ended without making a table: nothing in it read as data of the N2600A chosen." + checkN2600A +
           unchanged},
      {{.Model_Code = ModelCode::N2600A,
        .failure = {.Download_Status = status::ReceiveOverflow, .fellSilent = true}},
       "The line fell silent before the printout's end, and nothing in it read as data of the N2600A chosen." +
           checkN2600A + unchanged},
      {{.Model_Code = ModelCode::N2600A,
        .failure = {.Download_Status = status::ReceiveOverflow, .fellSilent = true, .printoutRead = true}},
       "The line fell silent before the printout's end: it stopped part-way, or is not a printout of the N2600A "
       "chosen." + checkN2600A + unchanged},
      {{.failure = {.Download_Status = status::ReceiveOverflow}},
       "Data came faster than they could be read.  Start the download again." + unchanged},
      {{.Model_Code = T7310, .failure = {.Download_Status = status::StiffnessRejected}},
       "The printout did not read as data of the T7310 chosen: a value in it was refused.  Check that the "
       "instrument chosen, T7310, is the one that sent it.  If it is, answer the question about the gauge's date "
       "again." + unchanged},
      {{.failure = {.Download_Status = status::DatabaseLocked, .refused = Refusal::OtherWorkRunning}},
       notStarted + "The program was reading a project file; start the download again once that has ended." +
           unchanged},
      {{.failure = {.Download_Status = status::DatabaseLocked, .refused = Refusal::FolderNotHeld}},
       notStarted + "The program could not claim its folder, as the message said." + unchanged},
      {{.failure = {.Download_Status = status::DatabaseLocked, .refusal = "Another program holds it."}},
       notStarted + "Another program holds it." + unchanged},
  };
  for (const auto& end : ends) EXPECT_EQ(endNote(end.facts).toStdString(), end.line.toStdString());
  EXPECT_EQ(statusText("The download is complete."), "Status: The download is complete.");
}


// A start refused for want of room for the copy says once that nothing changed.
TEST(DownloadEndNoteTest, ARefusedStartSaysOnceWhatBecameOfTheEarlierData) {
  const QString folder = QDir::toNativeSeparators(
      QFileInfo(platform::ProgramFolder::path(platform::ProgramFiles::Database)).absolutePath());
  EXPECT_EQ(endNote({.failure = {.Download_Status = status::BackupFailed}}).toStdString(),
            ("The download was not started: the previous data could not be copied aside in " + folder +
             ".  The disk of that folder may be full, or the folder read-only.  The earlier data are unchanged.")
                .toStdString());
}

}  // namespace
}  // namespace download
