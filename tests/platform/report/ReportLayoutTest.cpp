#include <gtest/gtest.h>

#include "ReportTestSupport.h"
#include "platform/report/LineObject.h"
#include "platform/report/ReportDefinitions.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/TextLines.h"
#include "platform/report/TextWidth.h"

using namespace platform;
using namespace reporttest;

namespace {

int linesOn(const RenderedReport& report, const QString& name, int page) {
  int lines = 0;
  for (const RenderedText& text : report.textsOf(name, page)) lines += text.lines.size();
  return lines;
}

}  // namespace

TEST(ReportTextLines, CarriageReturnsEndLines) {
  EXPECT_EQ(reportTextLines(QStringLiteral("1\r2\r3\r")), QStringList({"1", "2", "3"}));
  EXPECT_EQ(reportTextLines(QStringLiteral("1\r\r3")), QStringList({"1", "", "3"}));
  EXPECT_EQ(reportTextLines(QStringLiteral("a\r\nb")), QStringList({"a", "b"}));
  EXPECT_EQ(reportTextLines(QStringLiteral(" ")), QStringList({" "}));
  EXPECT_TRUE(reportTextLines(QString()).isEmpty());
}

TEST(ReportLayout, LoadFrameLinesPerPageFollowTheRowsPerBlock) {
  for (int size = 9; size <= 12; ++size) {
    auto report = ReportDefinitions::createReport();
    makeLoadFramePage(*report, size);
    report->member(ReportNames::columnData(1)).SetText(numberLines(1, 300));
    const RenderedReport laid = ReportLayout::layout(*report, fixedMoment());
    const int rows = rowsPerBlock(size);
    const int pages = (300 + rows - 1) / rows;
    ASSERT_GE(laid.pageCount(), pages) << size;
    for (int page = 1; page < pages; ++page) EXPECT_EQ(linesOn(laid, ReportNames::columnData(1), page), rows) << size;
    const QVector<RenderedText> second = laid.textsOf(ReportNames::columnData(1), 2);
    ASSERT_EQ(second.size(), 1);
    EXPECT_EQ(second.first().firstLine, rows + 1);
    EXPECT_EQ(second.first().lines.first(), QString::number(rows + 1));
  }
}

TEST(ReportLayout, TwoBlockLoadFrameReportBreaksAllColumnsTogether) {
  auto report = ReportDefinitions::createReport();
  makeLoadFramePage(*report, 9);
  fillLoadFrame(*report, 1000, 9);
  const RenderedReport laid = ReportLayout::layout(*report, fixedMoment());
  // 500 lines per block column at 50 a page; the report footers no longer
  // fit under the last 50 lines and take an eleventh page.
  ASSERT_EQ(laid.pageCount(), 11);
  EXPECT_TRUE(laid.textsOf(ReportNames::columnData(1), 11).isEmpty());
  EXPECT_EQ(laid.textsOf(QStringLiteral("SignOffText"), 11).size(), 1);
  for (int page = 1; page <= 10; ++page) {
    const RenderedText left = laid.textsOf(ReportNames::columnData(1), page).first();
    const RenderedText mirror = laid.textsOf(ReportNames::columnData(8), page).first();
    EXPECT_EQ(left.rect.top(), mirror.rect.top());
    EXPECT_EQ(left.firstLine, mirror.firstLine);
    EXPECT_EQ(left.lines.first(), QString::number(1 + (page - 1) * 100));
    EXPECT_EQ(mirror.lines.first(), QString::number(51 + (page - 1) * 100));
  }
  // Column headers repeat on every page, above the data.
  const RenderedText header = laid.textsOf(ReportNames::columnHeader(8), 7).first();
  EXPECT_EQ(header.lines, QStringList({"RD#"}));
  EXPECT_LT(header.rect.top(), laid.textsOf(ReportNames::columnData(8), 7).first().rect.top());
}

TEST(ReportLayout, PageHeadersAndFootersRepeatAndFieldsNumberThePages) {
  auto report = ReportDefinitions::createReport();
  makeLoadFramePage(*report, 9);
  report->member(ReportNames::columnData(1)).SetText(numberLines(1, 120));
  const RenderedReport laid = ReportLayout::layout(*report, fixedMoment());
  ASSERT_EQ(laid.pageCount(), 3);
  for (int page = 1; page <= 3; ++page) {
    EXPECT_EQ(laid.textsOf(QStringLiteral("Company"), page).size(), 1);
    EXPECT_EQ(laid.textsOf(QStringLiteral("FooterNote"), page).size(), 1);
    EXPECT_EQ(laid.textsOf(QStringLiteral("WideField"), page).first().lines,
              QStringList({QStringLiteral("Page %1 of 3").arg(page)}));
  }
  EXPECT_EQ(laid.textsOf(QStringLiteral("Field1"), 1).first().lines, QStringList({"3/7/2024"}));
  EXPECT_EQ(laid.textsOf(QStringLiteral("Field2"), 1).first().lines, QStringList({"2:05:09 PM"}));
  // The report footers come once, after the last data line.
  EXPECT_TRUE(laid.textsOf(QStringLiteral("SignOffText"), 2).isEmpty());
  EXPECT_EQ(laid.textsOf(QStringLiteral("SignOffText"), 3).size(), 1);
}

