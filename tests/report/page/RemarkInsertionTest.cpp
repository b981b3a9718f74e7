#include "report/page/RemarkInsertion.h"

#include <gtest/gtest.h>

#include "platform/report/ReportDefinitions.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/ReportNames.h"

namespace report {
namespace {

const QChar CR(13);

QString rows(const QStringList& lines) {
  QString text;
  for (const QString& line : lines) text += line + CR;
  return text;
}

TEST(RemarkOnRowTest, FreeShortAndFilledColumns) {
  EXPECT_EQ(withRemarkOnRow(QStringLiteral(" "), 3, QStringLiteral("cracked")), rows({"", "", "cracked"}));
  EXPECT_EQ(withRemarkOnRow(QString(), 1, QStringLiteral("a")), rows({"a"}));
  EXPECT_EQ(withRemarkOnRow(rows({"x", "", "z"}), 2, QStringLiteral("wet")), rows({"x", "wet", "z"}));
  EXPECT_EQ(withRemarkOnRow(rows({"x"}), 3, QStringLiteral("wet")), rows({"x", "", "wet"}));
  EXPECT_EQ(withRemarkOnRow(rows({"x"}), 1, QStringLiteral("two\r\nlines")), rows({"two  lines"}));
  EXPECT_EQ(withRemarkOnRow(rows({"x"}), 0, QStringLiteral("no row")), rows({"x"}));
}

// A report of many rows with the remarks column in column 7; clicks are
// hit-tested on the laid-out pages as the viewer does.
class RemarkInsertionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QStringList numbers, values;
    for (int row = 1; row <= RowCount; ++row) {
      numbers.append(QString::number(row));
      values.append(QString::number(row * 1.5));
    }
    report->member(platform::ReportNames::columnData(1)).SetText(rows(numbers));
    report->member(platform::ReportNames::columnData(2)).SetText(rows(values));
    report->member(platform::ReportNames::columnHeader(RemarksColumn)).SetText(QStringLiteral("Remarks"));
    report->member(platform::ReportNames::columnData(RemarksColumn)).SetText(QStringLiteral(" "));
    flags.Remarks_Column = RemarksColumn;
  }

  // A click on the n-th row shown on `page` of data column 2.
  platform::ReportClick clickOnRow(int page, int n) const {
    const platform::RenderedReport rendered = platform::ReportLayout::layout(*report);
    const QVector<platform::RenderedText> texts = rendered.textsOf(platform::ReportNames::columnData(2), page);
    EXPECT_FALSE(texts.isEmpty());
    const platform::RenderedText& shown = texts.first();
    platform::ReportClick click;
    click.page = page;
    click.twips = QPoint(shown.rect.center().x(), shown.rect.top() + shown.linePitch * (n - 1) + shown.linePitch / 2);
    const platform::ReportHit hit = rendered.hitTest(page, click.twips);
    click.objectName = hit.objectName;
    click.lineNumber = hit.lineNumber;
    click.lineText = hit.lineText;
    return click;
  }
  QStringList remarks() const {
    return report->member(platform::ReportNames::columnData(RemarksColumn)).text().value_or(QString()).split(CR);
  }

  static constexpr int RowCount = 150;
  static constexpr int RemarksColumn = 7;
  std::unique_ptr<platform::ReportDesigner> report = platform::ReportDefinitions::createReport();
  ReportFlags flags;
};

TEST_F(RemarkInsertionTest, RemarksLandOnTheClickedRowsOfPageOneAndALaterPage) {
  const platform::ReportClick first = clickOnRow(1, 3);
  ASSERT_EQ(first.lineNumber, 3);
  ASSERT_TRUE(ADD_REMARK(*report, flags, first, QStringLiteral("cracked")));

  ASSERT_GE(platform::ReportLayout::layout(*report).pageCount(), 2);
  const platform::ReportClick later = clickOnRow(2, 4);
  ASSERT_GT(later.lineNumber, 4);
  const QString row = later.lineText;  // the value the user clicked
  ASSERT_TRUE(ADD_REMARK(*report, flags, later, QStringLiteral("wet")));

  const QStringList lines = remarks();
  EXPECT_EQ(lines.value(2), QStringLiteral("cracked"));
  EXPECT_EQ(lines.value(later.lineNumber - 1), QStringLiteral("wet"));
  EXPECT_EQ(QString::number(later.lineNumber * 1.5), row);  // same data row
  EXPECT_EQ(lines.count(QStringLiteral("cracked")) + lines.count(QStringLiteral("wet")), 2);
}

TEST_F(RemarkInsertionTest, OnlyADataColumnClickAndARemarksColumnTakeARemark) {
  platform::ReportClick header;
  header.page = 1;
  header.objectName = QStringLiteral("Company");
  header.lineNumber = 1;
  EXPECT_FALSE(ADD_REMARK(*report, flags, header, QStringLiteral("x")));

  flags.Remarks_Column = 0;
  EXPECT_FALSE(ADD_REMARK(*report, flags, clickOnRow(1, 1), QStringLiteral("x")));
  EXPECT_EQ(report->member(platform::ReportNames::columnData(RemarksColumn)).text(), QStringLiteral(" "));
}

}  // namespace
}  // namespace report
