#pragma once

#include <QString>

namespace platform {

// Destination and format codes of a designer's export options.
namespace ExportDestination {
inline constexpr int DiskFile = 1;
inline constexpr int Application = 5;
}  // namespace ExportDestination

namespace ExportFormat {
inline constexpr int Pdf = 31;
inline constexpr int RichText = 35;
}  // namespace ExportFormat

// The export options a designer keeps from one export to the next. Page
// numbers are 1-based and only read while the format's all-pages flag is off.
struct ReportExportOptions {
  int destinationType = ExportDestination::DiskFile;
  int formatType = ExportFormat::Pdf;
  QString diskFileName;
  bool pdfAllPages = true;
  int pdfFirstPage = 1;
  int pdfLastPage = 1;
  bool rtfAllPages = true;
  int rtfFirstPage = 1;
  int rtfLastPage = 1;
};

}  // namespace platform
