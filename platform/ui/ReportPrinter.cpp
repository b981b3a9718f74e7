#include "platform/ui/ReportPrinter.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <vector>

#include "platform/report/PageRange.h"
#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportRenderer.h"

namespace platform {

namespace {

ReportPrinter::DialogRunner& dialogRunner() {
  static ReportPrinter::DialogRunner runner;
  return runner;
}

bool runPrintDialog(QPrinter& printer, int maximumPage, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  dialog.setMinMax(1, maximumPage);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  return dialog.exec() == QDialog::Accepted;
}

// The order pages come out in: each page copies times in a row, or the whole
// range copies times over when collated.
std::vector<int> printSequence(int first, int last, int copies, bool collated) {
  std::vector<int> pages;
  for (int round = 0; round < (collated ? copies : 1); ++round)
    for (int page = first; page <= last; ++page)
      for (int copy = 0; copy < (collated ? 1 : copies); ++copy) pages.push_back(page);
  return pages;
}

}  // namespace

ReportPrinter::ReportPrinter() : printer_(QPrinter::HighResolution) {}

bool ReportPrinter::showPrintDialog(int maximumPage, QWidget* parent) {
  const int maximum = std::max(1, maximumPage);
  return dialogRunner() ? dialogRunner()(printer_, maximum, parent) : runPrintDialog(printer_, maximum, parent);
}

ReportStatus ReportPrinter::printOut(const ReportDesigner& designer, int copies, bool collated, int startPage,
                                     int stopPage, const ReportLayoutOptions& layout) {
  const RenderedReport report = ReportLayout::layout(designer, layout);
  const bool allPages = startPage == 0 && stopPage == 0;
  const auto pages = selectPages(report.pageCount(), allPages, startPage, stopPage);
  if (!pages) return ReportStatus::NoPages;
  const auto orientation =
      report.orientation == PaperOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
  // The printer the designer was pointed at, unless output goes to a file.
  if (!designer.printerName().isEmpty() && printer_.outputFormat() == QPrinter::NativeFormat)
    printer_.setPrinterName(designer.printerName());
  printer_.setFullPage(true);
  printer_.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), orientation, QMarginsF(0, 0, 0, 0)));
  printer_.setPrintRange(QPrinter::AllPages);
  const int copyCount = std::max(1, copies);
  // A printer that makes copies itself gets one pass; otherwise we repeat.
  const bool printerCopies = printer_.supportsMultipleCopies();
  printer_.setCopyCount(printerCopies ? copyCount : 1);
  printer_.setCollateCopies(collated);
  QPainter painter;
  if (!painter.begin(&printer_)) return ReportStatus::FileError;
  const double scale = ReportRenderer::pixelsPerTwip(printer_);
  bool first = true;
  for (int page : printSequence(pages->first, pages->second, printerCopies ? 1 : copyCount, collated)) {
    if (!first && !printer_.newPage()) return ReportStatus::FileError;
    first = false;
    ReportRenderer::paintPage(painter, report, page, scale);
  }
  return painter.end() ? ReportStatus::Ok : ReportStatus::FileError;
}

void ReportPrinter::setDialogRunner(DialogRunner runner) { dialogRunner() = std::move(runner); }

}  // namespace platform
