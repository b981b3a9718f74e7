#pragma once

#include <QString>
#include <QStringList>

#include "platform/report/RenderedReport.h"
#include "platform/report/ReportClick.h"
#include "report/builder/RemarkInsertion.h"

namespace report {

// Whether a remark shows whole is measured with the layout's own ruler
// (platform::textWidthTwips), so what the user is told matches the page.

// Whether the remark, as one line, is wider than the room its place has on
// the clicked page: its column and the free room right of it.
bool remarkWillBeCut(const platform::ReportClick& click, const RemarkPlace& place, const QString& remark);

// The remarks of the laid-out report that are wider than their room, in page
// order: every line of a column headed "Remarks" that the page cannot show whole.
QStringList cutRemarks(const platform::ReportDesigner& report, const platform::RenderedReport& shown);

inline const QString RemarkWillBeCut =
    QStringLiteral("The remark is longer than its column and the free room beside it: it will be cut.");
inline const QString RemarksCutAtThisSize =
    QStringLiteral("These remarks are longer than the room the report has for them at this font size, so they are "
                   "cut when shown: %1.  Choose a smaller font size or shorten the remarks to show them whole.");
inline const QString RemarksCutAtSmallestSize =
    QStringLiteral("These remarks are longer than the room the report has for them, so they are cut when shown: "
                   "%1.  Shorten the remarks, or place fewer columns before them, to show them whole.");
// The same notices for a single cut remark.
inline const QString RemarkCutAtThisSize =
    QStringLiteral("This remark is longer than the room the report has for it at this font size, so it is cut "
                   "when shown: %1.  Choose a smaller font size or shorten the remark to show it whole.");
inline const QString RemarkCutAtSmallestSize =
    QStringLiteral("This remark is longer than the room the report has for it, so it is cut when shown: %1.  "
                   "Shorten the remark, or place fewer columns before it, to show it whole.");

}  // namespace report
