#pragma once

#include <QRect>
#include <QString>

#include "platform/report/ReportDefinitions.h"
#include "platform/report/ReportSection.h"
#include "platform/report/TextObject.h"

// Building blocks of the stored report definitions (both designers).
namespace platform::definition {

inline ReportFont font(int size = ReportDefinitions::BodyFontSize, bool bold = false) {
  ReportFont spec;
  spec.size = size;
  spec.bold = bold;
  return spec;
}

// A text object of the section with its alignment set.
inline TextObject* text(ReportSection& section, const QString& name, const QRect& rect, const QString& shown,
                        int alignment = HorAlignment::Left, const ReportFont& spec = font()) {
  TextObject* object = section.add<TextObject>(name, rect, shown, spec);
  object->setHorAlignment(alignment);
  return object;
}

}  // namespace platform::definition
