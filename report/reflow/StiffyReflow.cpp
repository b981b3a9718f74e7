#include "report/reflow/StiffyReflow.h"

#include <QLatin1String>

#include <algorithm>

#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"
#include "platform/report/StiffyReportNames.h"
#include "report/reflow/SectionFonts.h"

namespace report {
namespace {

namespace Names = platform::StiffyReportNames;

constexpr int TwipsPerPoint = 100;
constexpr int ConstantSideGap = 250;
constexpr int FirstAverageInset = 20;   // cell 1 stands this far inside its column
constexpr int FirstAverageNarrowing = 60;
constexpr int FirstAveragedPosition = 4;  // cell 1 stands under position 5 (index 4)
constexpr int AverageCells = 6;

class Stiffy {
 public:
  explicit Stiffy(platform::ReportDesigner& designer) : designer_(designer) {}

  platform::ObjectRef at(const char* name) const { return designer_.member(QLatin1String(name)); }
  platform::ObjectRef average(int j) const { return designer_.member(platform::ReportNames::stiffyAverage(j)); }
  int left(const char* name) const { return at(name).left().value_or(0); }
  int width(const char* name) const { return at(name).width().value_or(0); }
  int right(const char* name) const { return left(name) + width(name); }

  void widen(const char* name, int step) const {
    if (const std::optional<int> w = at(name).width()) at(name).setWidth(*w + step);
  }
  void copyWidth(const char* to, const char* from) const {
    if (const std::optional<int> w = at(from).width()) at(to).setWidth(*w);
  }
  void placeAfter(const char* name, const char* leftNeighbour) const {
    if (at(leftNeighbour).exists()) at(name).setLeft(right(leftNeighbour));
  }

 private:
  platform::ReportDesigner& designer_;
};

void layHeadings(const Stiffy& s, int step) {
  for (size_t i = 1; i < Names::Headings.size(); ++i) s.widen(Names::Headings[i], step);
  s.at(Names::SnrHeading).setWidth(s.width(Names::Headings[2]) + s.width(Names::Headings[3]));
  s.placeAfter(Names::SnrHeading, Names::Headings[1]);
  for (size_t i = 2; i < Names::Headings.size(); ++i) s.placeAfter(Names::Headings[i], Names::Headings[i - 1]);
}

void layRunLineAndColumns(const Stiffy& s) {
  for (size_t i = 0; i < Names::RunLine.size(); ++i) {
    s.copyWidth(Names::RunLine[i], Names::Headings[i]);
    if (const std::optional<int> left = s.at(Names::Headings[i]).left()) s.at(Names::RunLine[i]).setLeft(*left);
  }
  for (size_t i = 1; i < Names::Columns.size(); ++i) s.copyWidth(Names::Columns[i], Names::Headings[i]);
  for (size_t i = 2; i < Names::Columns.size(); ++i) s.placeAfter(Names::Columns[i], Names::Columns[i - 1]);
}

void layConstantsTable(const Stiffy& s, int step) {
  for (const char* value : Names::ConstantValues) s.widen(value, step);
  for (const char* side : Names::ConstantSides) s.widen(side, step);
  for (size_t row = 0; row < Names::ConstantSides.size(); ++row)
    if (s.at(Names::ConstantValues[row]).exists())
      s.at(Names::ConstantSides[row]).setLeft(s.right(Names::ConstantValues[row]) + ConstantSideGap);
}

void layAverageCells(const Stiffy& s) {
  for (int j = 1; j <= AverageCells; ++j) {
    const char* column = Names::Columns[FirstAveragedPosition + j - 1];
    if (!s.at(column).exists()) continue;
    const bool first = j == 1;
    s.average(j).setLeft(s.left(column) + (first ? FirstAverageInset : 0));
    s.average(j).setWidth(s.width(column) - (first ? FirstAverageNarrowing : 0));
  }
}

// The constants table: its "Col"/"Con" texts and the constants' values beside
// them, which must not stay small while their labels grow.
bool followsSizeInConstantsTable(const QString& name) {
  const QString prefix = name.left(3).toUpper();
  if (prefix == QLatin1String("COL") || prefix == QLatin1String("CON")) return true;
  return std::any_of(Names::ConstantValues.begin(), Names::ConstantValues.end(),
                     [&name](const char* value) { return name == QLatin1String(value); });
}

}  // namespace

void reflowStiffyReport(platform::ReportDesigner& StiffyReport, int d) {
  const Stiffy s(StiffyReport);
  const int step = d * TwipsPerPoint;
  layHeadings(s, step);
  layRunLineAndColumns(s);
  layConstantsTable(s, step);
  layAverageCells(s);
  const auto byChange = [d](int size) { return size + d; };
  resizeSectionFonts(StiffyReport, 8, [](const QString&) { return true; }, byChange);
  resizeSectionFonts(StiffyReport, 10, followsSizeInConstantsTable, byChange);
}

}  // namespace report
