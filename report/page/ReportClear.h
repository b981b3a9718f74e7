#pragma once

#include <QString>

#include <optional>

#include "report/page/ReportPageContext.h"

namespace report {

class ColumnChooser;

// What "Clear Preview" writes into header k (1 to 19) of a model's report at
// a font size; nothing where the load-frame report keeps the read-number
// column of its second block.
std::optional<QString> clearedHeader(int k, int Model_Code, int fontSize);

// Clear_Button_Click ("Clear Preview"): every data column back to its
// placeholder with "Remarks" behind the read-number column (of each block of
// the load-frame report), the read-number column refilled, the block titles
// hidden, both lists back on their first entry and the column state reset.
// The header, logo and font size stay.
void Clear_Button_Click(const ReportPageContext& context, ColumnChooser& chooser);

}  // namespace report
