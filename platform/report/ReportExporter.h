#pragma once

#include <QString>
#include <functional>

#include "platform/report/ReportLayout.h"
#include "platform/report/ReportTypes.h"

namespace platform {

class ReportDesigner;
struct ReportExportOptions;

// Carries out a designer's export options without asking: PDF or rich text,
// all pages or a range, to the disk file named or to the application that
// opens the format (the file then goes to the temporary folder first).
class ReportExporter {
 public:
  using ApplicationOpener = std::function<bool(const QString& fileName)>;

  static ReportStatus exportReport(const ReportDesigner& designer,
                                   const ReportLayoutOptions& layout = ReportLayoutOptions());
  static ReportStatus exportReport(const RenderedReport& report, const ReportExportOptions& options,
                                   const QString& temporaryStem);

  // Replaces the desktop's default handler (tests); an empty opener restores it.
  static void setApplicationOpener(ApplicationOpener opener);
};

}  // namespace platform
