#pragma once

namespace platform {
class ReportDesigner;
}

namespace report {

// Re-lays the stiffness report for a size change of d points: headings 100
// twips wider per point, the run line and value columns as wide as their
// headings and touching, the constants table and the average cells after
// them, and the fonts of Section8 and of the constants table in Section10
// (its "COL"/"CON" objects and the constants' values) moved by d.
void reflowStiffyReport(platform::ReportDesigner& StiffyReport, int d);


}  // namespace report
