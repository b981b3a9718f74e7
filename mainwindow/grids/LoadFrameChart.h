#pragma once

#include <QImage>
#include <QList>
#include <QPointF>
#include <QSize>
#include <QString>

class QChart;
class QChartView;

namespace mainwindow {

class RecordGridModel;

// What the load-frame chart shows: channel 1 against channels 2 and 3, one
// point per reading in table order, and the axis titles from the last
// reading's channel names. A channel that is not there has no title, and a
// series that needs it is left out of the chart.
struct LoadFrameChartData {
  QList<QPointF> ch1VsCh2;  // x CH2, y CH1
  QList<QPointF> ch1VsCh3;  // x CH3, y CH1
  QString xTitle;           // CH2NAME
  QString yTitle;           // CH1NAME
  QString secondYTitle;     // CH3NAME
  bool hasCh1VsCh2 = true;
  bool hasCh1VsCh3 = true;
};

// The name the printout gives a channel the machine did not record (its
// heading "()"); its readings are zeros, not measurements.
inline const QString AbsentChannelName = QStringLiteral("NONE");

// The readings of a load-frame test as chart data, at single precision. A
// reading with a Null channel gives no point for that series.
LoadFrameChartData loadFrameChartData(const RecordGridModel& readings);

// The chart of the graph tab and its picture for the report header.
class LoadFrameChart {
 public:
  explicit LoadFrameChart(QChartView& MSGraph);

  // Draws the chart of the readings on MSGraph and rewrites the picture file
  // images/GraphImage.bmp (an empty chart for a test without readings), so
  // the report never shows another test's chart. The picture also goes to
  // the clipboard. True when the picture file was written.
  bool Draw_Graph(const RecordGridModel& readings);
  // An empty chart on MSGraph; the picture file is left alone.
  void clear();

  // The chart as the graph tab and the picture show it.
  static QChart* makeChart(const LoadFrameChartData& data);
  // The picture of the chart, drawn at 9318 1/3 by 6220 twips.
  static QImage picture(const LoadFrameChartData& data);
  static QSize pictureSize();
  // Writes the picture as a bitmap file, replacing the old one only when the
  // new one is complete.
  static bool savePicture(const QImage& image, const QString& path);

  inline static const QString Title = QStringLiteral("LX9100 Results");
  inline static const QString Ch1VsCh2 = QStringLiteral("CH1 Vs. CH2");
  inline static const QString Ch1VsCh3 = QStringLiteral("CH1 Vs. CH3");

 private:
  QChartView& MSGraph_;
};

}  // namespace mainwindow
