#pragma once

#include <QStringList>

namespace platform {
class ReportDesigner;
}

namespace report {

struct ReportFlags;

// Shows the columns of Col 14 to Col 18 that fit at the size and hides the
// rest (header and data alike); other sizes change nothing.
void showFittingColumns(platform::ReportDesigner& report, int fontSize);

// The remarks column after a re-flow of a density or stiffness report: a
// shown column directly after the last used one that fits. When the last
// column that shows is used, it becomes the remarks column. Every column
// after the remarks column is freed (none that shows holds an item); a
// stiffness block that loses a column goes whole, flag and title included,
// so it can be placed again. The remark lines go with the remarks column.
// The counters (Used_Columns, New_Remarks_Column, Remarks_Column) follow when
// anything moved. Returns the headers of the placed items taken off, left to
// right.
QStringList placeRemarksColumn(platform::ReportDesigner& report, ReportFlags& flags, int fontSize);

// The headers of the placed items past the last column that shows at the
// size, left to right: kept, but hidden until a smaller size shows them.
QStringList itemsNotShown(const platform::ReportDesigner& report, int fontSize);

}  // namespace report
