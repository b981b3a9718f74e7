#include "report/reflow/ResizeReportFont.h"

#include <gtest/gtest.h>

#include <array>

#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"
#include "platform/report/TextWidth.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/ReportDesigners.h"
#include "report/builder/ReportFlags.h"
#include "report/builder/StiffnessBlocks.h"

namespace report {
namespace {

using platform::ReportNames::columnData;
using platform::ReportNames::columnHeader;
using platform::ReportNames::columnLine;

constexpr std::array<int, 3> ColumnModels = {ModelCode::N2600A, ModelCode::N2600BX, ModelCode::T7310};

class ResizeReportFontTest : public ::testing::Test {
 protected:
  ReflowResult reflow(int size, int model) {
    return Resize_Report_Font({designers, flags, nullptr}, size, model, QString());
  }
  platform::ReportDesigner& report() { return *designers.Report; }
  int width(const QString& name) { return report().member(name).width().value_or(-1); }
  int left(const QString& name) { return report().member(name).left().value_or(-1); }
  bool shown(int k) { return !report().member(columnHeader(k)).suppress().value_or(true); }
  void place(int k, const QString& item, const QString& data = QStringLiteral("1\r2\r")) {
    setHeader(report(), k, item);
    setData(report(), k, data);
  }
  // Items in Col 1 to Col n, the remarks column right after them.
  void placeItems(int n) {
    for (int k = FirstDataColumn; k < FirstDataColumn + n; ++k) place(k, QStringLiteral("ITEM%1").arg(k));
    place(FirstDataColumn + n, RemarksHeader, EmptyColumnText);
    flags.Used_Columns = flags.Remarks_Column = flags.New_Remarks_Column = FirstDataColumn + n;
  }
  QStringList texts() {
    QStringList all;
    for (int k = FirstDataColumn; k <= LastColumn; ++k)
      all << headerText(report(), k) << report().member(columnData(k)).text().value_or(QString());
    return all;
  }
  int remarksColumns() {
    int count = 0;
    for (int k = FirstDataColumn; k <= LastColumn; ++k) count += headerText(report(), k) == RemarksHeader;
    return count;
  }

