#pragma once

#include <utility>

#include "platform/report/ReportObject.h"

namespace platform {

// What lines and boxes share: a pen width and line style, and whether the
// object stretches to the bottom of its section with growing text.
class StrokeObject : public ReportObject {
 public:
  int penWidth() const { return pen_; }
  int style() const { return style_; }
  bool extendsToSectionBottom() const { return extend_; }
  void setExtendToSectionBottom(bool extend) { extend_ = extend; }

 protected:
  StrokeObject(ReportObjectKind kind, QString name, const QRect& geometry, int penTwips, int style)
      : ReportObject(kind, std::move(name), geometry), pen_(penTwips), style_(style) {}

 private:
  int pen_;
  int style_;
  bool extend_ = false;
};

}  // namespace platform
