#pragma once

#include <QString>

#include <functional>

namespace platform {
class ReportDesigner;
}

namespace report {

// The font sizes of the report's sections during a re-flow. The company and
// project-name objects keep the offset the report definition gave them
// against the body size, so they move by the size change d; everything else
// takes the new size.

// Every object of a section whose name passes the test gets the size that
// sizeFor gives from its present size; objects without a font are skipped.
void resizeSectionFonts(platform::ReportDesigner& report, int sectionNumber,
                        const std::function<bool(const QString&)>& test, const std::function<int(int)>& sizeFor);

// The size the report is laid out for: the font of its read-number header, 9
// when that is missing or not a report size.
int laidOutFontSize(const platform::ReportDesigner& report);

// Right-aligned labels of a section (each names the value right of it) that
// are narrower than their text at its font grow so that the text shows
// whole: to the left up to the text beside them, then into their value.
// Labels and values start from their stored places, so the result depends
// on the present size only, never on the sizes before it.
void fitLabelsToText(platform::ReportDesigner& report, int sectionNumber);

// Section1 and Section2: the company and project-name objects by d, the rest
// of Section2 to newSize, though none below the size the stored report gives
// it; then the labels of Section2 fit their texts.
void resizeHeaderFonts(platform::ReportDesigner& report, int d, int newSize);
// Section3: every object whose name begins with "COL" (any case) to newSize.
void resizeColumnFonts(platform::ReportDesigner& report, int newSize);
// Section4 to Section6: every object to newSize; then the average labels fit
// their texts.
void resizeFooterFonts(platform::ReportDesigner& report, int newSize);

}  // namespace report
