#include "report/page/ReportRefresh.h"

#include <QGuiApplication>

#include "instrument/DeviceType.h"
#include "instrument/ProgramState.h"
#include "platform/core/IgnoreErrors.h"
#include "platform/ui/ReportViewer.h"

namespace report {
namespace {

// A viewer without a report has nothing to redraw: that is not a failure, or
// a request made before the first report would retry for ever.
bool redraw(platform::ReportViewer* viewer) {
  if (viewer == nullptr || viewer->reportSource() == nullptr) return true;
  bool done = false;
  platform::ignoringErrors([&] { done = viewer->refresh(); });
  return done;
}

}  // namespace

ReportRefresh::ReportRefresh(std::array<platform::ReportViewer*, 2> CRViewer1,
                             const instrument::ProgramState& state, QObject* parent)
    : QObject(parent), CRViewer1_(CRViewer1), state_(state) {
  Timer5.setObjectName(QStringLiteral("Timer5"));
  Timer5.setSingleShot(true);
  connect(&Timer5, &QTimer::timeout, this, &ReportRefresh::Timer5_Timer);
}

ReportRefresh::~ReportRefresh() { restorePointer(); }

void ReportRefresh::request(int intervalMs, Pointer pointer) {
  if (pointer == Pointer::Hourglass && !hourglass_) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    hourglass_ = true;
  }
  Timer5.start(intervalMs);
}

void ReportRefresh::Timer5_Timer() {
  bool done = redraw(CRViewer1_[0]);
  if (done && state_.Model_Code == instrument::ModelCode::T7310) done = redraw(CRViewer1_[1]);
  if (!done) {
    Timer5.start();
    return;
  }
  Timer5.stop();
  restorePointer();
}

void ReportRefresh::restorePointer() {
  if (!hourglass_) return;
  QGuiApplication::restoreOverrideCursor();
  hourglass_ = false;
}

}  // namespace report
