#include <array>

#include "platform/report/FieldObject.h"
#include "platform/report/LineObject.h"
#include "platform/report/ReportDefinitionText.h"
#include "platform/report/ReportDefinitions.h"
#include "platform/report/ReportNames.h"
#include "platform/report/StiffyReportNames.h"

namespace platform {

namespace {

constexpr int Margin = 360;
constexpr int ContentWidth = ReportDesigner::LetterHeight - 2 * Margin;
constexpr int RunLineTop = 2100;
constexpr int GroupHeadingTop = 2420;
constexpr int HeadingTop = 2700;
constexpr int HeadingHeight = 880;
constexpr int ValueTop = 3660;
constexpr int AverageTop = 3940;
constexpr int RowHeight = 240;

using definition::font;
using definition::text;

// The thirteen positions of the heading row, left to right: the heading, the
// value column under it and its stored width.
struct Position {
  const char* heading;
  const char* headingText;
  const char* column;
  int width;
};

const std::array<Position, 13> Positions = {{
    {StiffyReportNames::Headings[0], "Bin\rNo.", StiffyReportNames::Columns[0], 600},
    {StiffyReportNames::Headings[1], "Freq.\r(Hz)", StiffyReportNames::Columns[1], 850},
    {StiffyReportNames::Headings[2], "Displ.\r(dB)", StiffyReportNames::Columns[2], 850},
    {StiffyReportNames::Headings[3], "Force\r(dB)", StiffyReportNames::Columns[3], 850},
    {StiffyReportNames::Headings[4], "Meas.\rStiffness\r(MN/m)", StiffyReportNames::Columns[4], 950},
    {StiffyReportNames::Headings[5], "Meas.\rStiffness\r(lbf/in)", StiffyReportNames::Columns[5], 950},
    {StiffyReportNames::Headings[6], "Young's\rModulus\r(MPa)", StiffyReportNames::Columns[6], 950},
    {StiffyReportNames::Headings[7], "Young's\rModulus\r(psi)", StiffyReportNames::Columns[7], 950},
    {StiffyReportNames::Headings[8], "Shear\rModulus\r(MPa)", StiffyReportNames::Columns[8], 950},
    {StiffyReportNames::Headings[9], "Shear\rModulus\r(psi)", StiffyReportNames::Columns[9], 950},
    {StiffyReportNames::Headings[10], "Moisture\rContent\r(%/100)", StiffyReportNames::Columns[10], 870},
    {StiffyReportNames::Headings[11], "Est. Dry\rDensity\r(pcf)", StiffyReportNames::Columns[11], 900},
    {StiffyReportNames::Headings[12], "Est. Dry\rDensity\r(kg/m^3)", StiffyReportNames::Columns[12], 900},
}};

// The run line: one object under each of the first ten headings.
const std::array<std::pair<const char*, const char*>, 10> RunLine = {{
    {StiffyReportNames::RunLine[0], "Run:"},
    {StiffyReportNames::RunLine[1], " "},
    {StiffyReportNames::RunLine[2], "Measure:"},
    {StiffyReportNames::RunLine[3], " "},
    {StiffyReportNames::RunLine[4], "Cal. Factor:"},
    {StiffyReportNames::RunLine[5], " "},
    {StiffyReportNames::RunLine[6], "Date:"},
    {StiffyReportNames::RunLine[7], " "},
    {StiffyReportNames::RunLine[8], "Time:"},
    {StiffyReportNames::RunLine[9], " "},
}};

// The constants table: value object (written by the report) and side text.
const std::array<std::pair<const char*, const char*>, 6> Constants = {{
    {StiffyReportNames::ConstantValues[0], "Assembly Mass (kg)"},
    {StiffyReportNames::ConstantValues[1], "Poisson's Ratio"},
    {StiffyReportNames::ConstantValues[2], "Density Po (pcf)"},
    {StiffyReportNames::ConstantValues[3], "Slope (C vs. K/m)"},
    {StiffyReportNames::ConstantValues[4], "Intercept (C vs. K/m)"},
    {StiffyReportNames::ConstantValues[5], "Density Po (kg/m^3)"},
}};
const std::array<const char*, 6>& ConstantSides = StiffyReportNames::ConstantSides;

std::array<int, 13> positionLefts() {
  std::array<int, 13> lefts{};
  int left = Margin;
  for (size_t i = 0; i < Positions.size(); ++i) {
    lefts[i] = left;
    left += Positions[i].width;
  }
  return lefts;
}

void addTable(ReportDesigner& report) {
  ReportSection& section = *report.addSection(ReportNames::section(8), ReportSectionKind::Details, 4240);
  text(section, QStringLiteral("StiffyCompany"), {Margin, 100, ContentWidth, 420}, QStringLiteral("Company Name"),
       HorAlignment::Left, font(14, true))
      ->setWordWrap(true);
  text(section, QStringLiteral("StiffyCompanyinfo"), {Margin, 540, ContentWidth, 1440}, QStringLiteral(" "));
  const auto lefts = positionLefts();
  for (size_t i = 0; i < RunLine.size(); ++i)
    text(section, RunLine[i].first, {lefts[i], RunLineTop, Positions[i].width, RowHeight}, RunLine[i].second,
         i % 2 == 0 ? HorAlignment::Right : HorAlignment::Left);
  text(section, QLatin1String(StiffyReportNames::SnrHeading),
       {lefts[2], GroupHeadingTop, Positions[2].width + Positions[3].width, RowHeight},
       QStringLiteral("Signal to Noise"), HorAlignment::Centred, font(9, true));
  for (size_t i = 0; i < Positions.size(); ++i) {
    text(section, Positions[i].heading, {lefts[i], HeadingTop, Positions[i].width, HeadingHeight},
         Positions[i].headingText, HorAlignment::Centred, font(9, true));
    text(section, Positions[i].column, {lefts[i], ValueTop, Positions[i].width, 216}, QStringLiteral(" "),
         HorAlignment::Centred)
        ->setCanGrow(true);
  }
  text(section, QStringLiteral("StiffyAverageLabel"),
       {lefts[2], AverageTop, Positions[2].width + Positions[3].width, RowHeight}, QStringLiteral("Average:"),
       HorAlignment::Right, font(9, true));
  for (int j = 1; j <= 6; ++j) {
    const size_t column = static_cast<size_t>(3 + j);
    const int left = j == 1 ? lefts[column] + 20 : lefts[column];
    const int width = j == 1 ? Positions[column].width - 20 : Positions[column].width;
    text(section, ReportNames::stiffyAverage(j), {left, AverageTop, width, RowHeight}, QStringLiteral(" "),
         HorAlignment::Centred);
  }
}

void addConstants(ReportDesigner& report) {
  ReportSection& section = *report.addSection(ReportNames::section(10), ReportSectionKind::ReportFooter, 2400);
  text(section, QStringLiteral("ConTableTitle"), {Margin, 100, 6000, 280}, QStringLiteral("Stiffness Constants"),
       HorAlignment::Left, font(9, true));
  for (size_t i = 0; i < Constants.size(); ++i) {
    const int top = 440 + static_cast<int>(i) * 300;
    text(section, Constants[i].first, {Margin, top, 1200, 260}, QStringLiteral(" "), HorAlignment::Right);
    text(section, ConstantSides[i], {Margin + 1200 + 250, top, 3400, 260}, Constants[i].second);
  }
}

}  // namespace

std::unique_ptr<ReportDesigner> ReportDefinitions::createStiffyReport() {
  auto report = std::make_unique<ReportDesigner>(QStringLiteral("StiffyReport"));
  report->setPaperOrientation(PaperOrientation::Landscape);
  report->setMargins({Margin, Margin, Margin, Margin});
  ReportSection& pageHeader = *report->addSection(ReportNames::section(6), ReportSectionKind::PageHeader, 300);
  pageHeader.add<FieldObject>(QStringLiteral("StiffyPageField"), QRect(Margin, 40, ContentWidth, RowHeight),
                              FieldKind::PageNofM, font())
      ->setHorAlignment(HorAlignment::Right);
  ReportSection& title = *report->addSection(ReportNames::section(7), ReportSectionKind::ReportHeader, 460);
  text(title, QStringLiteral("StiffyReportTitle"), {Margin, 40, ContentWidth, 360},
       QStringLiteral("T7310 Stiffness Report"), HorAlignment::Centred, font(14, true));
  addTable(*report);
  ReportSection& pageFooter = *report->addSection(ReportNames::section(9), ReportSectionKind::PageFooter, 300);
  text(pageFooter, QStringLiteral("StiffyFooterNote"), {Margin, 40, ContentWidth, RowHeight}, QStringLiteral(" "));
  addConstants(*report);
  return report;
}

}  // namespace platform
