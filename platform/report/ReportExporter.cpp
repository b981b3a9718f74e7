#include "platform/report/ReportExporter.h"

#include <QDesktopServices>
#include <QDir>
#include <QTemporaryFile>
#include <QUrl>

#include "platform/report/PageRange.h"
#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportExportOptions.h"
#include "platform/report/ReportPdfWriter.h"
#include "platform/report/ReportRtfWriter.h"

namespace platform {

namespace {

ReportExporter::ApplicationOpener& opener() {
  static ReportExporter::ApplicationOpener current;
  return current;
}

bool openWithApplication(const QString& fileName) {
  if (opener()) return opener()(fileName);
  return QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
}

// A fresh file in the temporary folder that stays after this call, for the
// application to read.
QString temporaryFileName(const QString& stem, const QString& suffix) {
  QTemporaryFile file(QDir(QDir::tempPath()).filePath(stem + QStringLiteral("-XXXXXX.") + suffix));
  file.setAutoRemove(false);
  if (!file.open()) return {};
  return file.fileName();
}

}  // namespace

ReportStatus ReportExporter::exportReport(const ReportDesigner& designer, const ReportLayoutOptions& layout) {
  return exportReport(ReportLayout::layout(designer, layout), designer.exportOptions(), designer.name());
}

ReportStatus ReportExporter::exportReport(const RenderedReport& report, const ReportExportOptions& options,
                                          const QString& temporaryStem) {
  const bool pdf = options.formatType == ExportFormat::Pdf;
  if (!pdf && options.formatType != ExportFormat::RichText) return ReportStatus::Refused;
  const auto pages = pdf ? selectPages(report.pageCount(), options.pdfAllPages, options.pdfFirstPage,
                                       options.pdfLastPage)
                         : selectPages(report.pageCount(), options.rtfAllPages, options.rtfFirstPage,
                                       options.rtfLastPage);
  if (!pages) return ReportStatus::NoPages;
  const bool toApplication = options.destinationType == ExportDestination::Application;
  if (!toApplication && options.destinationType != ExportDestination::DiskFile) return ReportStatus::Refused;
  const QString fileName =
      toApplication ? temporaryFileName(temporaryStem, pdf ? QStringLiteral("pdf") : QStringLiteral("rtf"))
                    : options.diskFileName;
  if (fileName.isEmpty()) return ReportStatus::FileError;
  const ReportStatus written = pdf ? ReportPdfWriter::write(report, fileName, pages->first, pages->second)
                                   : ReportRtfWriter::write(report, fileName, pages->first, pages->second);
  if (written != ReportStatus::Ok || !toApplication) return written;
  return openWithApplication(fileName) ? ReportStatus::Ok : ReportStatus::FileError;
}

void ReportExporter::setApplicationOpener(ApplicationOpener replacement) { opener() = std::move(replacement); }

}  // namespace platform
