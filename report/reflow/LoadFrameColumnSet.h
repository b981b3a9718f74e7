#pragma once

#include <QString>
#include <QStringList>

namespace platform {
class ReportDesigner;
}

namespace report {

struct FontGeometry;
struct ReportFlags;

// The columns a load-frame report shows, read from its left block before a
// size change moves anything: the columns from Col 1 up to the last data
// column before "Remarks", in place (a free column between data columns is
// an empty entry), and the remark lines of each block's "Remarks" column,
// one per line of that block's read numbers. The mirror block only repeats
// the left block's headers, so the left block alone says what the report
// holds.
struct LoadFrameColumnSet {
  QStringList columns;
  QStringList leftRemarks;
  QStringList mirrorRemarks;
};

// Reads the set from the report as laid out with the given geometry.
LoadFrameColumnSet readLoadFrameColumnSet(const platform::ReportDesigner& report, const FontGeometry& geometry);

// The columns that fit the left block of a geometry with room for "Remarks"
// after them; the columns past it are dropped, and free ones left at the end.
QStringList fittingLoadFrameColumns(const LoadFrameColumnSet& set, const FontGeometry& geometry);

// The data columns of `before` that `after` no longer holds in their place,
// left to right: what a size change took off the report.
QStringList droppedLoadFrameColumns(const LoadFrameColumnSet& before, const LoadFrameColumnSet& after);

// The remark of every reading, in table order, from the set's remark lines
// as split between the blocks at the size the set was read at: count
// readings and the rows per block of that size.
QStringList remarksByReading(const LoadFrameColumnSet& set, int count, int rowsPerBlock, bool twoBlocks);

// Writes the columns back as the headers of the geometry's layout from Col 1
// on (an empty entry free and shown), one "Remarks" after them with the left
// remark text, the rest of the left block free; with two blocks the mirror
// block repeats them under its own "RD#", its "Remarks" with the mirror
// remark text; every column past the last one in use is free and hidden
// with its line. Remarks_Column and New_Remarks_Column name the left
// "Remarks". Data texts of the data columns are left for the rebuild.
void writeLoadFrameColumnSet(platform::ReportDesigner& report, ReportFlags& flags, const QStringList& columns,
                             const QString& leftRemarks, const QString& mirrorRemarks, const FontGeometry& geometry,
                             bool twoBlocks);

// Shows or hides a column's header and data; hiding also hides the separator
// line right of it (column indexes 2 to 19; 19 has no line).
void showLoadFrameColumn(platform::ReportDesigner& report, int k, bool shown);

}  // namespace report
