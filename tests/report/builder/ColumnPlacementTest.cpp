#include "report/builder/ColumnPlacement.h"

#include <gtest/gtest.h>

#include "BuilderFixture.h"
#include "platform/report/ReportDefinitions.h"
#include "platform/report/TextWidth.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/ReportHeader.h"
#include "report/builder/StiffnessBlocks.h"

namespace report {
namespace {

using testing::lines;
using testing::numbers;

class ColumnPlacementTest : public testing::BuilderFixture {
 protected:
  // A fresh report for the table, as the report set-up builds it.
  void start(const QString& table, int model, const QString& sa = "N") {
    table_ = table;
    model_ = model;
    sa_ = sa;
    auto c = context();
    Clear_Columns(*designers.Report);
    Build_Report_Header(c, table, sa, model);
  }
  PlaceColumnResult place(int col, const QString& item, ListSelection list = {0, 6}) {
    auto c = context();
    return Place_Column(c, col, item, table_, sa_, model_, list);
  }
  QString table_, sa_;
  int model_ = 0;
};

TEST_F(ColumnPlacementTest, LongLoadFrameColumnSplitsOverItsMirrorAndRemarksFollows) {
  start(load(0, testing::loadFramePrintout(120)).trimmed(), 0);
  const auto result = place(2, "CH1");
  EXPECT_EQ(result.ColumnObject, "CH1");
  EXPECT_EQ(header(2), "CH1");
  EXPECT_EQ(header(9), "CH1");
  EXPECT_EQ(lines(data(2)).size(), 50 + 20);
  EXPECT_EQ(lines(data(2)).first(), "0.50");
  EXPECT_EQ(lines(data(2))[49], "25.00");      // reading 50
  EXPECT_EQ(lines(data(9)).first(), "25.50");  // reading 51
  EXPECT_EQ(header(3), "Remarks");
  EXPECT_EQ(header(10), "Remarks");
  EXPECT_EQ(flags.Remarks_Column, 3);
  EXPECT_FALSE(hidden(platform::ReportNames::columnLine(2)));
  EXPECT_TRUE(hidden(platform::ReportNames::columnLine(3)));
}

// Loads past 10,000 at size 9 are wider than a stored column: the load column
// and its mirror take the width their widest value needs with a gap's margin,
// and the lines and columns after them move right, within the page, so that
// no value stands under or against a line. A column of narrower values keeps its width.
TEST_F(ColumnPlacementTest, FiveDigitLoadsWidenTheirColumnAndMoveTheLinesAfterIt) {
  namespace names = platform::ReportNames;
  using Definitions = platform::ReportDefinitions;
  const auto member = [&](const QString& name) { return designers.Report->member(name); };
  const auto right = [&](const QString& name) { return *member(name).left() + *member(name).width(); };
  flags.Report_Font_Size = 9;
  start(loadFile(0, "lx9100/uc_five_digit_loads.txt").trimmed(), 0);
  place(2, "CH1");
  place(3, "CH2");
  ASSERT_EQ(lines(data(2)).first(), "10025.10");
  ASSERT_EQ(lines(data(9)).last(), "10291.80");
  const int widest = platform::textWidthTwips("10291.80", platform::ReportFont{});
  ASSERT_GT(widest, Definitions::columnWidth(2));
  for (const int k : {2, 9}) {
    SCOPED_TRACE(k);
    EXPECT_GE(member(names::columnData(k)).width(), widest + Definitions::ColumnGap);
    EXPECT_EQ(member(names::columnHeader(k)).width(), member(names::columnData(k)).width());
    EXPECT_GT(member(names::columnLine(k)).left(), right(names::columnData(k)));
    EXPECT_GT(member(names::columnData(k + 1)).left(), member(names::columnLine(k)).left());
    EXPECT_EQ(member(names::columnData(k + 1)).width(), Definitions::columnWidth(k + 1));
  }
  EXPECT_GT(member(names::columnLine(3)).left(), right(names::columnData(3)));
  EXPECT_LE(right(names::columnData(14)), platform::ReportDesigner::LetterWidth - 360);

  place(2, "None");  // the stored width again once the wide values are gone
  EXPECT_EQ(member(names::columnData(2)).width(), Definitions::columnWidth(2));
  EXPECT_EQ(member(names::columnData(3)).left(), Definitions::columnLeft(3));
}

// A full N2600BX report, 17 items and "Remarks", leaves 80 twips of the page
// free at size 9. A station wider than its column still widens it to show every digit;
// the room comes from the columns right of it that need less than they have,
// so that the last column ends inside the printable area instead of running
// off the paper, and no header or value is cut.
TEST_F(ColumnPlacementTest, AWideValueOfAFullReportTakesItsRoomFromColumnsThatHaveSome) {
  namespace names = platform::ReportNames;
  const auto member = [&](const QString& name) { return designers.Report->member(name); };
  const auto right = [&](int k) { return *member(names::columnData(k)).left() + *member(names::columnData(k)).width(); };
  const auto widest = [](const QString& text, bool bold) {
    platform::ReportFont font;
    font.bold = bold;
    int width = 0;
    for (const QString& line : lines(text)) width = std::max(width, platform::textWidthTwips(line, font));
    return width;
  };
  loadFile(2, "n2600bx/empty_values.txt");
  ASSERT_TRUE(db.exec("UPDATE \"P7\" SET \"STAT1\" = '12345+67.80' WHERE \"RDNUM\" = 3"));
  flags.Report_Font_Size = 9;
  start("7", 2, "S");
  designers.Report->setPaperOrientation(platform::PaperOrientation::Landscape);
  const QStringList items{"Time",     "Stat1 To", "Stat1",  "Offset",  "Stat2",  "Lane",     "Depth",   "Soil/Asph",
                          "D Adj",    "D Cnt",    "M Cnt",  "%Air void", "Wet Dens", "Dry Dens", "M Cont", "%M Cont",
                          "%Comp"};
  for (qsizetype i = 0; i < items.size(); ++i) place(static_cast<int>(i) + 2, items[i]);
  ASSERT_EQ(header(19), "Remarks");
  ASSERT_EQ(lines(data(4)).value(2), "12345+67.80");
  EXPECT_LE(right(19), platform::ReportDesigner::LetterHeight - 360);
  for (int k = 2; k <= 19; ++k) {
    SCOPED_TRACE(header(k).toStdString());
    const int width = *member(names::columnData(k)).width();
    EXPECT_GE(width, widest(data(k), false) + 60);
    if (width < platform::ReportDefinitions::columnWidth(k)) EXPECT_GE(width, widest(header(k), true) + 60);
    EXPECT_GT(member(names::columnLine(k)).left().value_or(right(k) + 1), right(k));
  }
}

TEST_F(ColumnPlacementTest, DensityItemsAreAbbreviatedAndEveryReadingKeepsItsLine) {
  loadFile(1, "n2600a/soil_asphalt.txt");
  ASSERT_TRUE(db.exec("UPDATE \"P125\" SET \"WETD\" = NULL WHERE \"RDNUM\" = 2"));
  start("125", 1, "S");
  const auto result = place(2, "Wet Dens");
  EXPECT_EQ(result.ColumnObject, "WD");
  EXPECT_EQ(header(2), "WD");
  EXPECT_EQ(data(2), "120.1\r\r119.9\r");  // single values as sent, the Null as an empty line
  place(3, "Read Date");
  EXPECT_EQ(header(3), "RDate");
  EXPECT_EQ(header(4), "Remarks");
  EXPECT_EQ(flags.Remarks_Column, 4);
}

// "None" on the only data column leaves "Remarks" in column 2, never in the
// read-number column.
TEST_F(ColumnPlacementTest, NoneOnTheOnlyDataColumnKeepsRemarksInColumnTwo) {
  loadFile(1, "n2600a/soil_asphalt.txt");
  start("125", 1, "S");
  place(2, "Dry Dens");
  ASSERT_EQ(flags.Remarks_Column, 3);
  place(2, "None");
  EXPECT_EQ(header(1), "RD#");
  EXPECT_EQ(header(2), "Remarks");
  EXPECT_EQ(header(3), "Col 2");
  EXPECT_EQ(flags.Remarks_Column, 2);
  EXPECT_EQ(flags.New_Remarks_Column, 2);
}

// The shared table of later runs keeps its first record (a run); a full run
// table, numbered from 101 or not, leaves its header record out.
TEST_F(ColumnPlacementTest, StiffnessColumnsLineUpWithTheirRunOrBinNumbers) {
  loadFile(3, "t7310/runs_101_to_125.txt");
  start("RUN121", 3);
  const auto result = place(2, "Frequency");
  EXPECT_EQ(result.ColumnObject, "Frequency");
  EXPECT_EQ(header(2), "Freq.");
  EXPECT_EQ(lines(data(2)).size(), 5);
  start("RUN120", 3);
  place(2, "I_F_SD");
  EXPECT_EQ(header(2), "Imag.\rForce");
  EXPECT_TRUE(designers.Report->textObject(platform::ReportNames::columnHeader(2))->canGrow());
  EXPECT_EQ(lines(data(2)).size(), 2);
  EXPECT_EQ(text("IdText"), "120");
}

// A block is all or nothing: "None" or any other item on one of its columns
// takes off all four columns, the flag and the title.
TEST_F(ColumnPlacementTest, AnyItemOnAStiffnessBlockTakesTheWholeBlockOff) {
  loadFile(3, "t7310/runs_101_to_125.txt");
  start("RUN101", 3);
  const auto placeBlock = [&](const QString& name, int first) {
    const StiffnessBlock& block = *stiffnessBlockFor(name);
    markBlockPlaced(*designers.Report, flags, block, first);
    for (int pass = 0; pass < 4; ++pass) place(first + pass, block.dataItems[pass]);
  };
  placeBlock("Noise Data", 2);
  placeBlock("Signal Data", 6);
  EXPECT_FALSE(hidden("SignalBlockTitle"));
  const auto result = place(8, "None");
  EXPECT_EQ(result.Col, 6);
  EXPECT_FALSE(flags.Signal_Block);
  EXPECT_TRUE(flags.Noise_Block);
  EXPECT_TRUE(hidden("SignalBlockTitle"));
  for (int k = 6; k <= 9; ++k) EXPECT_EQ(header(k), k == 6 ? "Remarks" : columnPlaceholder(k)) << k;
  EXPECT_EQ(data(7), " ");

  place(4, "Frequency");
  EXPECT_FALSE(flags.Noise_Block);
  EXPECT_TRUE(hidden("NoiseBlockTitle"));
  EXPECT_EQ(header(4), "Freq.");
  for (int k : {2, 3}) EXPECT_EQ(header(k), columnPlaceholder(k)) << k;
  EXPECT_EQ(header(5), "Remarks");  // directly after the last used column, as "None" leaves it
  EXPECT_EQ(header(6), columnPlaceholder(6));
  EXPECT_EQ(flags.Remarks_Column, 5);
  EXPECT_FALSE(lines(data(4)).join("").isEmpty());

  // The block can go on again where it was, and its own items do not clear it.
  placeBlock("Noise Data", 3);
  EXPECT_TRUE(flags.Noise_Block);
  EXPECT_EQ(flags.Noise_Col, 6);
  EXPECT_EQ(header(5), "Imag.\rDispl.");
  EXPECT_FALSE(hidden("NoiseBlockTitle"));
  clearBlocksOver(*designers.Report, flags, 6, 9);
  EXPECT_FALSE(flags.Noise_Block);
  for (int k = 3; k <= 6; ++k) EXPECT_EQ(header(k), columnPlaceholder(k)) << k;
}

TEST_F(ColumnPlacementTest, ListSelectionAndClearingGuard) {
  EXPECT_EQ(nextListSelection({2, 6})->select, 2);
  EXPECT_EQ(nextListSelection({2, 6})->scrollTo, 4);
  EXPECT_EQ(nextListSelection({4, 6})->select, 5);
  EXPECT_EQ(nextListSelection({5, 6})->select, 0);
  EXPECT_FALSE(nextListSelection({-1, 0}));
  loadFile(1, "n2600a/soil_asphalt.txt");
  start("125", 1, "S");
  flags.Clearing_Report = true;
  EXPECT_FALSE(place(3, "Wet Dens").listMove);
  EXPECT_EQ(header(3), "Col 2");
}

TEST_F(ColumnPlacementTest, AHostileTableNameReadsNothing) {
  loadFile(1, "n2600a/soil_asphalt.txt");
  start("125", 1, "S");
  table_ = "125\" ; DROP TABLE \"P125";
  place(2, "Wet Dens");
  EXPECT_EQ(header(2), "WD");
  EXPECT_EQ(data(2), " ");
  EXPECT_TRUE(db.hasTable("P125"));
}

}  // namespace
}  // namespace report
