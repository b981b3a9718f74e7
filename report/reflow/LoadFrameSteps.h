#pragma once

#include <QString>

namespace platform {
class ReportDesigner;
}

namespace platform::db {
class Database;
}

namespace report {

struct LoadFrameColumnSet;
struct ReportFlags;

// The two load-frame steps of a font re-flow. Both run while
// flags.Report_Font_Size still holds the old size; the frame stores the new
// size only after them. oldSize is the size the report is laid out for (9 to
// 12, already read from the designer), newSize the one asked for (9 to 12).

// Moves the mirror block (its "RD#" header and the columns after it) to where
// newSize puts it, frees what it leaves, and shows or hides the columns and
// separator lines beyond the left block for newSize.
void Shift_LoadFrame_Columns(platform::ReportDesigner& report, const ReportFlags& flags, int oldSize,
                             int newSize);

// Lays the columns of the left block out again for newSize, as `before` read
// them at oldSize before the shift (each in its place, a free one between
// data columns kept, one "Remarks" after them) and, when the test needs two
// blocks at newSize, repeats them in the mirror block; a mirror block the
// test no longer needs is freed and hidden. Then refills the data texts of
// both blocks from the test table with the rows per block of newSize, in the
// value texts of column placement, and moves each remark line with its
// reading. An unreadable table leaves the report as it is.
void Rebuild_Two_Blocks(platform::ReportDesigner& report, platform::db::Database& db, const QString& tableName,
                        ReportFlags& flags, const LoadFrameColumnSet& before, int oldSize, int newSize);

}  // namespace report
