#pragma once

#include <utility>

#include "platform/report/StrokeObject.h"

namespace platform {

// A straight line: vertical when its width is 0, horizontal when its height
// is 0 (a line with both sizes set runs from top-left to bottom-right). A line
// that extends to the bottom of its section stretches with growing text.
class LineObject : public StrokeObject {
 public:
  LineObject(QString name, const QRect& geometry, int penTwips = 15, int style = LineStyle::Single)
      : StrokeObject(ReportObjectKind::Line, std::move(name), geometry, penTwips, style) {}
};

}  // namespace platform
