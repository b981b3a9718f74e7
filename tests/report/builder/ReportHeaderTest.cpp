#include "report/builder/ReportHeader.h"

#include <QImage>
#include <gtest/gtest.h>

#include "BuilderFixture.h"
#include "report/builder/ColumnSlots.h"

namespace report {
namespace {

namespace names = platform::ReportNames;

class ReportHeaderTest : public testing::BuilderFixture {
 protected:
  void build(const QString& table, int model) {
    auto c = context();
    Build_Report_Header(c, table, "S", model);
  }
  int pictures() const {
    int count = 0;
    auto* section = designers.Report->section(names::section(4));
    for (int i = 1; i <= section->objectCount(); ++i)
      count += section->object(i)->kind() == platform::ReportObjectKind::Picture;
    return count;
  }
  // The date block ends right of `past` (the right half of its page) and inside `printableRight`, and the
  // company texts end before it begins.
  void expectDateBlockClearOfCompanyWithin(int past, int printableRight) {
    for (const char* part : {"Text8", "Field1", "Field2"}) {
      const platform::ObjectRef date = designers.Report->member(part);
      EXPECT_GT(*date.left() + *date.width(), past) << part;
      EXPECT_LE(*date.left() + *date.width(), printableRight) << part;
      for (const char* name : {"Company", "Companyinfo"}) {
        const platform::ObjectRef company = designers.Report->member(name);
        EXPECT_LT(*company.left() + *company.width(), *date.left()) << name << " " << part;
      }
    }
  }
};

TEST_F(ReportHeaderTest, DensityHeaderWritesTitlesTestValuesAndLandscapeWidths) {
  loadFile(1, "n2600a/soil_asphalt.txt");
  info.CInfo[CompanyName] = "Acme Labs";
  info.CInfo[ProjectName] = "Bridge";
  build("125", 1);
  EXPECT_EQ(text("Company"), "Acme Labs");
  EXPECT_EQ(text("ProjNameText"), "Bridge");
  EXPECT_EQ(text("ReportTitleText"), "Data Report for NS-2600A Serial:");
  EXPECT_EQ(text("SerialText"), "12345");
  EXPECT_EQ(text("DensityStdLabel"), "Density Standard:");
  EXPECT_EQ(text("MaxDText"), "135.5");
  EXPECT_TRUE(hidden(names::headerLabel(4)));
  expectDateBlockClearOfCompanyWithin(12240, 15840 - 360);
  EXPECT_FALSE(hidden(names::columnHeader(19)));
  EXPECT_TRUE(designers.Report->section(names::section(6))->suppress());
  EXPECT_EQ(header(2), "Remarks");
  EXPECT_EQ(flags.Remarks_Column, 2);
  EXPECT_EQ(flags.New_Remarks_Column, 2);
  for (int k = 2; k <= 18; ++k) EXPECT_TRUE(hidden(names::columnLine(k))) << k;
}

// An N2600A project repeats its standards in every reading: the header shows
// those of the first reading of the sample type shown, as the header grid
// does, not those of the project's first reading.
TEST_F(ReportHeaderTest, N2600AHeaderShowsTheFirstReadingOfTheSampleTypeShown) {
  loadFile(1, "n2600a/soil_first_asphalt_shown.txt");
  auto c = context();
  Build_Report_Header(c, "91", "A", 1);
  const std::pair<const char*, const char*> asphalt[] = {{"DensityStdText", "2413"}, {"MoistureStdText", "608"},
                                                         {"SpgText", "2.45"},        {"MaxDText", "141.7"},
                                                         {"DateText", "03/14/05"},   {"IdText", "9.1"}};
  for (const auto& [object, value] : asphalt) EXPECT_EQ(text(object), value) << object;
  designers.recreate();
  build("91", 1);
  EXPECT_EQ(text("DensityStdText"), "2359");
}

// The later-runs table gets "+", a run numbered from 101 does not; the
// measure and calibration factor are labelled as such.
TEST_F(ReportHeaderTest, StiffnessHeaderLabelsMeasureAndMarksOnlyTheSharedTable) {
  loadFile(3, "t7310/runs_101_to_125.txt");
  info.CInfo[CompanyName] = "Acme Labs";
  const int dataTop = *designers.Report->member(names::columnData(3)).top();
  build("RUN120", 3);
  EXPECT_EQ(text("IdText"), "120");
  EXPECT_EQ(text("ReportTitleText"), "Data Report for T7310");
  EXPECT_EQ(text("MaxDLabel"), "Measure:");
  EXPECT_EQ(text(names::headerLabel(4)), "Calibration Factor:");
  EXPECT_FALSE(hidden(names::headerLabel(4)));
  EXPECT_EQ(text("DateText"), "06/01/2004 10:19:30");
  EXPECT_EQ(stiffyText("StiffyCompany"), "Acme Labs");
  EXPECT_EQ(*designers.Report->member(names::columnData(3)).top(), dataTop + 150);
  const auto snr = designers.StiffyReport->member("StiffyForceSNR");
  EXPECT_EQ(designers.StiffyReport->member(names::stiffyAverage(1)).left(), *snr.left() + *snr.width() + 20);
  designers.recreate();
  build("RUN121", 3);
  EXPECT_EQ(text("IdText"), "121+");
}

TEST_F(ReportHeaderTest, LoadFrameHidesTheMirrorBlockBelowFiftyReadingsAndAddsTheChart) {
  const QString table = load(0, testing::loadFramePrintout(49)).trimmed();
  QImage chart(20, 20, QImage::Format_RGB32);
  chart.fill(Qt::white);
  ASSERT_TRUE(chart.save(folder.path("images/graphimage.bmp"), "BMP"));
  build(table, 0);
  EXPECT_EQ(text("TestTitleText"), table + " Test Results");
  EXPECT_EQ(pictures(), 1);
  EXPECT_TRUE(hidden(names::columnHeader(8)));
  EXPECT_TRUE(hidden(names::columnData(19)));
  EXPECT_FALSE(hidden(names::portraitLine(1)));
  expectDateBlockClearOfCompanyWithin(12240 / 2, 12240 - 360);
  EXPECT_EQ(header(9), "Remarks");
}

// No chart picture and no records: titles, frame, columns and "Remarks" are
// still set.
TEST_F(ReportHeaderTest, GoesOnPastAMissingPictureAndAnEmptyTable) {
  loadFile(0, "lx9100/example.txt");
  const QString table = db.tableNames().first();
  ASSERT_TRUE(db.exec(QStringLiteral("DELETE FROM \"%1\"").arg(table)));
  build(table, 0);
  EXPECT_EQ(pictures(), 0);
  EXPECT_EQ(text("TestTitleText"), table + " Test Results");
  EXPECT_TRUE(hidden(names::columnHeader(15)));
  EXPECT_EQ(header(2), "Remarks");
  const QString before = text("Company");
  designers.recreate();
  flags.Remarks_Column = 7;
  build("", 0);
  EXPECT_EQ(flags.Remarks_Column, 7);
  EXPECT_EQ(text("Company"), before);
}

}  // namespace
}  // namespace report
