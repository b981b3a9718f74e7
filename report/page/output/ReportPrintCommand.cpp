#include "report/page/output/ReportPrintCommand.h"

#include <QPageLayout>
#include <QTabWidget>

#include "instrument/DeviceType.h"
#include "platform/core/IgnoreErrors.h"
#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportLayout.h"
#include "platform/ui/Dialogs.h"
#include "report/builder/ReportDesigners.h"
#include "report/page/ReportTabPage.h"

namespace report {
namespace {

constexpr int RawDataTab = 0;
constexpr int StiffnessDataTab = 1;

const QString PrintFailed = QStringLiteral("The report could not be printed.");

int orientationOfModel(qint32 Model_Code) {
  return Model_Code == instrument::ModelCode::LX9100 ? platform::PaperOrientation::Portrait : platform::PaperOrientation::Landscape;
}

// Gives a designer an orientation for the length of a print and puts its own
// back afterwards, so that printing leaves the report on screen as it was.
class OrientationForPrint {
 public:
  OrientationForPrint(platform::ReportDesigner& report, int orientation)
      : report_(report), own_(report.paperOrientation()) {
    report_.setPaperOrientation(orientation);
  }
  ~OrientationForPrint() { report_.setPaperOrientation(own_); }
  OrientationForPrint(const OrientationForPrint&) = delete;
  OrientationForPrint& operator=(const OrientationForPrint&) = delete;

 private:
  platform::ReportDesigner& report_;
  int own_;
};

}  // namespace

ReportPrintCommand::ReportPrintCommand(ReportDesigners& designers, const instrument::ProgramState& state,
                                       ReportTabPage& page)
    : designers_(designers), state_(state), page_(page) {}

platform::ReportDesigner* ReportPrintCommand::shownReport() const {
  switch (page_.shownReport()) {
    case RawDataTab: return designers_.Report.get();
    case StiffnessDataTab: return designers_.StiffyReport.get();
    default: return nullptr;
  }
}

void ReportPrintCommand::CRViewer1_PrintButtonClicked() {
  platform::ReportDesigner* report = shownReport();
  if (report == nullptr) return;
  bool printed = false;
  const bool ran = platform::ignoringErrors([&] { printed = print(*report); });
  if (!ran || !printed) platform::ui::Dialogs::inform(page_.window(), PrintFailed);
}

// True when the print went out or the dialog was cancelled.
bool ReportPrintCommand::print(platform::ReportDesigner& report) {
  // The stiffness report of a load-frame set keeps its own orientation.
  const bool keepsOrientation = &report == designers_.StiffyReport.get() && state_.Model_Code == instrument::ModelCode::LX9100;
  const int orientation = keepsOrientation ? report.paperOrientation() : orientationOfModel(state_.Model_Code);
  printer_.printer().setPageOrientation(orientation == platform::PaperOrientation::Landscape ? QPageLayout::Landscape
                                                                                           : QPageLayout::Portrait);
  const int pageCount = platform::ReportLayout::layout(report).pageCount();
  if (!printer_.showPrintDialog(pageCount, page_.window())) return true;

  OrientationForPrint turned(report, orientation);
  const FreeColumnsHidden freeColumnsHidden(hiding_, report, &report == designers_.Report.get());
  report.selectPrinter(QString(), printer_.printer().printerName(), QString());
  const int from = printer_.fromPage();
  const int to = printer_.toPage();
  const bool range = from != 0 && to != 0 && to >= from;
  return printer_.printOut(report, printer_.copies(), true, range ? from : 0, range ? to : 0) ==
         platform::ReportStatus::Ok;
}

}  // namespace report
