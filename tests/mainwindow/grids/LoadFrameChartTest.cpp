#include "mainwindow/grids/LoadFrameChart.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineSeries>
#include <QValueAxis>
#include <gtest/gtest.h>

#include "instrument/RecordLayouts.h"
#include "mainwindow/grids/RecordGridModel.h"
#include "platform/core/ProgramFiles.h"
#include "platform/db/Database.h"
#include "support/FileSizeLimit.h"
#include "support/TempProgramFolder.h"

namespace mainwindow {
namespace {

class LoadFrameChartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(db.open(folder.path(platform::ProgramFiles::Database)));
    for (const char* table : {"CBR_LBR1", "UC1"})
      ASSERT_TRUE(db.createTable(instrument::Load_Test_Record(QString::fromLatin1(table))));
    // Stored out of order: the chart follows the reading numbers.
    for (int i : {3, 1, 2})
      ASSERT_TRUE(db.exec(QStringLiteral("INSERT INTO CBR_LBR1 VALUES (?, '00:00:05', ?, ?, ?, 0, ?, 'PEN', 'DEF', 'NONE')"),
                          {i, i, 9 + i, 19 + i, i == 3 ? QStringLiteral("LOAD") : QStringLiteral("OLD")}));
  }
  QImage savedPicture() const { return QImage(folder.path(platform::ProgramFiles::GraphImage), "BMP"); }

  testsupport::TempProgramFolder folder;
  platform::db::Database db;
  RecordGridModel readings;
};

QList<QPointF> pointsOf(const QChart& chart, int series) {
  return static_cast<QLineSeries*>(chart.series().at(series))->points();
}

TEST_F(LoadFrameChartTest, ChannelOneAgainstChannelsTwoAndThreeTitledFromTheLastReading) {
  ASSERT_TRUE(readings.open(db, QStringLiteral("CBR_LBR1")));
  const LoadFrameChartData data = loadFrameChartData(readings);
  EXPECT_EQ(data.ch1VsCh2, (QList<QPointF>{{10, 1}, {11, 2}, {12, 3}}));
  EXPECT_EQ(data.ch1VsCh3, (QList<QPointF>{{20, 1}, {21, 2}, {22, 3}}));
  EXPECT_EQ(data.yTitle, QStringLiteral("LOAD"));
  EXPECT_EQ(data.xTitle, QStringLiteral("PEN"));
  EXPECT_EQ(data.secondYTitle, QStringLiteral("DEF"));
}

TEST_F(LoadFrameChartTest, DrawsTheChartAndRewritesThePictureForEveryTest) {
  QChartView MSGraph;
  MSGraph.resize(300, 200);
  LoadFrameChart chart(MSGraph);
  ASSERT_TRUE(readings.open(db, QStringLiteral("CBR_LBR1")));
  ASSERT_TRUE(chart.Draw_Graph(readings));

  QChart& shown = *MSGraph.chart();
  EXPECT_EQ(shown.title(), QStringLiteral("LX9100 Results"));
  ASSERT_EQ(shown.series().size(), 2);
  EXPECT_EQ(shown.series()[0]->name(), QStringLiteral("CH1 Vs. CH2"));
  EXPECT_EQ(shown.series()[1]->name(), QStringLiteral("CH1 Vs. CH3"));
  EXPECT_EQ(pointsOf(shown, 1), (QList<QPointF>{{20, 1}, {21, 2}, {22, 3}}));
  const auto axes = shown.axes(Qt::Vertical);
  ASSERT_EQ(axes.size(), 2);
  EXPECT_EQ(axes[0]->titleText(), QStringLiteral("LOAD"));
  EXPECT_EQ(axes[1]->titleText(), QStringLiteral("DEF"));
  EXPECT_EQ(shown.axes(Qt::Horizontal).at(0)->titleText(), QStringLiteral("PEN"));
  EXPECT_EQ(MSGraph.size(), QSize(300, 200));

  // 9318 1/3 by 6220 twips at 15 twips to the pixel, whatever the view's size.
  const QImage picture = savedPicture();
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.size(), QSize(621, 415));
  EXPECT_EQ(LoadFrameChart::pictureSize(), QSize(621, 415));
  // The chart fills the picture: the scales stand at its left and right
  // edges and the title at its top.
  const auto inked = [&](QRect part) {
    int count = 0;
    for (int y = part.top(); y <= part.bottom(); ++y)
      for (int x = part.left(); x <= part.right(); ++x) count += picture.pixel(x, y) != qRgb(255, 255, 255);
    return count;
  };
  EXPECT_GT(inked({0, 40, 70, 300}), 50);
  EXPECT_GT(inked({550, 40, 70, 300}), 50);
  EXPECT_GT(inked({150, 0, 320, 40}), 50);

  // A test without readings replaces the picture with an empty chart.
  QFile::remove(folder.path(platform::ProgramFiles::GraphImage));
  ASSERT_TRUE(readings.open(db, QStringLiteral("UC1")));
  ASSERT_TRUE(chart.Draw_Graph(readings));
  EXPECT_EQ(savedPicture().size(), QSize(621, 415));
  EXPECT_TRUE(pointsOf(*MSGraph.chart(), 0).isEmpty());
}

