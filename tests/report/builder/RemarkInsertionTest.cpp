#include "report/builder/RemarkInsertion.h"

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

// Clicks are made on the laid-out page, as the viewer makes them; the rows
// the user meets are tried through the viewer and menu in the window tests.
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
  // A click on the n-th row of the first page, in column k.
  platform::ReportClick clickOn(int k, int n) const {
    const platform::RenderedReport rendered = platform::ReportLayout::layout(*report);
    platform::ReportClick click;
    click.page = 1;
    click.pageTexts = rendered.pages.value(0).texts;
    const platform::RenderedText rd = rendered.textsOf(names::columnData(1), 1).value(0);
    const platform::RenderedText column = rendered.textsOf(names::columnData(k), 1).value(0);
    click.twips = QPoint(column.rect.center().x(), rd.rect.top() + rd.linePitch * (n - 1) + rd.linePitch / 2);
    return click;
  }
  QStringList remarks(int k) const {
    return report->member(names::columnData(k)).text().value_or(QString()).split(CR);
  }

  std::unique_ptr<platform::ReportDesigner> report;
  ReportFlags flags;
};

TEST_F(RemarkInsertionTest, ARemarkThatCannotBePlacedSaysWhy) {
  build(3, 4);
  EXPECT_EQ(ADD_REMARK(*report, flags, clickOn(2, 5), QStringLiteral("x")).problem, RemarkNeedsReading);
  platform::ReportClick header = clickOn(2, 1);
  header.twips.setY(header.twips.y() - 600);
  EXPECT_EQ(remarkPlace(*report, flags, header).problem, RemarkNeedsReading);
  platform::ReportClick stiffy = clickOn(2, 1);
  stiffy.viewerIndex = 1;
  EXPECT_EQ(remarkPlace(*report, flags, stiffy).problem, RemarkNotOnStiffnessReport);
  setColumn(4, "Col 3", QStringLiteral(" "));
  EXPECT_EQ(remarkPlace(*report, flags, clickOn(2, 1)).problem, RemarkNoColumn);
  EXPECT_EQ(remarks(4), QStringList{" "});
}

}  // namespace
}  // namespace report
