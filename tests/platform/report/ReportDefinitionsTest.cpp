#include <gtest/gtest.h>

#include "platform/report/LineObject.h"
#include "platform/report/ReportDefinitions.h"
#include "platform/report/ReportNames.h"

using namespace platform;

namespace {

void expectMembers(const ReportDesigner& designer, const QStringList& names) {
  for (const QString& name : names) EXPECT_NE(designer.object(name), nullptr) << name.toStdString();
}

// The width and position chain the font re-flow runs: every Col 1..Col 18
// header and data object widened by 100 twips per point, the rows chained
// with 60-twip gaps from the Col 1 objects, separator lines 30 twips right.
void reflowChain(ReportDesigner& report, int points) {
  for (int k = 2; k <= 19; ++k) {
    for (const QString& name : {ReportNames::columnHeader(k), ReportNames::columnData(k)})
      report.member(name).setWidth(*report.member(name).width() + 100 * points);
  }
  for (int k = 3; k <= 19; ++k) {
    for (const auto& role : {&ReportNames::columnHeader, &ReportNames::columnData}) {
      const ObjectRef previous = report.member(role(k - 1));
      report.member(role(k)).setLeft(*previous.left() + *previous.width() + 60);
    }
  }
  for (int k = 2; k <= 18; ++k) {
    const ObjectRef data = report.member(ReportNames::columnData(k));
    report.member(ReportNames::columnLine(k)).setLeft(*data.left() + *data.width() + 30);
  }
}

int rightEdge(const ReportDesigner& report, int k) {
  const ObjectRef header = report.member(ReportNames::columnHeader(k));
  const ObjectRef data = report.member(ReportNames::columnData(k));
  return std::max(*header.left() + *header.width(), *data.left() + *data.width());
}

struct FitCase {
  int orientation;
  int size;
  int lastShown;  // column index of the last column that shows
  bool someHidden;
};

}  // namespace

TEST(ReportDefinitions, ReportHoldsEveryNamedObjectAndSection) {
  const auto report = ReportDefinitions::createReport();
  EXPECT_EQ(report->name(), QStringLiteral("Report"));
  ASSERT_EQ(report->sectionCount(), 6);
  for (int n = 1; n <= 6; ++n) EXPECT_EQ(report->section(n)->name(), ReportNames::section(n));
  expectMembers(*report, {"Company", "Companyinfo", "ProjNameLabel", "ProjNameText", "MachNoLabel", "MachNoText",
                          "TestedByLabel", "TestedByText", "Text8", "Field1", "Field2", "WideField",
                          "ReportTitleText", "TestTitleText", "SerialText", "CDateText", "IdText", "DateText",
                          "DensityStdText", "MoistureStdText", "KValText", "SpgText", "MaxDText", "LowDText",
                          "DensityStdLabel", "MoistureStdLabel", "NoiseBlockTitle", "SignalBlockTitle",
                          "AverageTitle", "ReadNumberLine"});
  for (int i = 1; i <= 4; ++i) expectMembers(*report, {ReportNames::headerLabel(i)});
  for (int i = 1; i <= 5; ++i) expectMembers(*report, {ReportNames::averageLabel(i), ReportNames::averageValue(i)});
  for (int i = 1; i <= 2; ++i)
    expectMembers(*report, {ReportNames::landscapeLine(i), ReportNames::portraitLine(i), ReportNames::landscapeBox(i),
                            ReportNames::portraitBox(i)});
  for (int k = 1; k <= 19; ++k) expectMembers(*report, {ReportNames::columnHeader(k), ReportNames::columnData(k)});
  for (int k = 2; k <= 18; ++k) expectMembers(*report, {ReportNames::columnLine(k)});
  EXPECT_EQ(report->object(ReportNames::columnLine(19)), nullptr);
  EXPECT_EQ(ReportNames::columnData(2), QStringLiteral("Col2"));  // Col 1's data object
  EXPECT_EQ(ReportNames::separatorLine(1), ReportNames::columnLine(2));
}

