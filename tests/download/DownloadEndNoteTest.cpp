// How each end of a download is said: one line for the wizard and the status
// bar, with what was kept and whether it is the whole printout.

#include "download/DownloadEndNote.h"

#include <gtest/gtest.h>

#include "instrument/DeviceType.h"

namespace download {
namespace {

namespace ModelCode = instrument::ModelCode;

TEST(DownloadEndNoteTest, EachEndSaysWhatWasKeptAndWhetherItIsTheWholePrintout) {
  const QString lost = "The instrument's port was lost during the download.";
  const struct {
    DownloadEndFacts facts;
    const char* line;
  } ends[] = {
      {{DownloadEnd::Complete, ModelCode::T7310, "RUN1 RUN2 "},
       "The download is complete.  Runs kept: RUN1, RUN2.  This is the whole printout."},
      {{DownloadEnd::PortLostAfterPrintout, ModelCode::T7310, "RUN1 "},
       "The instrument's port was lost after the printout had ended; the download ended as the silence after it "
       "would have.  Runs kept: RUN1.  This is the whole printout."},
      {{DownloadEnd::ClosedAfterPrintout, ModelCode::T7310, "RUN1 "},
       "The wizard was closed after the printout had ended; the download ended as the silence after it would "
       "have.  Runs kept: RUN1.  This is the whole printout."},
      {{DownloadEnd::Closed, ModelCode::T7310, "RUN1 ", "RUN2"},
       "The download was stopped when the wizard closed.  Runs kept: RUN1.  RUN2 was cut off in the middle and "
       "dropped."},
      {{DownloadEnd::ClosedAsItEnded, ModelCode::N2600A, "P1 "},
       "The wizard was closed as the printout ended.  Projects kept: P1.  This is the whole printout."},
      {{DownloadEnd::Closed, ModelCode::LX9100},
       "The download was stopped when the wizard closed.  The earlier data are unchanged."},
      {{DownloadEnd::Closed, ModelCode::LX9100, "UC1 ", {}, true},
       "The download was stopped when the wizard closed.  Tests kept: UC1.  The test in progress was dropped."},
      {{DownloadEnd::Done, ModelCode::LX9100, "UC1 MARSHALL1 "},
       "The download was ended with Done.  Tests kept: UC1, MARSHALL1."},
      {{DownloadEnd::Failed, ModelCode::T7310, {}, {}, false, true, lost},
       "The instrument's port was lost during the download.  The earlier data are unchanged."},
      {{DownloadEnd::Failed, ModelCode::T7310, {}, {}, false, false, lost},
       "The instrument's port was lost during the download.  The earlier data could not be put back."},
      {{DownloadEnd::Failed, ModelCode::LX9100, "UC1 ", {}, true, true, lost},
       "The instrument's port was lost during the download.  Tests kept: UC1.  The test in progress was dropped."},
  };
  for (const auto& end : ends) EXPECT_EQ(endNote(end.facts), end.line);
  EXPECT_EQ(statusText("The download is complete."), "Status: The download is complete.");
}

}  // namespace
}  // namespace download
