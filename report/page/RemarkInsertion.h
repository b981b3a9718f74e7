#pragma once

#include <QString>

#include "platform/ui/ReportClick.h"
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

// The data row under a viewer click: the line of the data column object
// clicked (the viewer counts lines over the whole text, so later pages give
// later rows), or 0 when the click was not on a data column.
int clickedDataRow(const platform::ReportClick& click);

// Puts the remark into the Report's remarks column (Remarks_Column, 2 to 19)
// on the clicked row. Returns whether the column was changed.
bool ADD_REMARK(platform::ReportDesigner& report, const ReportFlags& flags, const platform::ReportClick& click,
                const QString& Remarktoadd);

}  // namespace report
