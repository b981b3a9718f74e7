#pragma once

#include <QString>

#include <optional>

namespace platform {
class ReportDesigner;
}

namespace report {

struct ReportFlags;

// The remark lines typed into the remarks column (and the load frame's mirror
// "Remarks"), read before a change that moves or rebuilds the columns so that
// they go where the "Remarks" heading goes: the remarks belong to the
// readings, and the report is their only store.
struct TypedRemarks {
  int column = 0;  // 0: no remarks column
  QString left;
  QString mirror;
};

// The load-frame mirror of data column k at the report's font size; none for
// other models and past the left block.
std::optional<int> remarksMirror(const ReportFlags& flags, int Model, int k);

// What the column flags.Remarks_Column holds, when it is headed "Remarks".
TypedRemarks typedRemarks(const platform::ReportDesigner& report, const ReportFlags& flags, int Model);

// The remark lines into the column now headed "Remarks" (flags.Remarks_Column)
// and its mirror; the column they left, when it is free now, keeps none of them.
void carryRemarks(platform::ReportDesigner& report, const ReportFlags& flags, int Model, const TypedRemarks& typed);

}  // namespace report
