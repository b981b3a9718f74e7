#include "platform/report/ReportRenderer.h"

#include <QImage>
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
