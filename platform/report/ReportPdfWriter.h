#pragma once

#include <QString>

#include "platform/report/RenderedReport.h"
#include "platform/report/ReportTypes.h"

namespace platform {

// Writes laid-out pages to a PDF file: Letter in the report's orientation, no
// margins, 1440 dots per inch so that one painter unit is one twip. The file
// is written beside its target and renamed into place.
class ReportPdfWriter {
 public:
  static ReportStatus write(const RenderedReport& report, const QString& fileName, int firstPage, int lastPage);
};

}  // namespace platform
