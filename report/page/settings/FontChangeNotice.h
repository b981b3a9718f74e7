#pragma once

#include <QString>

#include "report/reflow/ResizeReportFont.h"

namespace platform {
class ReportDesigner;
}

namespace report {

// What a font change took off the report or left too wide to show, as one
// message: the placed columns the new size had no room for, and the remarks
// the laid-out page cuts at the new size. Empty when the change cost nothing.
QString fontChangeNotice(const platform::ReportDesigner& report, const ReflowResult& result, int fontSize);

inline const QString ColumnsDroppedAtThisSize =
    QStringLiteral("The report has no room at this font size for these columns, so they were taken off: %1.  Place "
                   "them again at a smaller font size, or in place of other columns.");
inline const QString ColumnsHiddenAtThisSize =
    QStringLiteral("The report has no room at this font size for these columns, so they do not show or print: %1.  "
                   "They show again at a smaller font size.");

}  // namespace report
