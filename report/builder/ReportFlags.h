#pragma once

#include <QString>

namespace report {

// The report state shared by the report builder, the report page, its dialogs
// and the font re-flow: the font size, the column state of the report body,
// the stiffness blocks, the logo and the changed flags. One instance, owned by
// the main window and passed by reference; every member lives for the whole
// run.
struct ReportFlags {
  int Report_Font_Size = 9;        // 9 to 12

  // Column state of the report body (column indexes 1 to 19, 1 = read numbers).
  int Used_Columns = 0;            // columns in use, the read-number column included
  int Remarks_Column = 0;          // the column headed "Remarks"; remarks go into it
  int New_Remarks_Column = 0;      // where the remarks column moves next
  bool Clearing_Report = false;    // the Clear command is rebuilding the report
  bool Placing_Column = false;     // placement moves the data-item list's selection
  bool Font_Changing = false;      // the font re-flow is running

  bool Noise_Block = false;        // the stiffness report holds its noise block
  bool Signal_Block = false;       // the stiffness report holds its signal block
  int Noise_Col = 0;               // last (fourth) column of the noise block
  int Signal_Col = 0;              // last (fourth) column of the signal block

  bool Logo_Loaded = false;        // a logo stands in the report header
  QString Logo_Object;             // name of the logo picture object in Report
  QString Stiffy_Logo_Object;      // name of the logo picture object in StiffyReport
  QString Logo_Path;               // file the logo was loaded from

  bool Constants_Changed = false;  // the stiffness report must be rebuilt
  bool Info_Changed = false;       // header texts edited and not saved
};

}  // namespace report
