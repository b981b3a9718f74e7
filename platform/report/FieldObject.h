#pragma once

#include <utility>

#include "platform/report/TextObject.h"

namespace platform {

// A field: formatted like a text object, but its text (date, time, page
// number) is made at layout time, so it refuses SetText and has no text.
class FieldObject : public TextObject {
 public:
  FieldObject(QString name, const QRect& geometry, FieldKind field, ReportFont font = ReportFont())
      : TextObject(ReportObjectKind::Field, std::move(name), geometry, std::move(font)), field_(field) {}

  FieldKind field() const { return field_; }
  std::optional<QString> text() const override { return std::nullopt; }
  ReportStatus SetText(const QString&) override { return ReportStatus::Refused; }
  ReportStatus setCanGrow(bool) override { return ReportStatus::Refused; }

 private:
  FieldKind field_;
};

}  // namespace platform
