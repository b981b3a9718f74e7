#pragma once

namespace platform {
class ReportDesigner;
}

namespace report {

struct ReportFlags;

// A column of the report body grows by this many twips for every point the
// report font grows above the size the report is stored at.
inline constexpr int ColumnWidthPerPoint = 100;

// Sizes the data columns (2 to 19) for the report font size: each as wide as
// the size makes it; a placed item's column whose widest value, measured with
// the layout's ruler, is wider than that takes the value's width and a column
// gap's margin, so that no value is drawn over or against a separator line.
// The columns after a widened one move right with their lines
// (chainColumnRows), and a placed stiffness block's title follows its
// columns. When that would push the printed columns past the page's
// printable right edge, printed columns wider than their header and values
// need give up the difference, the rightmost first; no value is narrowed.
// Sizes other than 9 to 12 change nothing.
void fitColumnWidths(platform::ReportDesigner& report, ReportFlags& flags);

// Lays the header and data rows out from their first data column, each
// object one column gap right of its neighbour, and every separator line in
// the middle of the gap right of its column's data.
void chainColumnRows(platform::ReportDesigner& report);

}  // namespace report
