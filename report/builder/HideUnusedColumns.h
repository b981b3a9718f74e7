#pragma once

#include <QString>
#include <QList>

namespace platform {
class ReportDesigner;
}

namespace report {

// The objects hiding for printing changed, each with the state it had, so
// that showing them again puts back exactly what was there: a column the
// font re-flow hid, or a line the separator rule hid, stays hidden.
struct HiddenColumns {
  struct Change {
    QString object;
    bool wasSuppressed;
  };
  QList<Change> changes;
};

// Hides the header, data and separator line of every data column still on
// its own placeholder (exact test); used columns are left as they are.
HiddenColumns Hide_Unused_Columns(platform::ReportDesigner& report);

// Puts back what Hide_Unused_Columns changed.
void Show_Hidden_Columns(platform::ReportDesigner& report, const HiddenColumns& hidden);

}  // namespace report