TEST(ReportLayout, SuppressedSectionsAndObjectsTakeNoSpaceOrInk) {
  auto report = ReportDefinitions::createReport();
  const RenderedReport withHeader = ReportLayout::layout(*report, fixedMoment());
  report->section(QStringLiteral("Section2"))->setSuppress(true);
  report->member(ReportNames::columnData(5)).setSuppress(true);
  const RenderedReport without = ReportLayout::layout(*report, fixedMoment());
  const int shift = withHeader.textsOf(ReportNames::columnHeader(1), 1).first().rect.top() -
                    without.textsOf(ReportNames::columnHeader(1), 1).first().rect.top();
  EXPECT_EQ(shift, report->section(QStringLiteral("Section2"))->height());
  EXPECT_TRUE(without.textsOf(QStringLiteral("ProjNameText"), 1).isEmpty());
  EXPECT_TRUE(without.textsOf(ReportNames::columnData(5), 1).isEmpty());
  EXPECT_FALSE(without.textsOf(ReportNames::columnData(4), 1).isEmpty());
}

TEST(ReportLayout, GrowingTextPushesDownWhatLiesBelowIt) {
  auto stiffy = ReportDefinitions::createStiffyReport();
  const int cellTop = stiffy->object(ReportNames::stiffyAverage(1))->top();
  const int columnTop = stiffy->object(QStringLiteral("StiffyStiffnessMN"))->top();
  stiffy->member(QStringLiteral("StiffyStiffnessMN")).SetText(numberLines(1, 10));
  const RenderedReport laid = ReportLayout::layout(*stiffy, fixedMoment());
  const RenderedText column = laid.textsOf(QStringLiteral("StiffyStiffnessMN"), 1).first();
  const RenderedText cell = laid.textsOf(ReportNames::stiffyAverage(1), 1).first();
  EXPECT_EQ(column.lines.size(), 10);
  EXPECT_EQ(cell.rect.top() - column.rect.top(), cellTop - columnTop + 10 * 216 - 216);
}

// The company name at its largest (17 points, report size 12).
TEST(ReportLayout, ALongCompanyNameWrapsAndPushesTheInformationDownInsideTheFrame) {
  auto report = ReportDefinitions::createReport();
  const ObjectRef company = report->member(QStringLiteral("Company"));
  company.SetText(QStringLiteral("Northern Regional Highway and Bridge Materials Testing Laboratory, Soil and "
                                 "Asphalt Division - Quality Assurance"));
  company.setFontSize(17);
  report->member(QStringLiteral("Companyinfo")).SetText(QStringLiteral(" \rMain Street 1\r"));
  const RenderedReport laid = ReportLayout::layout(*report, fixedMoment());
  const RenderedText shown = laid.textsOf(QStringLiteral("Company"), 1).first();
  ASSERT_GE(shown.lines.size(), 2);
  EXPECT_GE(shown.rect.height(), static_cast<int>(shown.lines.size()) * lineHeightTwips(17));
  const RenderedText info = laid.textsOf(QStringLiteral("Companyinfo"), 1).first();
  EXPECT_GE(info.rect.top(), shown.rect.bottom());
  EXPECT_GE(laid.pages.first().boxes.first().rect.bottom(), info.rect.bottom());  // the header's frame
}

// The date block beside the company name stays whole when the name wraps.
TEST(ReportLayout, AWrappedCompanyNameLeavesTheDateBlockBesideItInPlace) {
  auto report = ReportDefinitions::createReport();
  const ObjectRef company = report->member(QStringLiteral("Company"));
  company.SetText(QStringLiteral("Northern Regional Highway and Bridge Materials Testing Laboratory, Soil and "
                                 "Asphalt Division - Quality Assurance"));
  const int dateLeft = *report->member(QStringLiteral("Field2")).left();
  company.setWidth(dateLeft - 200 - *company.left());
  const int timeTop = *report->member(QStringLiteral("Field2")).top();
  ASSERT_GE(timeTop, *company.top() + *company.height());  // under the name's own box
  const RenderedReport laid = ReportLayout::layout(*report, fixedMoment());
  ASSERT_GE(laid.textsOf(QStringLiteral("Company"), 1).first().lines.size(), 2);
  const auto shownTop = [&](const char* name) { return laid.textsOf(QLatin1String(name), 1).first().rect.top(); };
  EXPECT_EQ(shownTop("Field2") - shownTop("Field1"), timeTop - *report->member(QStringLiteral("Field1")).top());
  EXPECT_GT(shownTop("Companyinfo") - shownTop("Company"),
            *report->member(QStringLiteral("Companyinfo")).top() - *company.top());
}

