#include "report/builder/StiffyReportFiller.h"

namespace report {

void Fill_Stiffy_Report(platform::ReportDesigner&, platform::db::Database&, const QString&,
                        const StiffnessConstants&) {}

}  // namespace report
