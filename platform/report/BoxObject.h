#pragma once

#include <utility>

#include "platform/report/StrokeObject.h"

namespace platform {

// An unfilled rectangle; like a line it may stretch to the section bottom.
class BoxObject : public StrokeObject {
 public:
  BoxObject(QString name, const QRect& geometry, int penTwips = 15, int style = LineStyle::Single)
      : StrokeObject(ReportObjectKind::Box, std::move(name), geometry, penTwips, style) {}
};

}  // namespace platform
