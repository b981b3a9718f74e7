#pragma once

#include <utility>

#include "platform/report/ReportObject.h"

namespace platform {

// A straight line: vertical when its width is 0, horizontal when its height
// is 0 (a line with both sizes set runs from top-left to bottom-right). A line
// that extends to the bottom of its section stretches with growing text.
class LineObject : public ReportObject {
 public:
  LineObject(QString name, const QRect& geometry, int penTwips = 15, int style = LineStyle::Single)
      : ReportObject(ReportObjectKind::Line, std::move(name), geometry), pen_(penTwips), style_(style) {}

  int penWidth() const { return pen_; }
  int style() const { return style_; }
  bool extendsToSectionBottom() const { return extend_; }
  void setExtendToSectionBottom(bool extend) { extend_ = extend; }

 private:
  int pen_;
  int style_;
  bool extend_ = false;
};

}  // namespace platform
