#pragma once

#include <QPrinter>
#include <functional>

#include "platform/report/ReportLayout.h"
#include "platform/report/ReportTypes.h"

class QWidget;

namespace platform {

class ReportDesigner;

// Printing a report: the print dialog (printer, page range, copies, collate)
// and the print-out itself, drawn with the same renderer as the screen. The
// dialog can be replaced for tests.
class ReportPrinter {
 public:
  // Shows a print dialog for printer with pages 1..maximumPage; true on OK.
  using DialogRunner = std::function<bool(QPrinter& printer, int maximumPage, QWidget* parent)>;

  ReportPrinter();
  QPrinter& printer() { return printer_; }

  // The dialog; false when it was cancelled. Its choices are then read from
  // copies(), collated(), fromPage() and toPage() (0 and 0: all pages).
  bool showPrintDialog(int maximumPage, QWidget* parent = nullptr);
  int copies() const { return printer_.copyCount(); }
  bool collated() const { return printer_.collateCopies(); }
  int fromPage() const { return printer_.fromPage(); }
  int toPage() const { return printer_.toPage(); }

  // Prints the designer on the chosen printer without asking: Letter in the
  // designer's orientation, pages startPage..stopPage (both 0: all; a range
  // is cut to the report), each page copies times, collated or page by page.
  ReportStatus printOut(const ReportDesigner& designer, int copies, bool collated, int startPage, int stopPage,
                        const ReportLayoutOptions& layout = ReportLayoutOptions());

  static void setDialogRunner(DialogRunner runner);  // empty: the real dialog

 private:
  QPrinter printer_;
};

}  // namespace platform
