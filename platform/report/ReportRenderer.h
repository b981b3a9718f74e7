#pragma once

#include <QPointF>
#include <QString>

#include "platform/report/RenderedReport.h"

class QPainter;
class QPaintDevice;

namespace platform {

// Draws laid-out report pages with QPainter on any paint device: the screen,
// an image, a printer or a PDF writer. Twips are mapped to device pixels by
// one scale, so the same page comes out alike on every device.
class ReportRenderer {
 public:
  // Draws page (1-based) with its top-left corner at origin (device pixels);
  // pixelsPerTwip is the device resolution / 1440 times any zoom.
  static void paintPage(QPainter& painter, const RenderedReport& report, int page, double pixelsPerTwip,
                        const QPointF& origin = QPointF());

  // Device pixels per twip of a paint device at 100 percent.
  static double pixelsPerTwip(const QPaintDevice& device);
};

}  // namespace platform
