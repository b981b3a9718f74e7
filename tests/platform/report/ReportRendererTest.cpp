#include "platform/report/ReportRenderer.h"

#include <QImage>
#include <algorithm>
#include <QPainter>
#include <gtest/gtest.h>

#include "ReportTestSupport.h"
#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/TextObject.h"

using namespace platform;

namespace {

// The rows of a rendered page that hold any ink.
int inkedRows(const ReportDesigner& designer) {
  const RenderedReport report = ReportLayout::layout(designer, reporttest::fixedMoment());
  QImage page(800, 300, QImage::Format_RGB32);
  page.fill(Qt::white);
  QPainter painter(&page);
  ReportRenderer::paintPage(painter, report, 1, 0.2);
  painter.end();
  int rows = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (qGray(page.pixel(x, y)) < 128) {
        ++rows;
        break;
      }
  return rows;
}

std::unique_ptr<ReportDesigner> oneValue(int boxHeight) {
  auto designer = std::make_unique<ReportDesigner>(QStringLiteral("Value"));
  ReportSection* section = designer->addSection(QStringLiteral("Body"), ReportSectionKind::Details, 600);
  auto* value = section->add<TextObject>(QStringLiteral("Value"), QRect(100, 100, 1000, boxHeight), QStringLiteral("0"));
  value->setFontSize(12);
  return designer;
}

}  // namespace

TEST(ReportRenderer, ATextBoxLowerThanItsFontStillShowsItsLineWhole) {
  // A box laid out for size 9 that a re-flow gave a size 12 font.
  const int lowBox = inkedRows(*oneValue(150));
  const int roomyBox = inkedRows(*oneValue(400));
  EXPECT_GT(roomyBox, 0);
  EXPECT_EQ(lowBox, roomyBox);
}

// The columns of a rendered page that hold ink, left to right.
QVector<int> inkedColumns(const ReportDesigner& designer) {
  const RenderedReport report = ReportLayout::layout(designer, reporttest::fixedMoment());
  QImage page(800, 300, QImage::Format_RGB32);
  page.fill(Qt::white);
  QPainter painter(&page);
  ReportRenderer::paintPage(painter, report, 1, 0.2);
  painter.end();
  QVector<int> columns;
  for (int x = 0; x < page.width(); ++x)
    for (int y = 0; y < page.height(); ++y)
      if (qGray(page.pixel(x, y)) < 128) {
        columns.append(x);
        break;
      }
  return columns;
}

// A remarks column of 400 twips, a free column after it and a used one at 1500.
std::unique_ptr<ReportDesigner> remarkBeside(int remarkWidth, int alignment) {
  auto designer = std::make_unique<ReportDesigner>(QStringLiteral("Remarks"));
  ReportSection* section = designer->addSection(QStringLiteral("Body"), ReportSectionKind::Details, 600);
  auto* remark = section->add<TextObject>(QStringLiteral("Remark"), QRect(100, 100, remarkWidth, 216),
                                          QStringLiteral("Re-test, \"cracked\", 50%"));
  remark->setHorAlignment(alignment);
  remark->setCanGrow(true);
  if (remarkWidth < 460)
    section->add<TextObject>(QStringLiteral("Free"), QRect(560, 100, 400, 216), QStringLiteral(" "));
  auto* used = section->add<TextObject>(QStringLiteral("Used"), QRect(1500, 100, 400, 216), QStringLiteral("7"));
  used->setHorAlignment(HorAlignment::Right);
  return designer;
}

TEST(ReportRenderer, ALineTooWideForItsGrowingBoxShowsFromItsStartOverTheBlankRoomBesideIt) {
  // Drawn as if the box reached the used column and the line were left-aligned.
  const QVector<int> ink = inkedColumns(*remarkBeside(400, HorAlignment::Centred));
  EXPECT_EQ(ink, inkedColumns(*remarkBeside(1400, HorAlignment::Left)));
  EXPECT_GT(std::count_if(ink.begin(), ink.end(), [](int x) { return x > 120 && x < 300; }), 0);
  EXPECT_EQ(std::count_if(ink.begin(), ink.end(), [](int x) { return x >= 300 && x < 360; }), 0);
}
