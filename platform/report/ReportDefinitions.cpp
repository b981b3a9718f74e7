#include "platform/report/ReportDefinitions.h"

#include "platform/report/BoxObject.h"
#include "platform/report/FieldObject.h"
#include "platform/report/LineObject.h"
#include "platform/report/ReportDefinitionText.h"
#include "platform/report/ReportNames.h"

namespace platform {

namespace {

constexpr int Margin = 360;
constexpr int LandscapeWidth = ReportDesigner::LetterHeight - 2 * Margin;  // 15120
constexpr int PortraitWidth = ReportDesigner::LetterWidth - 2 * Margin;    // 11520
constexpr int ReadNumberWidth = 760;
constexpr int ColumnWidth = 720;
constexpr int HeaderTop = 320;
constexpr int HeaderHeight = 300;
constexpr int DataTop = 700;
constexpr int FrameTop = 300;
constexpr int FrameHeight = 660;
constexpr int FieldHeight = 240;

using definition::font;
using definition::text;

void field(ReportSection& section, const QString& name, const QRect& rect, FieldKind kind) {
  section.add<FieldObject>(name, rect, kind, font())->setHorAlignment(HorAlignment::Right);
}

void frameLine(ReportSection& section, const QString& name, const QRect& rect, bool extend = false) {
  section.add<LineObject>(name, rect)->setExtendToSectionBottom(extend);
}

void addPageHeader(ReportDesigner& report) {
  ReportSection& section = *report.addSection(ReportNames::section(1), ReportSectionKind::PageHeader, 2460);
  text(section, QStringLiteral("Text8"), {2500, 100, 9170, FieldHeight}, QStringLiteral("Printed:"),
       HorAlignment::Right);
  field(section, QStringLiteral("Field1"), {2500, 340, 9110, FieldHeight}, FieldKind::PrintDate);
  field(section, QStringLiteral("Field2"), {2500, 580, 9110, FieldHeight}, FieldKind::PrintTime);
  // A long company name wraps inside its room rather than running on.
  text(section, QStringLiteral("Company"), {Margin, 100, 11300, 420}, QStringLiteral("Company Name"),
       HorAlignment::Left, font(14, true))
      ->setWordWrap(true);
  text(section, QStringLiteral("Companyinfo"), {Margin, 540, 11300, 1440}, QStringLiteral(" "));
  text(section, QStringLiteral("TestTitleText"), {Margin, 2000, PortraitWidth, 320}, QStringLiteral(" "),
       HorAlignment::Centred, font(12, true));
  field(section, QStringLiteral("WideField"), {Margin, 2020, 11300, FieldHeight}, FieldKind::PageNofM);
  section.add<BoxObject>(ReportNames::landscapeBox(1), QRect(300, 40, LandscapeWidth + 60, 2300));
  section.add<BoxObject>(ReportNames::portraitBox(1), QRect(300, 40, PortraitWidth + 60, 2300))->setSuppress(true);
  frameLine(section, ReportNames::landscapeLine(1), {Margin, 2380, LandscapeWidth, 0});
  frameLine(section, ReportNames::portraitLine(1), {Margin, 2380, PortraitWidth, 0});
  section.object(ReportNames::portraitLine(1))->setSuppress(true);
}

void addLabelAndValue(ReportSection& section, const QString& label, const QString& caption, const QString& value,
                      int left, int top, int labelWidth, int valueWidth) {
  text(section, label, {left, top, labelWidth, FieldHeight}, caption, HorAlignment::Right);
  text(section, value, {left + labelWidth + 60, top, valueWidth, FieldHeight}, QStringLiteral(" "));
}

void addTestHeader(ReportDesigner& report) {
  ReportSection& section = *report.addSection(ReportNames::section(2), ReportSectionKind::PageHeader, 1520);
  text(section, QStringLiteral("ReportTitleText"), {Margin, 60, 6000, 280}, QStringLiteral(" "),
       HorAlignment::Left, font(10, true));
  text(section, QStringLiteral("SerialText"), {6420, 60, 2500, 280}, QStringLiteral(" "), HorAlignment::Left,
       font(10, true));
  struct Row {
    QString label, caption, value;
  };
  const Row rows[4][3] = {
      {{ReportNames::headerLabel(1), "Calibration Date:", "CDateText"},
       {"IdLabel", "ID:", "IdText"},
       {"DateLabel", "Date:", "DateText"}},
      {{"DensityStdLabel", "Density Standard:", "DensityStdText"},
       {"MoistureStdLabel", "Moisture Standard:", "MoistureStdText"},
       {ReportNames::headerLabel(2), "K Value:", "KValText"}},
      {{ReportNames::headerLabel(3), "Specific Gravity:", "SpgText"},
       {"MaxDLabel", "Max Density:", "MaxDText"},
       {ReportNames::headerLabel(4), "Low Density:", "LowDText"}},
      {{"ProjNameLabel", "Project Name:", "ProjNameText"},
       {"MachNoLabel", "Machine Number:", "MachNoText"},
       {"TestedByLabel", "Tested By:", "TestedByText"}}};
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 3; ++c)
      addLabelAndValue(section, rows[r][c].label, rows[r][c].caption, rows[r][c].value, Margin + c * 5000,
                       380 + r * 280, 1800, 3000);
  // A long project name wraps inside its box, as the company name does.
  static_cast<TextObject*>(section.object(QStringLiteral("ProjNameText")))->setWordWrap(true);
}

void addColumns(ReportDesigner& report) {
  ReportSection& section = *report.addSection(ReportNames::section(3), ReportSectionKind::Details, 960);
  const int rowsPerBlock[4] = {50, 45, 40, 35};
  for (int size = 9; size <= 12; ++size) section.setLineLimit(size, rowsPerBlock[size - 9]);
  for (const QString& title : {QStringLiteral("NoiseBlockTitle"), QStringLiteral("SignalBlockTitle")})
    text(section, title, {ReportDefinitions::columnLeft(2), 40, 3000, FieldHeight}, QStringLiteral(" "),
         HorAlignment::Centred, font(9, true))
        ->setSuppress(true);
  for (int k = 1; k <= ReportDefinitions::ColumnCount; ++k) {
    const QString placeholder = k == 1 ? QStringLiteral("RD#") : QStringLiteral("Col %1").arg(k - 1);
    text(section, ReportNames::columnHeader(k),
         {ReportDefinitions::columnLeft(k), HeaderTop, ReportDefinitions::columnWidth(k), HeaderHeight},
         placeholder, HorAlignment::Centred, font(9, true));
  }
  BoxObject* landscapeFrame = section.add<BoxObject>(ReportNames::landscapeBox(2),
                                                     QRect(300, FrameTop, LandscapeWidth + 60, FrameHeight));
  landscapeFrame->setExtendToSectionBottom(true);
  BoxObject* portraitFrame = section.add<BoxObject>(ReportNames::portraitBox(2),
                                                    QRect(300, FrameTop, PortraitWidth + 60, FrameHeight));
  portraitFrame->setExtendToSectionBottom(true);
  portraitFrame->setSuppress(true);
  frameLine(section, ReportNames::landscapeLine(2), {300, 650, LandscapeWidth + 60, 0});
  frameLine(section, ReportNames::portraitLine(2), {300, 650, PortraitWidth + 60, 0});
  section.object(ReportNames::portraitLine(2))->setSuppress(true);
  for (int k = 1; k <= ReportDefinitions::ColumnCount; ++k) {
    TextObject* data = text(section, ReportNames::columnData(k),
                            {ReportDefinitions::columnLeft(k), DataTop, ReportDefinitions::columnWidth(k), 216},
                            QStringLiteral(" "), HorAlignment::Centred);
    data->setCanGrow(true);
  }
  const auto lineLeft = [](int k) {
    return ReportDefinitions::columnLeft(k) + ReportDefinitions::columnWidth(k) + ReportDefinitions::SeparatorOffset;
  };
  frameLine(section, ReportNames::ReadNumberLine, {lineLeft(1), FrameTop, 0, FrameHeight}, true);
  for (int k = 2; k <= 18; ++k) {
    frameLine(section, ReportNames::columnLine(k), {lineLeft(k), FrameTop, 0, FrameHeight}, true);
    section.object(ReportNames::columnLine(k))->setSuppress(true);
  }
}

void addAverages(ReportDesigner& report) {
  ReportSection& section = *report.addSection(ReportNames::section(4), ReportSectionKind::ReportFooter, 900);
  text(section, QStringLiteral("AverageTitle"), {Margin, 100, 4000, 260}, QStringLiteral(" "), HorAlignment::Left,
       font(9, true));
  for (int i = 1; i <= 5; ++i) {
    const int left = Margin + (i - 1) * 3000;
    text(section, ReportNames::averageLabel(i), {left, 420, 1800, FieldHeight}, QStringLiteral(" "),
         HorAlignment::Right);
    text(section, ReportNames::averageValue(i), {left + 1860, 420, 1000, FieldHeight}, QStringLiteral(" "));
  }
}

void addFooters(ReportDesigner& report) {
  ReportSection& page = *report.addSection(ReportNames::section(5), ReportSectionKind::PageFooter, 360);
  text(page, QStringLiteral("FooterNote"), {Margin, 80, PortraitWidth, FieldHeight}, QStringLiteral(" "));
  ReportSection& signOff = *report.addSection(ReportNames::section(6), ReportSectionKind::ReportFooter, 700);
  text(signOff, QStringLiteral("SignOffText"), {Margin, 240, PortraitWidth, 260},
       QStringLiteral("Tested By: ______________________________     Date: ____________________"));
}

}  // namespace

int ReportDefinitions::columnWidth(int k) {
  if (k == 1) return ReadNumberWidth;
  if (k == 12) return ColumnWidth - 60;   // Col 11
  if (k == 13) return ColumnWidth + 300;  // Col 12
  return ColumnWidth;
}

int ReportDefinitions::columnLeft(int k) {
  int left = Margin;
  for (int j = 1; j < k; ++j) left += columnWidth(j) + ColumnGap;
  return left;
}

std::unique_ptr<ReportDesigner> ReportDefinitions::createReport() {
  auto report = std::make_unique<ReportDesigner>(QStringLiteral("Report"));
  report->setPaperOrientation(PaperOrientation::Landscape);
  report->setMargins({Margin, Margin, Margin, Margin});
  addPageHeader(*report);
  addTestHeader(*report);
  addColumns(*report);
  addAverages(*report);
  addFooters(*report);
  return report;
}

}  // namespace platform
