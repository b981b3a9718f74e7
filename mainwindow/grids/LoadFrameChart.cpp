#include "mainwindow/grids/LoadFrameChart.h"

#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QBuffer>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "mainwindow/grids/RecordGridModel.h"
#include "platform/core/IgnoreErrors.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/Twips.h"
#include "platform/core/WholeFile.h"

namespace mainwindow {
namespace {

const QString AxisFontFamily = QStringLiteral("Courier");
constexpr int AxisFontPoints = 14;
constexpr int TitleFontPoints = 16;
const QColor TitleColour(50, 0, 255);
constexpr int PlotFrameWidth = 2;
// The picture: 7245 twips wide and 4665 high, each grown by a third of the
// grown height, at 15 twips to the pixel.
constexpr double PictureHeightTwips = 4665.0 + 4665.0 / 3.0;
constexpr double PictureWidthTwips = 7245.0 + PictureHeightTwips / 3.0;
constexpr double PictureDotsPerInch = 96.0;
const char* const PictureFormat = "BMP";

std::optional<QPointF> pointOf(const QVariant& x, const QVariant& y) {
  if (x.isNull() || y.isNull()) return std::nullopt;
  bool xOk = false;
  bool yOk = false;
  const auto xValue = static_cast<float>(x.toDouble(&xOk));
  const auto yValue = static_cast<float>(y.toDouble(&yOk));
  if (!xOk || !yOk) return std::nullopt;
  return QPointF(xValue, yValue);
}

struct Range {
  double low = std::numeric_limits<double>::max();
  double high = std::numeric_limits<double>::lowest();
  void add(double v) {
    low = std::min(low, v);
    high = std::max(high, v);
  }
  bool empty() const { return low > high; }
};

QValueAxis* makeAxis(const QString& title, const Range& range) {
  auto* axis = new QValueAxis;
  QFont font(AxisFontFamily);
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSize(AxisFontPoints);
  axis->setTitleFont(font);
  axis->setTitleText(title);
  if (range.empty()) {
    axis->setRange(0, 1);
  } else {
    // A single value still gets a scale around it.
    const double pad = range.low == range.high ? std::max(1.0, std::abs(range.low) / 10.0) : 0.0;
    axis->setRange(range.low - pad, range.high + pad);
    axis->applyNiceNumbers();
  }
  return axis;
}

QLineSeries* makeSeries(const QString& name, const QList<QPointF>& points) {
  auto* series = new QLineSeries;
  series->setName(name);
  series->replace(points);
  return series;
}

bool isAbsent(QString& channelName) {
  if (channelName.trimmed() != AbsentChannelName) return false;
  channelName.clear();
  return true;
}

void leaveOutAbsentChannels(LoadFrameChartData& data) {
  const bool noCh1 = isAbsent(data.yTitle);
  const bool noCh2 = isAbsent(data.xTitle);
  const bool noCh3 = isAbsent(data.secondYTitle);
  data.hasCh1VsCh2 = !noCh1 && !noCh2;
  data.hasCh1VsCh3 = !noCh1 && !noCh3;
  if (!data.hasCh1VsCh2) data.ch1VsCh2.clear();
  if (!data.hasCh1VsCh3) data.ch1VsCh3.clear();
}

}  // namespace

LoadFrameChartData loadFrameChartData(const RecordGridModel& readings) {
  LoadFrameChartData data;
  const auto channels = readings.columns({QStringLiteral("CH1"), QStringLiteral("CH2"), QStringLiteral("CH3")});
  if (!channels) return data;
  const QVariantList& ch1 = channels->at(0);
  const QVariantList& ch2 = channels->at(1);
  const QVariantList& ch3 = channels->at(2);
  data.ch1VsCh2.reserve(ch1.size());
  data.ch1VsCh3.reserve(ch1.size());
  for (qsizetype row = 0; row < ch1.size(); ++row) {
    if (const auto p = pointOf(ch2[row], ch1[row])) data.ch1VsCh2.append(*p);
    if (const auto p = pointOf(ch3[row], ch1[row])) data.ch1VsCh3.append(*p);
  }
  const int last = readings.recordCount() - 1;
  if (last >= 0) {
    data.xTitle = readings.value(last, u"CH2NAME").toString();
    data.yTitle = readings.value(last, u"CH1NAME").toString();
    data.secondYTitle = readings.value(last, u"CH3NAME").toString();
  }
  leaveOutAbsentChannels(data);
  return data;
}

LoadFrameChart::LoadFrameChart(QChartView& MSGraph) : MSGraph_(MSGraph) {}

QChart* LoadFrameChart::makeChart(const LoadFrameChartData& data) {
  auto* chart = new QChart;
  chart->setPlotAreaBackgroundBrush(Qt::white);
  chart->setPlotAreaBackgroundPen(QPen(Qt::black, PlotFrameWidth));
  chart->setPlotAreaBackgroundVisible(true);
  QFont titleFont = chart->titleFont();
  titleFont.setPointSize(TitleFontPoints);
  chart->setTitleFont(titleFont);
  chart->setTitleBrush(TitleColour);
  chart->setTitle(Title);

  Range x;
  Range y;
  for (const QPointF& p : data.ch1VsCh2) x.add(p.x()), y.add(p.y());
  for (const QPointF& p : data.ch1VsCh3) x.add(p.x()), y.add(p.y());
  QValueAxis* axisX = makeAxis(data.xTitle, x);
  QValueAxis* axisY = makeAxis(data.yTitle, y);
  QValueAxis* secondY = makeAxis(data.secondYTitle, y);
  chart->addAxis(axisX, Qt::AlignBottom);
  chart->addAxis(axisY, Qt::AlignLeft);
  chart->addAxis(secondY, Qt::AlignRight);
  // Both series plot on the primary scale; the secondary axis repeats it.
  QObject::connect(axisY, &QValueAxis::rangeChanged, secondY, &QValueAxis::setRange);

  // The right axis speaks of channel 3; without it, it would only repeat the left one.
  secondY->setVisible(data.hasCh1VsCh3);

  QList<QLineSeries*> drawn;
  if (data.hasCh1VsCh2) drawn << makeSeries(Ch1VsCh2, data.ch1VsCh2);
  if (data.hasCh1VsCh3) drawn << makeSeries(Ch1VsCh3, data.ch1VsCh3);
  for (QLineSeries* series : drawn) {
    chart->addSeries(series);
    series->attachAxis(axisX);
    series->attachAxis(axisY);
  }
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->legend()->setVisible(true);
  return chart;
}

QSize LoadFrameChart::pictureSize() {
  return {platform::twipsToPixels(PictureWidthTwips, PictureDotsPerInch),
          platform::twipsToPixels(PictureHeightTwips, PictureDotsPerInch)};
}

QImage LoadFrameChart::picture(const LoadFrameChartData& data) {
  // A chart of its own at the picture's size, so the one on screen keeps its size.
  QGraphicsScene scene;
  QChart* chart = makeChart(data);
  scene.addItem(chart);
  const QRectF area(QPointF(0, 0), QSizeF(pictureSize()));
  chart->setGeometry(area);
  // Lay it out now rather than at the next turn of the event loop.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  if (QGraphicsLayout* layout = chart->layout()) layout->activate();
  QImage image(pictureSize(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  scene.render(&painter, area, area);
  return image;
}

bool LoadFrameChart::savePicture(const QImage& image, const QString& path) {
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  QBuffer picture;
  if (!picture.open(QIODevice::WriteOnly) || !image.save(&picture, PictureFormat)) return false;
  return platform::writeWholeFile(path, picture.data());
}

bool LoadFrameChart::Draw_Graph(const RecordGridModel& readings) {
  const LoadFrameChartData data = loadFrameChartData(readings);
  QChart* old = MSGraph_.chart();
  MSGraph_.setChart(makeChart(data));
  delete old;
  const QImage image = picture(data);
  platform::ignoringErrors([&] {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setImage(image);
  });
  return savePicture(image, platform::ProgramFolder::path(platform::ProgramFiles::GraphImage));
}

void LoadFrameChart::clear() {
  QChart* old = MSGraph_.chart();
  MSGraph_.setChart(makeChart({}));
  delete old;
}

}  // namespace mainwindow
