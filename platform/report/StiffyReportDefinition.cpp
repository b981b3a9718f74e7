#include <array>

#include "platform/report/FieldObject.h"
#include "platform/report/LineObject.h"
#include "platform/report/ReportDefinitionText.h"
#include "platform/report/ReportDefinitions.h"
#include "platform/report/ReportNames.h"

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
    {"StiffyBinHeading", "Bin\rNo.", "StiffyBinNumber", 600},
    {"StiffyFreqHeading", "Freq.\r(Hz)", "StiffyFrequency", 850},
    {"StiffyDisplDbHeading", "Displ.\r(dB)", "StiffyDisplSNR", 850},
    {"StiffyForceDbHeading", "Force\r(dB)", "StiffyForceSNR", 850},
    {"StiffyStiffMNHeading", "Meas.\rStiffness\r(MN/m)", "StiffyStiffnessMN", 950},
    {"StiffyStiffLbfHeading", "Meas.\rStiffness\r(lbf/in)", "StiffyStiffnessLbf", 950},
    {"StiffyYoungsMPaHeading", "Young's\rModulus\r(MPa)", "StiffyYoungsMPa", 950},
    {"StiffyYoungsPsiHeading", "Young's\rModulus\r(psi)", "StiffyYoungsPsi", 950},
    {"StiffyShearMPaHeading", "Shear\rModulus\r(MPa)", "StiffyShearMPa", 950},
    {"StiffyShearPsiHeading", "Shear\rModulus\r(psi)", "StiffyShearPsi", 950},
    {"StiffyMoistureHeading", "Moisture\rContent\r(%/100)", "StiffyMoisture", 870},
    {"StiffyDryPcfHeading", "Est. Dry\rDensity\r(pcf)", "StiffyDryDensityPcf", 900},
    {"StiffyDryKgHeading", "Est. Dry\rDensity\r(kg/m^3)", "StiffyDryDensityKg", 900},
}};

// The run line: one object under each of the first ten headings.
const std::array<std::pair<const char*, const char*>, 10> RunLine = {{
    {"StiffyRunCaption", "Run:"},
    {"StiffyRunNumber", " "},
    {"StiffyMeasureCaption", "Measure:"},
    {"StiffyMeasure", " "},
    {"StiffyCalFactorCaption", "Cal. Factor:"},
    {"StiffyCalFactor", " "},
    {"StiffyDateCaption", "Date:"},
    {"StiffyDate", " "},
    {"StiffyTimeCaption", "Time:"},
    {"StiffyTime", " "},
}};

// The constants table: value object (written by the report) and side text.
const std::array<std::pair<const char*, const char*>, 6> Constants = {{
    {"StiffyAssemblyMass", "Assembly Mass (kg)"},
    {"StiffyPoissonRatio", "Poisson's Ratio"},
    {"StiffyDensityPcf", "Density Po (pcf)"},
    {"StiffySlope", "Slope (C vs. K/m)"},
    {"StiffyIntercept", "Intercept (C vs. K/m)"},
    {"StiffyDensityKg", "Density Po (kg/m^3)"},
}};
const std::array<const char*, 6> ConstantSides = {"ConAssemblyMass", "ConPoissonRatio", "ConDensityPcf",
                                                  "ConSlope",        "ConIntercept",    "ConDensityKg"};

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
       HorAlignment::Left, font(14, true));
  text(section, QStringLiteral("StiffyCompanyinfo"), {Margin, 540, ContentWidth, 1440}, QStringLiteral(" "));
  const auto lefts = positionLefts();
  for (size_t i = 0; i < RunLine.size(); ++i)
    text(section, RunLine[i].first, {lefts[i], RunLineTop, Positions[i].width, RowHeight}, RunLine[i].second,
         i % 2 == 0 ? HorAlignment::Right : HorAlignment::Left);
  text(section, QStringLiteral("StiffySnrHeading"),
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
