#pragma once

#include "report/builder/ColumnReset.h"
#include "report/page/ReportPageContext.h"

namespace report {

class ColumnChooser;

// Both lists back on their first entry and the column list's advance
// rewound, as a cleared report starts.
void resetColumnChoice(const ReportPageContext& context, ColumnChooser& chooser);

// Clear_Button_Click ("Clear Preview"): the report's columns back to a fresh
// report's (Reset_Report_Columns), both lists back on their first entry and
// the column list's advance rewound. The header, logo and font size stay.
void Clear_Button_Click(const ReportPageContext& context, ColumnChooser& chooser);

}  // namespace report
