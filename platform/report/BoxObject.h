#pragma once

#include <utility>

#include "platform/report/ReportObject.h"

namespace platform {

// An unfilled rectangle; like a line it may stretch to the section bottom.
class BoxObject : public ReportObject {
 public:
  BoxObject(QString name, const QRect& geometry, int penTwips = 15, int style = LineStyle::Single)
      : ReportObject(ReportObjectKind::Box, std::move(name), geometry), pen_(penTwips), style_(style) {}

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
