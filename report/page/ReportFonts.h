#pragma once

#include <QString>

#include <array>

class QAction;
class QListWidget;

namespace report {

struct ReportFlags;

inline constexpr int ReportFontSizes[] = {9, 10, 11, 12};

// Entries of the column list that fit the report at a font size, for a model.
int fittingColumnEntries(int fontSize, int Model_Code);

// The "Report Font" menu commands Font9 to Font12. Each sets the report font
// size, marks its own caption " (Current)", gives the other three their bare
// numbers and refills the column list with the columns that fit. The re-flow
// of the report designers joins here when they exist.
class ReportFonts {
 public:
  ReportFonts(std::array<QAction*, 4> fontActions, QListWidget& List2, ReportFlags& flags);

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
  ReportFlags& flags_;
};

}  // namespace report
