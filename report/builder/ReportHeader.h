#pragma once

#include <QString>

namespace report {

struct ReportBuilderContext;

// Prepares both freshly created designers for the selected table: company
// lines, titles and the test values of the table's first record (of an
// N2600A project, its first reading of the sample type SA), page
// widths, sections and frame lines of the model's page, the chart picture of
// a load-frame test, the "Remarks" column in column 2 and the separator
// lines. A Null field, a missing chart picture or an empty table leave their
// own texts out and the build goes on. An empty Table writes nothing.
void Build_Report_Header(ReportBuilderContext& context, const QString& Table, const QString& SA, int Model);

// The test values of a built header read again from the table as stored: a
// density gauge's serial, dates, standards and densities, a stiffness run's
// number, date, measure and calibration factor (a load-frame header shows no
// record's value). Every other header text, the company lines, the logo and
// the columns stay as they are.
void Write_Header_Values(ReportBuilderContext& context, const QString& Table, const QString& SA, int Model);

// The chart picture of the load-frame report in the program folder, found
// without regard to letter case; empty when there is none.
QString chartPicturePath();

}  // namespace report
