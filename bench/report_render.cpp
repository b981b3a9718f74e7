// Renders a long two-block load-frame report and writes its PDF: the time
// from the filled designer to the finished file, against the 1 s target.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/report/ReportDefinitions.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/ReportNames.h"
#include "platform/report/ReportPdfWriter.h"
#include "platform/report/ReportRenderer.h"

using namespace platform;

namespace {

constexpr int Size = 9;
constexpr int RowsPerBlock = 50;
constexpr int MirrorOffset = 7;

// The load-frame page at size 9 with the read-number, time and four channel
// columns dealt to the left block and its mirror block.
std::unique_ptr<ReportDesigner> loadFrameReport(int readings) {
  auto report = ReportDefinitions::createReport();
  report->setPaperOrientation(PaperOrientation::Portrait);
  report->section(QStringLiteral("Section2"))->setSuppress(true);
  for (int i = 1; i <= 2; ++i) {
    report->member(ReportNames::landscapeLine(i)).setSuppress(true);
    report->member(ReportNames::landscapeBox(i)).setSuppress(true);
    report->member(ReportNames::portraitLine(i)).setSuppress(false);
    report->member(ReportNames::portraitBox(i)).setSuppress(false);
  }
  const char* headers[] = {"RD#", "Time", "CH1", "CH2", "CH3", "CH4"};
  for (int c = 0; c < 6; ++c) {
    QString left, mirror;
    bool inLeft = true;
    for (int i = 1; i <= readings; ++i) {
      if (readings > RowsPerBlock && i % RowsPerBlock == 0) inLeft = !inLeft;
      const QString value = c == 0   ? QString::number(i)
                             : c == 1 ? QStringLiteral("%1:%2").arg(i / 60).arg(i % 60, 2, 10, QLatin1Char('0'))
                                      : QString::number(1000.0 + c * 13.7 + i * 0.25, 'f', 2);
      (inLeft ? left : mirror) += value + QLatin1Char('\r');
    }
    report->member(ReportNames::columnHeader(c + 1)).SetText(QString::fromLatin1(headers[c]));
    report->member(ReportNames::columnData(c + 1)).SetText(left);
    report->member(ReportNames::columnHeader(c + 1 + MirrorOffset)).SetText(QString::fromLatin1(headers[c]));
    report->member(ReportNames::columnData(c + 1 + MirrorOffset)).SetText(mirror);
  }
  for (int k = 2; k <= 13; ++k)
    if (k != 7) report->member(ReportNames::columnLine(k)).setSuppress(false);
  return report;
}

struct Figures {
  double layoutMs;
  double totalMs;
  int pages;
  qint64 bytes;
};

Figures renderToPdf(const ReportDesigner& report, const QString& file) {
  QElapsedTimer timer;
  timer.start();
  const RenderedReport laid = ReportLayout::layout(report);
  const double layoutMs = timer.nsecsElapsed() / 1e6;
  if (ReportPdfWriter::write(laid, file, 1, laid.pageCount()) != ReportStatus::Ok) std::exit(1);
  return {layoutMs, timer.nsecsElapsed() / 1e6, laid.pageCount(), QFileInfo(file).size()};
}

double screenMs(const ReportDesigner& report) {
  QElapsedTimer timer;
  timer.start();
  const RenderedReport laid = ReportLayout::layout(report);
  QImage image(648, 838, QImage::Format_ARGB32_Premultiplied);  // Letter at 96 dpi, 75 percent
  for (int page = 1; page <= laid.pageCount(); ++page) {
    image.fill(Qt::white);
    QPainter painter(&image);
    ReportRenderer::paintPage(painter, laid, page, 96.0 / 1440 * 0.75);
  }
  return timer.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  QTemporaryDir dir;
  constexpr int Runs = 5;
  std::printf("report_render: load-frame report, two blocks, font size %d, PDF at 1440 dpi\n", Size);
  for (int readings : {1000, 2000}) {
    const auto report = loadFrameReport(readings);
    renderToPdf(*report, dir.filePath(QStringLiteral("warm.pdf")));  // fonts loaded once
    std::vector<double> totals;
    Figures last{};
    for (int run = 0; run < Runs; ++run) {
      last = renderToPdf(*report, dir.filePath(QStringLiteral("report%1.pdf").arg(run)));
      totals.push_back(last.totalMs);
    }
    std::sort(totals.begin(), totals.end());
    // REPORT_BENCH_KEEP=folder keeps the PDFs for a look.
    if (const char* keep = std::getenv("REPORT_BENCH_KEEP"))
      QFile::copy(dir.filePath(QStringLiteral("report0.pdf")),
                  QDir(QString::fromLocal8Bit(keep)).filePath(QStringLiteral("load_frame_%1.pdf").arg(readings)));
    const double median = totals[Runs / 2];
    std::printf("  %5d readings: %2d pages, layout %.1f ms, layout+PDF median %.1f ms (min %.1f), %lld bytes, "
                "%.2f of the 1 s target; screen render of all pages %.1f ms\n",
                readings, last.pages, last.layoutMs, median, totals.front(), static_cast<long long>(last.bytes),
                median / 1000.0, screenMs(*report));
  }
  return 0;
}