TEST(ReportDefinitions, ColumnObjectsStartWithColAndNothingElseInTheBodyDoes) {
  const auto report = ReportDefinitions::createReport();
  const ReportSection* body = report->section(QStringLiteral("Section3"));
  int named = 0;
  for (int i = 1; i <= body->objectCount(); ++i) {
    const ReportObject* object = body->object(i);
    if (object->name().left(3).toUpper() != QLatin1String("COL")) continue;
    ++named;
    EXPECT_TRUE(object->hasFont()) << object->name().toStdString();
  }
  EXPECT_EQ(named, 38);
  EXPECT_EQ(report->member(ReportNames::columnHeader(1)).text(), QStringLiteral("RD#"));
  EXPECT_EQ(report->member(ReportNames::columnHeader(2)).text(), QStringLiteral("Col 1"));
  EXPECT_EQ(report->member(ReportNames::columnHeader(19)).text(), QStringLiteral("Col 18"));
  EXPECT_EQ(report->member(ReportNames::columnData(19)).text(), QStringLiteral(" "));
  EXPECT_EQ(report->member(ReportNames::columnHeader(1)).fontSize(), 9);
}

TEST(ReportDefinitions, ColumnChainHasGapsOf60AndLinesInTheirMiddle) {
  const auto report = ReportDefinitions::createReport();
  for (int k = 2; k <= 19; ++k) {
    for (const auto& role : {&ReportNames::columnHeader, &ReportNames::columnData}) {
      const ObjectRef left = report->member(role(k - 1));
      EXPECT_EQ(*report->member(role(k)).left(), *left.left() + *left.width() + 60) << k;
    }
    EXPECT_EQ(report->member(ReportNames::columnHeader(k)).width(), report->member(ReportNames::columnData(k)).width());
  }
  for (int k = 2; k <= 18; ++k) {
    const ObjectRef data = report->member(ReportNames::columnData(k));
    EXPECT_EQ(*report->member(ReportNames::columnLine(k)).left(), *data.left() + *data.width() + 30) << k;
  }
  const ObjectRef readNumbers = report->member(ReportNames::columnData(1));
  EXPECT_EQ(*report->member(ReportNames::ReadNumberLine).left(), *readNumbers.left() + *readNumbers.width() + 30);
}

TEST(ReportDefinitions, ColumnsThatShowFitThePageAndTheNextWouldNot) {
  // Density and stiffness gauges on landscape paper: 19, 17, 15, 14 columns;
  // the load frame on portrait paper: 14, 12, 12, 10.
  const FitCase cases[] = {
      {PaperOrientation::Landscape, 9, 19, false}, {PaperOrientation::Landscape, 10, 17, true},
      {PaperOrientation::Landscape, 11, 15, true}, {PaperOrientation::Landscape, 12, 14, true},
      {PaperOrientation::Portrait, 9, 14, true},   {PaperOrientation::Portrait, 10, 12, true},
      {PaperOrientation::Portrait, 11, 12, true},  {PaperOrientation::Portrait, 12, 10, true},
  };
  for (const FitCase& fit : cases) {
    auto report = ReportDefinitions::createReport();
    report->setPaperOrientation(fit.orientation);
    reflowChain(*report, fit.size - 9);
    const int pageRight = report->pageSize().width() - report->margins().right();
    EXPECT_LE(rightEdge(*report, fit.lastShown), pageRight) << fit.orientation << " size " << fit.size;
    if (fit.someHidden)
      EXPECT_GT(rightEdge(*report, fit.lastShown + 1), pageRight) << fit.orientation << " size " << fit.size;
  }
}

TEST(ReportDefinitions, HeaderWidthsOfBothPagesFitTheirPaper) {
  const auto report = ReportDefinitions::createReport();
  for (const char* name : {"Company", "Companyinfo", "WideField"})
    EXPECT_LE(*report->member(QString::fromLatin1(name)).left() + 11300, 12240 - 360) << name;
  for (const char* name : {"Text8", "Field1", "Field2"})
    EXPECT_LE(*report->member(QString::fromLatin1(name)).left() + 12600, 15840 - 360) << name;
}

