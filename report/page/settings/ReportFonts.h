#pragma once

#include <QString>

#include <array>
#include <functional>

#include "report/reflow/FontSizeTable.h"
#include "report/reflow/ResizeReportFont.h"

class QAction;
class QListWidget;

namespace report {

// The re-flow of the report to a font size for the selected model and table.
using ReportFontReflow = std::function<ReflowResult(int fontSize)>;

// The "Report Font" menu commands Font9 to Font12. Each re-flows the report
// to its size (the re-flow reads the old size from the report and stores the
// new one), marks its own caption " (Current)", gives the other three their
// bare numbers and refills the column list with the columns that fit.
class ReportFonts {
 public:
  ReportFonts(std::array<QAction*, 4> fontActions, QListWidget& List2, ReportFontReflow reflow);

  void Font_Click(int fontSize, int Model_Code);
  void Font9_Click(int Model_Code) { Font_Click(9, Model_Code); }
  void Font10_Click(int Model_Code) { Font_Click(10, Model_Code); }
  void Font11_Click(int Model_Code) { Font_Click(11, Model_Code); }
  void Font12_Click(int Model_Code) { Font_Click(12, Model_Code); }

  // The captions as a new report shows them: "9 (Current)", "10", "11", "12".
  void markCurrent(int fontSize);

 private:
  std::array<QAction*, 4> actions_;
  QListWidget& List2_;
  ReportFontReflow reflow_;
};

// The column list refilled with count entries, the first selected.
void fillColumnList(QListWidget& List2, const QStringList& entries);

}  // namespace report
