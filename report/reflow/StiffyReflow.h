#pragma once

namespace platform {
class ReportDesigner;
}

namespace report {

struct ReportFlags;

// Re-lays the stiffness report for a size change of d points: headings 100
// twips wider per point, the run line and value columns as wide as their
// headings and touching, the constants table and the average cells after
// them, and the fonts of Section8 and of the constants table in Section10
// (its "COL"/"CON" objects and the constants' values) moved by d.
void reflowStiffyReport(platform::ReportDesigner& StiffyReport, int d);

// Places the titles of the placed noise and signal blocks of the raw-data
// report over their four columns again, at the report font size, by the rule
// that placed them.
void replaceBlockTitles(platform::ReportDesigner& report, ReportFlags& flags);

}  // namespace report
