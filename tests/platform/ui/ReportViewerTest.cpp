#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QToolButton>

#include "../report/ReportTestSupport.h"
#include "platform/core/Twips.h"
#include "platform/report/ReportDefinitions.h"
#include "platform/ui/ReportPageView.h"
#include "platform/ui/ReportViewer.h"

using namespace platform;
using namespace reporttest;

namespace {

std::unique_ptr<ReportDesigner> threePageReport() {
  auto report = ReportDefinitions::createReport();
  makeLoadFramePage(*report, 9);
  report->member(ReportNames::columnHeader(1)).SetText(QStringLiteral("RD#"));
  report->member(ReportNames::columnData(1)).SetText(numberLines(1, 120));
  return report;
}

void pressAt(QWidget* widget, const QPoint& pixels) {
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(pixels), widget->mapToGlobal(QPointF(pixels)), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
}

QPoint pixelsOf(const ReportViewer& viewer, const QPoint& twips) {
  const double scale = viewer.logicalDpiY() / 1440.0 * viewer.zoom() / 100.0;
  return QPoint(ReportPageView::Border + static_cast<int>(twips.x() * scale),
                ReportPageView::Border + static_cast<int>(twips.y() * scale));
}

}  // namespace

TEST(ReportViewer, ShowsNothingWithoutAReportSource) {
  ReportViewer viewer;
  EXPECT_FALSE(viewer.viewReport());
  EXPECT_FALSE(viewer.refresh());
  EXPECT_EQ(viewer.pageCount(), 0);
}

TEST(ReportViewer, NavigatesPagesAndReportsTheCurrentOne) {
  auto report = threePageReport();
  ReportViewer viewer;
  viewer.setReportSource(report.get());
  ASSERT_TRUE(viewer.viewReport());
  EXPECT_EQ(viewer.pageCount(), 3);
  EXPECT_EQ(viewer.currentPageNumber(), 1);
  QList<int> changes;
  QObject::connect(&viewer, &ReportViewer::pageChanged, [&](int page) { changes.append(page); });
  viewer.showNextPage();
  viewer.showLastPage();
  viewer.showNextPage();  // past the end: stays
  viewer.showPreviousPage();
  viewer.showFirstPage();
  EXPECT_EQ(changes, QList<int>({2, 3, 2, 1}));
  EXPECT_FALSE(viewer.showPage(4));
  EXPECT_EQ(viewer.currentPageNumber(), 1);
}

TEST(ReportViewer, RefreshRedrawsFromTheDesignerAsItStands) {
  auto report = threePageReport();
  ReportViewer viewer;
  viewer.setReportSource(report.get());
  viewer.viewReport();
  viewer.showLastPage();
  report->member(QStringLiteral("Company")).SetText(QStringLiteral("Changed Lab"));
  EXPECT_EQ(viewer.renderedReport().textsOf(QStringLiteral("Company"), 3).first().lines.first(),
            QStringLiteral("Company Name"));
  ASSERT_TRUE(viewer.refresh());
  EXPECT_EQ(viewer.currentPageNumber(), 3);
  EXPECT_EQ(viewer.renderedReport().textsOf(QStringLiteral("Company"), 3).first().lines.first(),
            QStringLiteral("Changed Lab"));
  report->member(ReportNames::columnData(1)).SetText(numberLines(1, 10));
  viewer.refresh();
  EXPECT_EQ(viewer.pageCount(), 1);
  EXPECT_EQ(viewer.currentPageNumber(), 1);
}

TEST(ReportViewer, LetsGoOfADesignerThatIsReplaced) {
  auto report = threePageReport();
  ReportViewer viewer;
  viewer.setReportSource(report.get());
  ASSERT_TRUE(viewer.viewReport());
  report = ReportDefinitions::createReport();  // the report page rebuilds its designers
  EXPECT_EQ(viewer.reportSource(), nullptr);
  EXPECT_FALSE(viewer.refresh());
  viewer.findChild<QToolButton*>(QStringLiteral("refreshButton"))->click();
  EXPECT_EQ(viewer.pageCount(), 3);  // the last pages laid out stay on show
  viewer.setReportSource(report.get());
  ASSERT_TRUE(viewer.refresh());
  EXPECT_EQ(viewer.pageCount(), 1);
}

