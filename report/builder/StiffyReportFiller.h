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
// estimates. The shared table of later runs (told by its rows, see
// instrument::isHeaderOnlyRunTable) is written as a list of runs, with "+"
// after the run number and the averages hidden; the moisture and the
// constants show on every run's report.
//
// Overloaded bins, and bins missing a reading, their frequency or the run's
// calibration factor, show a blank in the six stiffness and modulus columns
// and stay out of the averages, which are taken over the bins that have a
// value. A value that cannot be computed (a ratio of zero power, a zero
// displacement, a mean stiffness of zero or less, no moisture content) reads
// "NA". Every object is set once, with its whole text. A table that cannot be
// read, or has no rows, leaves the report as it was.
void Fill_Stiffy_Report(platform::ReportDesigner& StiffyReport, platform::db::Database& db, const QString& table,
                        const StiffnessConstants& constants);

}  // namespace report
