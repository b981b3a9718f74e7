#pragma once

#include <QString>

#include "report/builder/StiffnessConstants.h"

namespace platform {
class ReportDesigner;
}
namespace platform::db {
class Database;
}

namespace report {

// Writes one stiffness run table into the StiffyReport designer: the run
// header, a line per bin (frequency, signal-to-noise ratios, stiffness,
// Young's and shear modulus), the averages, the constants and the dry-density
// estimates. The shared table of later runs is written as a list of runs.
// Writes texts only; a table that cannot be read leaves the report as it was.
void Fill_Stiffy_Report(platform::ReportDesigner& StiffyReport, platform::db::Database& db, const QString& table,
                        const StiffnessConstants& constants);

}  // namespace report
