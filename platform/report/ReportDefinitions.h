#pragma once

#include <memory>

#include "platform/report/ReportDesigner.h"

namespace platform {

// The stored definitions of the two report designers, built afresh on every
// call (a designer is re-created, never saved). "Report" serves every
// instrument model: page headers Section1 and Section2, the column body
// Section3, report footers Section4 and Section6, page footer Section5.
// "StiffyReport" is the stiffness report: Section6 page header, Section7
// report header, Section8 body, Section9 page footer, Section10 report footer.
class ReportDefinitions {
 public:
  static std::unique_ptr<ReportDesigner> createReport();
  static std::unique_ptr<ReportDesigner> createStiffyReport();

  static constexpr int ColumnCount = 19;
  static constexpr int ColumnGap = 60;        // between neighbouring columns
  static constexpr int SeparatorOffset = 30;  // separator line right of its column
  static constexpr int BodyFontSize = 9;

  // Stored width of the header and data objects of column k (1..19). Col 11
  // and Col 12 differ from the rest so that at every font size the columns
  // that show fit the page and the first one hidden would not, on landscape
  // (density and stiffness gauges) and on portrait paper (load frame) alike.
  static int columnWidth(int k);
  static int columnLeft(int k);
};

}  // namespace platform
