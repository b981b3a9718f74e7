#include "report/page/RemarkInsertion.h"

#include <gtest/gtest.h>

#include "platform/report/ReportDefinitions.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/ReportNames.h"

namespace report {
namespace {

namespace names = platform::ReportNames;
const QChar CR(13);

QString rows(const QStringList& lines) {
  QString text;
  for (const QString& line : lines) text += line + CR;
  return text;
}

QString numbered(int from, int to) {
  QStringList lines;
  for (int i = from; i <= to; ++i) lines.append(QString::number(i));
  return rows(lines);
}

TEST(RemarkOnRowTest, FreeShortAndFilledColumns) {
  EXPECT_EQ(withRemarkOnRow(QStringLiteral(" "), 3, QStringLiteral("cracked")), rows({"", "", "cracked"}));
  EXPECT_EQ(withRemarkOnRow(QString(), 1, QStringLiteral("a")), rows({"a"}));
  EXPECT_EQ(withRemarkOnRow(rows({"x", "", "z"}), 2, QStringLiteral("wet")), rows({"x", "wet", "z"}));
  EXPECT_EQ(withRemarkOnRow(rows({"x"}), 3, QStringLiteral("wet")), rows({"x", "", "wet"}));
  EXPECT_EQ(withRemarkOnRow(rows({"x"}), 1, QStringLiteral("two\r\nlines")), rows({"two  lines"}));
  EXPECT_EQ(withRemarkOnRow(rows({"x"}), 0, QStringLiteral("no row")), rows({"x"}));
}

// Clicks are made on the laid-out pages, as the viewer makes them.
class RemarkInsertionTest : public ::testing::Test {
 protected:
  void build(int readings, int remarksColumn) {
    report = platform::ReportDefinitions::createReport();
    setColumn(1, "RD#", numbered(1, readings));
    for (int k = 2; k < remarksColumn; ++k) setColumn(k, "Stat", numbered(101, 100 + readings));
    setColumn(remarksColumn, "Remarks", QStringLiteral(" "));
    flags.Remarks_Column = remarksColumn;
  }
  void setColumn(int k, const char* header, const QString& data) {
    report->member(names::columnHeader(k)).SetText(QLatin1String(header));
    report->member(names::columnData(k)).SetText(data);
  }
  // A click on the n-th row shown on `page`, in column k.
  platform::ReportClick clickOn(int page, int k, int n) const {
    const platform::RenderedReport rendered = platform::ReportLayout::layout(*report);
    platform::ReportClick click;
    click.page = page;
    click.pageTexts = rendered.pages.value(page - 1).texts;
    const platform::RenderedText rd = rendered.textsOf(names::columnData(1), page).value(0);
    const platform::RenderedText column = rendered.textsOf(names::columnData(k), page).value(0);
    click.twips = QPoint(column.rect.center().x(), rd.rect.top() + rd.linePitch * (n - 1) + rd.linePitch / 2);
    return click;
  }
  QStringList remarks(int k) const {
    return report->member(names::columnData(k)).text().value_or(QString()).split(CR);
  }

  std::unique_ptr<platform::ReportDesigner> report;
  ReportFlags flags;
};

// A short report lays its remarks column out one line high; any row of any
// column still takes the remark, whichever column holds "Remarks".
TEST_F(RemarkInsertionTest, EveryRowOfAOnePageReportInEveryRemarksColumn) {
  for (int remarksColumn = 2; remarksColumn <= 19; ++remarksColumn) {
    SCOPED_TRACE(remarksColumn);
    build(6, remarksColumn);
    for (int row : {2, 3, 5}) {
      const int clicked = row == 3 ? 1 : remarksColumn;
      ASSERT_TRUE(ADD_REMARK(*report, flags, clickOn(1, clicked, row), QStringLiteral("r%1").arg(row)).placeable());
    }
    EXPECT_EQ(remarks(remarksColumn), (QStringList{"", "r2", "r3", "", "r5", ""}));
  }
}

TEST_F(RemarkInsertionTest, ARemarkThatCannotBePlacedSaysWhy) {
  build(3, 4);
  EXPECT_EQ(ADD_REMARK(*report, flags, clickOn(1, 2, 5), QStringLiteral("x")).problem, RemarkNeedsReading);
  platform::ReportClick header = clickOn(1, 2, 1);
  header.twips.setY(header.twips.y() - 600);
  EXPECT_EQ(remarkPlace(*report, flags, header).problem, RemarkNeedsReading);
  platform::ReportClick stiffy = clickOn(1, 2, 1);
  stiffy.viewerIndex = 1;
  EXPECT_EQ(remarkPlace(*report, flags, stiffy).problem, RemarkNotOnStiffnessReport);
  setColumn(4, "Col 3", QStringLiteral(" "));
  EXPECT_EQ(remarkPlace(*report, flags, clickOn(1, 2, 1)).problem, RemarkNoColumn);
  EXPECT_EQ(remarks(4), QStringList{" "});
}

}  // namespace
}  // namespace report