TEST(ReportViewer, ZoomScalesThePage) {
  auto report = threePageReport();
  ReportViewer viewer;
  viewer.setReportSource(report.get());
  viewer.viewReport();
  viewer.setZoom(75);
  EXPECT_EQ(viewer.zoom(), 75);
  const int width75 = viewer.pageView()->width();
  viewer.setZoom(150);
  EXPECT_NEAR(viewer.pageView()->width() - 2 * ReportPageView::Border, 2 * (width75 - 2 * ReportPageView::Border), 2);
  EXPECT_NEAR(width75 - 2 * ReportPageView::Border, 12240 * viewer.logicalDpiX() / 1440.0 * 0.75, 1);
}

TEST(ReportViewer, ClickTellsTheObjectAndTheTextLine) {
  auto report = threePageReport();
  ReportViewer viewer(nullptr, 1);
  viewer.setReportSource(report.get());
  viewer.viewReport();
  viewer.setZoom(100);
  viewer.showPage(2);
  QList<ReportClick> clicks;
  QObject::connect(&viewer, &ReportViewer::clicked, [&](const ReportClick& click) { clicks.append(click); });
  const RenderedText data = viewer.renderedReport().textsOf(ReportNames::columnData(1), 2).first();
  const QPoint twips = data.rect.topLeft() + QPoint(data.rect.width() / 2, 3 * data.linePitch + data.linePitch / 2);
  pressAt(viewer.pageView(), pixelsOf(viewer, twips));
  ASSERT_EQ(clicks.size(), 1);
  EXPECT_EQ(clicks.first().viewerIndex, 1);
  EXPECT_EQ(clicks.first().page, 2);
  EXPECT_EQ(clicks.first().objectName, ReportNames::columnData(1));
  EXPECT_EQ(clicks.first().lineNumber, 54);
  EXPECT_EQ(clicks.first().lineText, QStringLiteral("54"));
  EXPECT_NEAR(clicks.first().twips.y(), twips.y(), 20);
  pressAt(viewer.pageView(), QPoint(3, 3));  // the grey border: no object
  ASSERT_EQ(clicks.size(), 2);
  EXPECT_TRUE(clicks.last().objectName.isEmpty());
}

TEST(ReportViewer, PrintAndExportButtonsOnlyRaiseEvents) {
  auto report = threePageReport();
  ReportViewer viewer;
  viewer.setReportSource(report.get());
  viewer.viewReport();
  int prints = 0, exports = 0;
  QObject::connect(&viewer, &ReportViewer::printButtonClicked, [&] { ++prints; });
  QObject::connect(&viewer, &ReportViewer::exportButtonClicked, [&] { ++exports; });
  viewer.findChild<QToolButton*>(QStringLiteral("printButton"))->click();
  viewer.findChild<QToolButton*>(QStringLiteral("exportButton"))->click();
  viewer.findChild<QToolButton*>(QStringLiteral("nextPageButton"))->click();
  EXPECT_EQ(prints, 1);
  EXPECT_EQ(exports, 1);
  EXPECT_EQ(viewer.currentPageNumber(), 2);
}

TEST(ReportViewer, ScreenshotShowsAReportPage) {
  auto report = ReportDefinitions::createReport();
  report->member(QStringLiteral("Company")).SetText(QStringLiteral("Soil Testing Laboratory"));
  report->member(QStringLiteral("Companyinfo")).SetText(QStringLiteral(" 12 Main Street\rSpringfield\r"));
  report->member(ReportNames::columnHeader(2)).SetText(QStringLiteral("WD"));
  report->member(ReportNames::columnData(1)).SetText(numberLines(1, 12));
  report->member(ReportNames::columnData(2)).SetText(numberLines(101, 112));
  ReportViewer viewer;
  viewer.resize(1100, 800);
  viewer.setReportSource(report.get());
  viewer.viewReport();
  viewer.setZoom(75);
  viewer.show();
  QApplication::processEvents();
  const QImage shot = viewer.grab().toImage();
  if (const char* keep = std::getenv("REPORT_VIEWER_SHOT")) shot.save(QString::fromLocal8Bit(keep));
  const QRect page = viewer.pageView()->geometry().translated(viewer.pageView()->mapTo(&viewer, QPoint()) -
                                                               viewer.pageView()->pos());
  int dark = 0, white = 0;
  for (int y = page.top(); y < std::min(page.bottom(), shot.height()); ++y)
    for (int x = page.left(); x < std::min(page.right(), shot.width()); ++x) {
      const int gray = qGray(shot.pixel(x, y));
      dark += gray < 100;
      white += gray > 250;
    }
  EXPECT_GT(dark, 500);
  EXPECT_GT(white, dark);
}
