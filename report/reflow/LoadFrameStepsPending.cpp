#include "report/reflow/LoadFrameSteps.h"

namespace report {

// Placeholders until the load-frame steps are in: the load-frame report keeps
// its blocks as they are.
void Shift_LoadFrame_Columns(platform::ReportDesigner&, const ReportFlags&, int, int) {}

void Rebuild_Two_Blocks(platform::ReportDesigner&, platform::db::Database&, const QString&, ReportFlags&, int,
                        int) {}

}  // namespace report
