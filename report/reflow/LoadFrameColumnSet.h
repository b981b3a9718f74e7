#pragma once

#include <QString>
#include <QStringList>

namespace platform {
class ReportDesigner;
}

namespace report {

struct FontGeometry;
struct ReportFlags;

// The columns a load-frame report shows, read from its left block: the data
// columns in order (every header that is neither free, "RD#" nor "Remarks")
// and the remark lines of its "Remarks" column. The mirror block only repeats
// the left block, so the left block alone says what the report holds.
struct LoadFrameColumnSet {
  QStringList dataHeaders;
  QString remarksText;
};

// Reads the set from the left block of the given geometry, at most as many
// data columns as leave room for "Remarks" in that block.
LoadFrameColumnSet readLoadFrameColumnSet(const platform::ReportDesigner& report, const FontGeometry& geometry);

// Writes the set back as the headers of the geometry's layout: the data
// columns from Col 1 on, one "Remarks" after them, the rest of the left block
// free; with two blocks the mirror block repeats them under its own "RD#";
// every column past the last one in use is free and hidden with its line.
// Remarks_Column and New_Remarks_Column name the left "Remarks". Data texts of
// the data columns are left for the rebuild.
void writeLoadFrameColumnSet(platform::ReportDesigner& report, ReportFlags& flags, const LoadFrameColumnSet& set,
                             const FontGeometry& geometry, bool twoBlocks);

// Shows or hides a column's header and data; hiding also hides the separator
// line right of it (column indexes 2 to 19; 19 has no line).
void showLoadFrameColumn(platform::ReportDesigner& report, int k, bool shown);

}  // namespace report
