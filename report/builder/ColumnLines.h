#pragma once

namespace platform {
class ReportDesigner;
}

namespace report {

struct ReportFlags;

// Keeps the separator lines in step with the columns in use. Density and
// stiffness reports show the lines right of columns 2 to LastCol - 1. The
// load-frame report shows a line right of every used data column that is not
// "Remarks", the line between its blocks only when the second block exists,
// and during a font change points the remarks column at the left block's
// "Remarks".
void Update_Column_Lines(platform::ReportDesigner& report, ReportFlags& flags, int LastCol, int Model);

}  // namespace report