  ReportDesigners designers;
  ReportFlags flags;
};

// Widths grow 100 twips a point, both rows chain with 60-twip gaps from their
// Col 1 objects, each line halves the gap after its data object, and exactly
// the columns of the size show; the same at every step up and back down.
TEST_F(ResizeReportFontTest, ColumnChainAndShownColumnsAtEverySizeAndBack) {
  for (int model : ColumnModels) {
    designers.recreate();
    flags = {};
    std::array<int, LastColumn + 1> headerWidths{}, dataWidths{};
    for (int k = FirstDataColumn; k <= LastColumn; ++k) {
      headerWidths[k] = width(columnHeader(k));
      dataWidths[k] = width(columnData(k));
    }
    const int headerStart = left(columnHeader(FirstDataColumn));
    const int dataStart = left(columnData(FirstDataColumn));
    for (int size : {10, 11, 12, 11, 10, 9}) {
      SCOPED_TRACE(QStringLiteral("model %1 size %2").arg(model).arg(size).toStdString());
      ASSERT_TRUE(reflow(size, model).reflowed);
      EXPECT_EQ(flags.Report_Font_Size, size);
      EXPECT_EQ(report().member(columnHeader(ReadNumberColumn)).fontSize(), size);
      EXPECT_EQ(left(columnHeader(FirstDataColumn)), headerStart);
      EXPECT_EQ(left(columnData(FirstDataColumn)), dataStart);
      const int lastShown = std::array{19, 17, 15, 14}[size - 9];
      for (int k = FirstDataColumn; k <= LastColumn; ++k) {
        EXPECT_EQ(width(columnHeader(k)), headerWidths[k] + 100 * (size - 9));
        EXPECT_EQ(width(columnData(k)), dataWidths[k] + 100 * (size - 9));
        EXPECT_EQ(shown(k), k <= lastShown) << k;
        if (k > FirstDataColumn) {
          EXPECT_EQ(left(columnHeader(k)), left(columnHeader(k - 1)) + width(columnHeader(k - 1)) + 60);
          EXPECT_EQ(left(columnData(k)), left(columnData(k - 1)) + width(columnData(k - 1)) + 60);
        }
        if (k <= LastLineColumn) EXPECT_EQ(left(columnLine(k)), left(columnData(k)) + width(columnData(k)) + 30);
      }
    }
  }
}

// A value wider than its column at the new size widens the column there, the
// lines and columns after it moving along; back at 9 it is as wide as the
// value needs at 9.
TEST_F(ResizeReportFontTest, AColumnTakesTheWidthItsWidestValueNeedsAtEverySize) {
  const QString widest = QStringLiteral("10291.80");
  placeItems(2);
  place(3, QStringLiteral("LOAD"), QStringLiteral("10025.10\r") + widest + QStringLiteral("\r"));
  const int stored = width(columnData(3));
  ASSERT_TRUE(reflow(10, ModelCode::N2600A).reflowed);
  platform::ReportFont font;
  font.size = 10;
  const int valueWidth = platform::textWidthTwips(widest, font);
  ASSERT_GT(valueWidth, stored + 100);
  const int needed = valueWidth + 60;  // a column gap's margin beside the value
  EXPECT_EQ(width(columnData(3)), needed);
  EXPECT_EQ(width(columnHeader(3)), needed);
  EXPECT_EQ(width(columnData(2)), width(columnData(4)));
  EXPECT_EQ(left(columnLine(3)), left(columnData(3)) + needed + 30);
  EXPECT_EQ(left(columnData(4)), left(columnData(3)) + needed + 60);
  ASSERT_TRUE(reflow(9, ModelCode::N2600A).reflowed);
  EXPECT_EQ(width(columnData(3)), platform::textWidthTwips(widest, platform::ReportFont{}) + 60);
}

TEST_F(ResizeReportFontTest, SectionFontsFollowTheSizeAndTheNamedObjectsKeepTheirOffset) {
  const int company = report().member(QStringLiteral("Company")).fontSize().value_or(0);
  const int projectName = report().member(QStringLiteral("ProjNameLabel")).fontSize().value_or(0);
  reflow(12, ModelCode::N2600A);
  EXPECT_EQ(report().member(QStringLiteral("Company")).fontSize(), company + 3);
  EXPECT_EQ(report().member(QStringLiteral("ProjNameLabel")).fontSize(), projectName + 3);
  EXPECT_EQ(report().member(columnData(5)).fontSize(), 12);
  reflow(9, ModelCode::N2600A);
  EXPECT_EQ(report().member(QStringLiteral("Company")).fontSize(), company);
  EXPECT_EQ(report().member(QStringLiteral("ProjNameLabel")).fontSize(), projectName);
  EXPECT_EQ(report().member(columnData(5)).fontSize(), 9);
}

// The designer, not the remembered size, says what the report is laid out
// for: a stale Report_Font_Size neither stops a re-flow nor skews its change.
TEST_F(ResizeReportFontTest, OldSizeComesFromTheDesignerAndOnlyNineToTwelveAreTaken) {
  const int width9 = width(columnData(3));
  flags.Report_Font_Size = 12;
  const ReflowResult toTwelve = reflow(12, ModelCode::N2600A);
  EXPECT_TRUE(toTwelve.reflowed);
  EXPECT_EQ(width(columnData(3)), width9 + 300);
  EXPECT_EQ(toTwelve.columnList.size(), 12);
  EXPECT_EQ(toTwelve.fontCaptions[3], QStringLiteral("12 (Current)"));

  const ReflowResult again = reflow(12, ModelCode::N2600A);
  EXPECT_FALSE(again.reflowed);
  EXPECT_EQ(width(columnData(3)), width9 + 300);
  for (int refused : {0, 8, 13, 72}) EXPECT_FALSE(reflow(refused, ModelCode::N2600A).reflowed);
  EXPECT_EQ(flags.Report_Font_Size, 12);
  EXPECT_FALSE(flags.Font_Changing);
}

// A report whose columns fit at 12 comes back as it was.
TEST_F(ResizeReportFontTest, FittingReportComesBackUnchangedAfterEverySize) {
  for (int model : ColumnModels) {
    designers.recreate();
    flags = {};
    placeItems(5);
    const QStringList before = texts();
    for (int size : {10, 11, 12, 9}) reflow(size, model);
    EXPECT_EQ(texts(), before) << model;
    EXPECT_EQ(remarksColumns(), 1);
    EXPECT_EQ(flags.Remarks_Column, 7);
    for (int k = FirstDataColumn; k <= LastColumn; ++k) EXPECT_TRUE(shown(k));
  }
}

TEST_F(ResizeReportFontTest, UsedLastColumnBecomesTheRemarksColumn) {
  for (int k = FirstDataColumn; k <= 14; ++k) place(k, QStringLiteral("ITEM%1").arg(k));
  place(15, RemarksHeader, EmptyColumnText);
  reflow(12, ModelCode::N2600A);
  EXPECT_EQ(headerText(report(), 14), RemarksHeader);
  EXPECT_EQ(report().member(columnData(14)).text(), EmptyColumnText);
  for (int k = 15; k <= LastColumn; ++k) EXPECT_EQ(headerText(report(), k), columnPlaceholder(k));
  EXPECT_EQ(flags.Used_Columns, 14);
  EXPECT_EQ(flags.Remarks_Column, 14);
  EXPECT_EQ(remarksColumns(), 1);
  // Lines right of the columns before "Remarks" only: none cuts its remarks short.
  for (int k = FirstDataColumn; k <= LastLineColumn; ++k)
    EXPECT_EQ(report().member(columnLine(k)).suppress(), k >= 14) << k;
}

// Without a remarks column and with the last shown column free, items past
// it stay placed but hidden: the result names them, and a smaller size shows
// them again without naming anything.
TEST_F(ResizeReportFontTest, ItemsKeptButHiddenAtALargerSizeAreNamed) {
  for (int k = FirstDataColumn; k < LastColumn; ++k)
    if (k != 14) place(k, QStringLiteral("ITEM%1").arg(k));
  const ReflowResult larger = reflow(12, ModelCode::N2600A);
  EXPECT_EQ(larger.droppedColumns, QStringList{});
  EXPECT_EQ(larger.hiddenColumns, QStringList({"ITEM15", "ITEM16", "ITEM17", "ITEM18"}));
  const ReflowResult smaller = reflow(9, ModelCode::N2600A);
  EXPECT_EQ(smaller.droppedColumns, QStringList{});
  EXPECT_EQ(smaller.hiddenColumns, QStringList{});
  EXPECT_EQ(headerText(report(), 18), QStringLiteral("ITEM18"));
  EXPECT_TRUE(shown(18));
}

TEST_F(ResizeReportFontTest, RemarksColumnAtTheLastShownColumnKeepsItsRemarks) {
  const QString remarks = QStringLiteral("wet\r \rdry\r");
  for (int k = FirstDataColumn; k <= 16; ++k) place(k, QStringLiteral("ITEM%1").arg(k));
  place(17, RemarksHeader, remarks);
  place(18, QStringLiteral("ITEM18"));
  reflow(10, ModelCode::N2600BX);
  EXPECT_EQ(report().member(columnData(17)).text(), remarks);
  EXPECT_EQ(headerText(report(), 18), columnPlaceholder(18));
  EXPECT_EQ(flags.Remarks_Column, 17);
}

// A free column before the ones that no longer fit: the remarks column comes
// forward to follow the last used one that shows, never stays hidden.
TEST_F(ResizeReportFontTest, RemarksColumnAfterAGapAtElevenIsShown) {
  for (int k = FirstDataColumn; k <= 11; ++k) place(k, QStringLiteral("ITEM%1").arg(k));
  place(16, QStringLiteral("ITEM16"));
  place(17, RemarksHeader, EmptyColumnText);
  flags.Used_Columns = flags.Remarks_Column = flags.New_Remarks_Column = 17;
  reflow(11, ModelCode::N2600A);
  EXPECT_EQ(headerText(report(), 12), RemarksHeader);
  EXPECT_TRUE(shown(12));
  EXPECT_EQ(flags.Remarks_Column, 12);
  EXPECT_EQ(flags.Used_Columns, 12);
  EXPECT_EQ(remarksColumns(), 1);
  for (int k = 13; k <= LastColumn; ++k) EXPECT_EQ(headerText(report(), k), columnPlaceholder(k));
}

// The stiffness gauge's block titles span their four columns at every size
// (line left of the first to 60 twips short of the line right of the fourth),
// in the report font, however many changes came before.
TEST_F(ResizeReportFontTest, BlockTitlesSpanTheirColumnsAfterFourChanges) {
  const StiffnessBlock& noise = stiffnessBlocks()[0];
  for (int k = 2; k <= 5; ++k) place(k, noise.dataItems[k - 2]);
  place(6, RemarksHeader, EmptyColumnText);
  markBlockPlaced(report(), flags, noise, 2);
  for (int size : {10, 12, 11, 9}) {
    reflow(size, ModelCode::T7310);
    const platform::ObjectRef title = report().member(noise.titleObject);
    const int lineLeft = left(platform::ReportNames::ReadNumberLine);
    EXPECT_EQ(title.left(), lineLeft) << size;
    EXPECT_EQ(title.width(), left(columnLine(5)) - lineLeft - 60) << size;
    EXPECT_EQ(title.fontSize(), size);
    EXPECT_FALSE(title.suppress().value_or(true));
  }
  EXPECT_TRUE(flags.Noise_Block);
}

// A block the smaller width cuts goes whole, flag and title included, the
// remarks column follows the last used column before it, and the block can
// be placed again.
TEST_F(ResizeReportFontTest, BlockCutByTheReflowGoesWholeAndCanBePlacedAgain) {
  const StiffnessBlock& signal = stiffnessBlocks()[1];
  for (int k = 2; k <= 12; ++k) place(k, QStringLiteral("ITEM%1").arg(k));
  for (int k = 13; k <= 16; ++k) place(k, signal.dataItems[k - 13]);
  place(17, RemarksHeader, EmptyColumnText);
  markBlockPlaced(report(), flags, signal, 13);
  const ReflowResult result = reflow(12, ModelCode::T7310);
  EXPECT_EQ(result.droppedColumns, QStringList(signal.dataItems.begin(), signal.dataItems.end()));
  EXPECT_FALSE(flags.Signal_Block);
  EXPECT_TRUE(report().member(signal.titleObject).suppress().value_or(false));
  for (int k = 14; k <= LastColumn; ++k) EXPECT_EQ(headerText(report(), k), columnPlaceholder(k)) << k;
  EXPECT_EQ(headerText(report(), 13), RemarksHeader);
  EXPECT_EQ(flags.Remarks_Column, 13);
  EXPECT_FALSE(blockCovers(flags, signal, 13));
}

}  // namespace
}  // namespace report