TEST(ReportLayout, ACentredHeadingALittleWiderThanItsColumnShowsWhole) {
  auto report = ReportDefinitions::createReport();
  report->member(ReportNames::columnHeader(9)).SetText(QStringLiteral("Remarks"));
  report->member(ReportNames::columnHeader(10)).SetText(QStringLiteral("A much longer heading"));
  const RenderedReport laid = ReportLayout::layout(*report, fixedMoment());
  const RenderedText remarks = laid.textsOf(ReportNames::columnHeader(9), 1).first();
  const int width = ReportDefinitions::columnWidth(9);
  EXPECT_GE(remarks.rect.width(), textWidthTwips(QStringLiteral("Remarks"), remarks.font));
  EXPECT_EQ(remarks.rect.left() + remarks.rect.width() / 2, ReportDefinitions::columnLeft(9) + width / 2);
  // Never past half the gap to the next column.
  const RenderedText longer = laid.textsOf(ReportNames::columnHeader(10), 1).first();
  EXPECT_EQ(longer.rect.width(), width + ReportDefinitions::ColumnGap);
}

TEST(ReportLayout, TwoLineHeadersThatCanGrowPushTheDataDown) {
  auto report = ReportDefinitions::createReport();
  const int before = ReportLayout::layout(*report).textsOf(ReportNames::columnData(3), 1).first().rect.top();
  report->member(ReportNames::columnHeader(3)).setCanGrow(true);
  report->member(ReportNames::columnHeader(3)).SetText(QStringLiteral("Real\rDispl."));
  const RenderedReport laid = ReportLayout::layout(*report);
  EXPECT_EQ(laid.textsOf(ReportNames::columnHeader(3), 1).first().lines, QStringList({"Real", "Displ."}));
  const int grown = 2 * 216 - 300;
  EXPECT_EQ(laid.textsOf(ReportNames::columnData(3), 1).first().rect.top(), before + grown);
  EXPECT_EQ(laid.textsOf(ReportNames::columnData(17), 1).first().rect.top(), before + grown);
}

TEST(ReportLayout, SeparatorLinesStretchWithTheData) {
  auto report = ReportDefinitions::createReport();
  report->member(ReportNames::columnLine(2)).setSuppress(false);
  report->member(ReportNames::columnData(2)).SetText(numberLines(1, 20));
  const RenderedReport laid = ReportLayout::layout(*report);
  const RenderedText data = laid.textsOf(ReportNames::columnData(2), 1).first();
  const int x = *report->member(ReportNames::columnLine(2)).left();
  bool found = false;
  for (const RenderedRule& rule : laid.pages.first().rules) {
    if (rule.line.x1() != x || rule.line.x2() != x) continue;
    found = true;
    EXPECT_GE(rule.line.y2(), data.rect.top() + 20 * 216);
  }
  EXPECT_TRUE(found);
}

TEST(ReportLayout, HitTestNamesTheObjectAndTheLine) {
  auto report = ReportDefinitions::createReport();
  report->member(ReportNames::columnData(3)).SetText(numberLines(101, 120));
  const RenderedReport laid = ReportLayout::layout(*report);
  const RenderedText data = laid.textsOf(ReportNames::columnData(3), 1).first();
  const ReportHit hit = laid.hitTest(1, data.rect.topLeft() + QPoint(50, 4 * 216 + 100));
  EXPECT_EQ(hit.objectName, ReportNames::columnData(3));
  EXPECT_EQ(hit.lineNumber, 5);
  EXPECT_EQ(hit.lineText, QStringLiteral("105"));
  EXPECT_TRUE(laid.hitTest(1, QPoint(5, 5)).objectName.isEmpty());
  EXPECT_TRUE(laid.hitTest(9, QPoint(5, 5)).objectName.isEmpty());
}

TEST(ReportLayout, KeepTogetherSectionStartsANewPageRatherThanBreak) {
  auto report = ReportDefinitions::createReport();
  ReportSection* averages = report->section(QStringLiteral("Section4"));
  averages->setKeepTogether(true);
  averages->setHeight(3000);
  // Fill the first page almost to its end.
  report->member(ReportNames::columnData(1)).SetText(numberLines(1, 28));
  const RenderedReport laid = ReportLayout::layout(*report, fixedMoment());
  ASSERT_EQ(laid.pageCount(), 2);
  EXPECT_TRUE(laid.textsOf(QStringLiteral("AverageTitle"), 1).isEmpty());
  EXPECT_EQ(laid.textsOf(QStringLiteral("AverageTitle"), 2).size(), 1);
}

TEST(ReportLayout, PaperFollowsTheOrientation) {
  auto report = ReportDefinitions::createReport();
  EXPECT_EQ(ReportLayout::layout(*report).pageSize, QSize(15840, 12240));
  report->setPaperOrientation(PaperOrientation::Portrait);
  EXPECT_EQ(ReportLayout::layout(*report).pageSize, QSize(12240, 15840));
}
