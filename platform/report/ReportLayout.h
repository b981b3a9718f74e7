#pragma once

#include <QDateTime>

#include "platform/report/RenderedReport.h"

namespace platform {

class ReportDesigner;

struct ReportLayoutOptions {
  QDateTime printMoment = QDateTime::currentDateTime();  // what date and time fields show
};

// Lays a designer out on pages as its objects stand at this moment: page
// headers and footers on every page; report headers, details and report
// footers flowing between them. Growing text pushes down what lies below it;
// the growing texts of a details section break across pages together at line
// boundaries, the objects above them repeating on every page. Suppressed
// objects and sections take no space and no ink.
class ReportLayout {
 public:
  static RenderedReport layout(const ReportDesigner& designer,
                               const ReportLayoutOptions& options = ReportLayoutOptions());
};

}  // namespace platform
