#include "platform/report/ReportPdfWriter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "platform/core/Twips.h"
#include "platform/core/WholeFile.h"
#include "platform/report/ReportRenderer.h"

namespace platform {

ReportStatus ReportPdfWriter::write(const RenderedReport& report, const QString& fileName, int firstPage,
                                    int lastPage) {
  if (firstPage < 1 || lastPage > report.pageCount() || firstPage > lastPage) return ReportStatus::NoPages;
  // The document is made in memory, then written whole.
  QBuffer file;
  if (!file.open(QIODevice::WriteOnly)) return ReportStatus::FileError;
  {
    QPdfWriter writer(&file);
    writer.setResolution(TwipsPerInch);
    const auto orientation = report.orientation == PaperOrientation::Landscape ? QPageLayout::Landscape
                                                                                : QPageLayout::Portrait;
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), orientation, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer)) return ReportStatus::FileError;
    for (int page = firstPage; page <= lastPage; ++page) {
      if (page > firstPage) writer.newPage();
      ReportRenderer::paintPage(painter, report, page, 1.0);
    }
    painter.end();
  }
  return writeWholeFile(fileName, file.data()) ? ReportStatus::Ok : ReportStatus::FileError;
}

}  // namespace platform
