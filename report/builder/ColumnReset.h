#pragma once

#include <QString>

#include <optional>

namespace report {

struct ReportBuilderContext;

// What a cleared report holds in header k (1 to 19) of a model's report at a
// font size; nothing where the load-frame report keeps the read-number column
// of its second block.
std::optional<QString> clearedHeader(int k, int Model_Code, int fontSize);

// The columns of a fresh report: every data column back to its placeholder
// with "Remarks" behind the read-number column (of each block of the
// load-frame report), the read-number column refilled from Table, the block
// titles hidden, the separator lines in step and the column state reset.
// Clearing_Report is set while it runs, so that placements it sets off do
// nothing. The header, logo and font size stay.
void Reset_Report_Columns(ReportBuilderContext& context, const QString& Table, const QString& SA, int Model);

}  // namespace report