// A channel the printout headed "()" is stored as "NONE" with zero readings.
TEST_F(LoadFrameChartTest, AChannelThatIsNotThereIsNotDrawnOrTitled) {
  ASSERT_TRUE(db.createTable(instrument::Load_Test_Record(QStringLiteral("MARSHALL1"))));
  for (int i : {1, 2})
    ASSERT_TRUE(db.exec(QStringLiteral("INSERT INTO MARSHALL1 VALUES (?, '00:00:05', ?, ?, 0, 0, 'LOAD', 'FLOW', "
                                       "'NONE', 'CH 4')"),
                        {i, i, 5 + i}));
  QChartView MSGraph;
  LoadFrameChart chart(MSGraph);
  ASSERT_TRUE(readings.open(db, QStringLiteral("MARSHALL1")));
  ASSERT_TRUE(chart.Draw_Graph(readings));

  QChart& shown = *MSGraph.chart();
  ASSERT_EQ(shown.series().size(), 1);
  EXPECT_EQ(shown.series()[0]->name(), QStringLiteral("CH1 Vs. CH2"));
  EXPECT_EQ(pointsOf(shown, 0), (QList<QPointF>{{6, 1}, {7, 2}}));
  EXPECT_GT(static_cast<QValueAxis*>(shown.axes(Qt::Horizontal).at(0))->min(), 0.0);  // no zeros pull the scale
  const auto vertical = shown.axes(Qt::Vertical);
  ASSERT_EQ(vertical.size(), 2);
  EXPECT_EQ(vertical[0]->titleText(), QStringLiteral("LOAD"));
  EXPECT_FALSE(vertical[1]->isVisible());
}

TEST_F(LoadFrameChartTest, APictureThatCannotBeWrittenIsReported) {
  QChartView MSGraph;
  LoadFrameChart chart(MSGraph);
  ASSERT_TRUE(readings.open(db, QStringLiteral("CBR_LBR1")));
  // images/ is a file here, so no picture can be saved under it.
  ASSERT_TRUE(QDir(folder.path(QStringLiteral("images"))).removeRecursively());
  QFile blocker(folder.path(QStringLiteral("images")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  EXPECT_FALSE(chart.Draw_Graph(readings));
  EXPECT_EQ(MSGraph.chart()->series().size(), 2);
}

TEST_F(LoadFrameChartTest, APictureOnAFullDiskIsReportedAndThePreviousOneKept) {
  QChartView MSGraph;
  LoadFrameChart chart(MSGraph);
  ASSERT_TRUE(readings.open(db, QStringLiteral("CBR_LBR1")));
  ASSERT_TRUE(chart.Draw_Graph(readings));
  const QImage previous = savedPicture();
  ASSERT_TRUE(readings.open(db, QStringLiteral("UC1")));
  {
    const testsupport::FileSizeLimit full(1024);
    EXPECT_FALSE(chart.Draw_Graph(readings));
  }
  EXPECT_EQ(savedPicture(), previous);
}

}  // namespace
}  // namespace mainwindow
