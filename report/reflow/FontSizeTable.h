#pragma once

#include <QString>

#include <array>

namespace report {

// The report font sizes, smallest first; a report is laid out for one of them.
inline constexpr std::array<int, 4> ReportFontSizes = {9, 10, 11, 12};
inline constexpr int SmallestReportFont = 9;
inline const QString CurrentFontMark = QStringLiteral(" (Current)");

bool isReportFontSize(int fontSize);

// Entries of the column list that fit the report at a font size, for a
// model; 0 outside the four sizes.
int fittingColumnEntries(int fontSize, int Model_Code);

// The index of the last column that shows at a size (density and stiffness
// reports): 19, 17, 15 or 14; 0 outside the four sizes.
int lastShownColumn(int fontSize);

// The font menu's captions with the size marked " (Current)": "9", "10 (Current)"...
std::array<QString, 4> fontCaptions(int currentSize);

}  // namespace report
