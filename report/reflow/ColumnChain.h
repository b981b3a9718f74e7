#pragma once

namespace platform {
class ReportDesigner;
}

namespace report {

// Re-lays Col 1 to Col 18 of the report for a size change of d points: every
// header and data object 100 twips wider per point, each row chained from
// its Col 1 object with 60 twips between neighbours, and each separator line
// in the middle of the gap right of its column's data object. Hidden columns
// are laid out like shown ones, so showing them later needs no re-flow.
void chainColumns(platform::ReportDesigner& report, int d);

}  // namespace report
