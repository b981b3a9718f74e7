#pragma once

#include <QString>

namespace report {

struct ReportBuilderContext;

// Fills column 1 of Report from the table shown: reading numbers (split over
// column 1 and its mirror for a long load-frame test), the density averages
// block, or a run's bin numbers with the stiffness report. What it writes
// never depends on what was done before to another report (a constants edit
// touches only the stiffness report). Empty Table or SA, or an unknown model,
// do nothing.
void Fill_RD_Column(ReportBuilderContext& context, const QString& Table, const QString& SA, int Model);

}  // namespace report
