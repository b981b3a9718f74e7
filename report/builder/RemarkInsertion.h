#pragma once

#include <QString>

#include "platform/report/ReportClick.h"
#include "report/builder/ReportFlags.h"

namespace platform {
class ReportDesigner;
}

namespace report {

// The remarks column text with `remark` on data row `row` (1-based): the
// column holds one line per data row, each ended by a carriage return. The
// row's former remark is replaced, the other rows keep theirs; a shorter (or
// free, a single blank) column is filled with empty lines up to the row. Line
// breaks inside the remark become blanks, so it stays on its row.
QString withRemarkOnRow(const QString& columnText, int row, const QString& remark);

// Where a remark for a viewer click goes: the "Remarks" column of the block
// that holds the clicked reading (a load-frame report continues its readings
// in a mirror block with its own "Remarks"), on the line of that reading in
// the block's read-number column; or why it cannot go anywhere.
struct RemarkPlace {
  int column = 0;
  int line = 0;
  QString problem;  // empty when the remark can be placed
  bool placeable() const { return problem.isEmpty(); }
};

// The click is read from the page as the viewer showed it, at the click's
// height, so any column of a reading's row (the remarks column included,
// however few lines it holds) gives that reading, on every page.
RemarkPlace remarkPlace(const platform::ReportDesigner& report, const ReportFlags& flags,
                        const platform::ReportClick& click);

// Puts the remark into the Report beside the clicked reading. Returns the
// place; a remark that could not be placed leaves the report unchanged and
// says why in the place's problem.
RemarkPlace ADD_REMARK(platform::ReportDesigner& report, const ReportFlags& flags, const platform::ReportClick& click,
                       const QString& Remarktoadd);

// The remark as its row shows it: line breaks inside it become blanks.
QString remarkLine(QString remark);

// The remark already on the place's row of its column; empty when none.
QString remarkOnRow(const platform::ReportDesigner& report, const RemarkPlace& place);

// A remark added after the one its row holds: both on the row, in that order.
QString remarkAfter(const QString& former, const QString& added);

inline const QString RemarkNeedsReading =
    QStringLiteral("A remark goes beside a reading.  Click on the row of a reading in the report, then choose "
                   "Add Remark.");
inline const QString RemarkNotOnStiffnessReport =
    QStringLiteral("Remarks go into the raw data report.  Click on a reading there, then choose Add Remark.");
inline const QString RemarkNoColumn =
    QStringLiteral("The report has no Remarks column beside this reading, so the remark cannot be added.");
inline const QString RemarkNotWritten = QStringLiteral("The remark could not be written into the report.");
inline const QString RemarkAlreadyOnRow =
    QStringLiteral("This reading already has the remark \"%1\".  Yes replaces it with the new remark, No adds the "
                   "new remark after it, Cancel leaves the reading's remark as it is.");

}  // namespace report