TEST(ReportDefinitions, StiffyReportHoldsEveryNamedObject) {
  const auto stiffy = ReportDefinitions::createStiffyReport();
  EXPECT_EQ(stiffy->name(), QStringLiteral("StiffyReport"));
  for (int n = 6; n <= 10; ++n) EXPECT_NE(stiffy->section(ReportNames::section(n)), nullptr) << n;
  expectMembers(*stiffy, {"StiffyCompany", "StiffyCompanyinfo", "StiffyRunNumber", "StiffyMeasure",
                          "StiffyCalFactor", "StiffyDate", "StiffyTime", "StiffyBinNumber", "StiffyFrequency",
                          "StiffyDisplSNR", "StiffyForceSNR", "StiffyStiffnessMN", "StiffyStiffnessLbf",
                          "StiffyYoungsMPa", "StiffyYoungsPsi", "StiffyShearMPa", "StiffyShearPsi",
                          "StiffyAverageLabel", "StiffyMoisture", "StiffyDryDensityPcf", "StiffyDryDensityKg",
                          "StiffyAssemblyMass", "StiffyPoissonRatio", "StiffyDensityPcf", "StiffySlope",
                          "StiffyIntercept", "StiffyDensityKg", "StiffySnrHeading"});
  for (int j = 1; j <= 6; ++j) expectMembers(*stiffy, {ReportNames::stiffyAverage(j)});
}

TEST(ReportDefinitions, StiffyColumnsStandUnderTheirHeadings) {
  const auto stiffy = ReportDefinitions::createStiffyReport();
  const QStringList headings = {"StiffyFreqHeading",     "StiffyDisplDbHeading",   "StiffyForceDbHeading",
                                "StiffyStiffMNHeading",  "StiffyStiffLbfHeading",  "StiffyYoungsMPaHeading",
                                "StiffyYoungsPsiHeading", "StiffyShearMPaHeading", "StiffyShearPsiHeading",
                                "StiffyMoistureHeading", "StiffyDryPcfHeading",    "StiffyDryKgHeading"};
  const QStringList columns = {"StiffyFrequency",    "StiffyDisplSNR",  "StiffyForceSNR",     "StiffyStiffnessMN",
                               "StiffyStiffnessLbf", "StiffyYoungsMPa", "StiffyYoungsPsi",    "StiffyShearMPa",
                               "StiffyShearPsi",     "StiffyMoisture",  "StiffyDryDensityPcf", "StiffyDryDensityKg"};
  for (int i = 0; i < headings.size(); ++i) {
    const ObjectRef heading = stiffy->member(headings[i]);
    const ObjectRef column = stiffy->member(columns[i]);
    EXPECT_EQ(heading.left(), column.left()) << headings[i].toStdString();
    EXPECT_EQ(heading.width(), column.width()) << headings[i].toStdString();
    if (i > 0) {
      const ObjectRef previous = stiffy->member(headings[i - 1]);
      EXPECT_EQ(*heading.left(), *previous.left() + *previous.width()) << "columns touch";
    }
  }
  const ObjectRef snr = stiffy->member(QStringLiteral("StiffySnrHeading"));
  EXPECT_EQ(snr.left(), stiffy->member(QStringLiteral("StiffyDisplDbHeading")).left());
  // Widened by 300 twips each at size 12, the row still fits the landscape page.
  const ObjectRef last = stiffy->member(QStringLiteral("StiffyDryKgHeading"));
  EXPECT_LE(*last.left() + *last.width() + 12 * 300, 15840 - 360);
}

TEST(ReportDefinitions, StiffyConstantsTableSideTextsFollowTheSizeByName) {
  const auto stiffy = ReportDefinitions::createStiffyReport();
  const ReportSection* table = stiffy->section(QStringLiteral("Section10"));
  int sides = 0;
  for (int i = 1; i <= table->objectCount(); ++i) {
    const QString prefix = table->object(i)->name().left(3).toUpper();
    if (prefix == QLatin1String("CON")) ++sides;
  }
  EXPECT_EQ(sides, 7);  // six side texts and the table title
  const ObjectRef value = stiffy->member(QStringLiteral("StiffySlope"));
  EXPECT_EQ(*stiffy->member(QStringLiteral("ConSlope")).left(), *value.left() + *value.width() + 250);
  EXPECT_EQ(stiffy->section(QStringLiteral("Section8"))->object(QStringLiteral("StiffyCompany"))->name(),
            QStringLiteral("StiffyCompany"));
}

TEST(ReportDefinitions, DesignersAreBuiltAfreshEachTime) {
  auto first = ReportDefinitions::createReport();
  first->member(QStringLiteral("Company")).SetText(QStringLiteral("Changed"));
  first->member(QStringLiteral("Company")).setFontSize(20);
  const auto second = ReportDefinitions::createReport();
  EXPECT_EQ(second->member(QStringLiteral("Company")).text(), QStringLiteral("Company Name"));
  EXPECT_EQ(second->member(QStringLiteral("Company")).fontSize(), 14);
}
