#pragma once

#include <QString>

namespace instrument {
struct ProgramState;
}

namespace report {

class ReportTabPage;
struct ReportDesigners;
struct ReportFlags;

// The caption over the report naming what it shows: "No Project Selected"
// when nothing is selected, else the project, test or run of the model (a
// density gauge's project id as the project tree shows it, the shared table
// of later stiffness runs with the tree's mark).
QString projectCaption(const instrument::ProgramState& state, bool laterRuns = false);

// The labels, instructions and button captions of the report page; the
// column lists serve the raw-data report, so the stiffness gauge starts
// with them off.
void setPageCaptions(ReportTabPage& page, int Model_Code);

// The load frame prints portrait in its own frame; the other models print
// landscape, and so does the stiffness report of the stiffness gauge.
void applyPageVariant(ReportDesigners& designers, int Model_Code);

// What every rebuilt report starts from: size 9, no logo, no stiffness
// block, no data column; "Remarks" stands in column 2.
void startCleanReport(ReportFlags& flags);

}  // namespace report
