#pragma once

#include <QObject>
#include <QTimer>

#include <array>

namespace instrument {
struct ProgramState;
}
namespace platform {
class ReportViewer;
}

namespace report {

// The deferred redraw of the report viewers (Timer5). A command that changed
// the report designers asks for a redraw instead of drawing itself, so several
// changes in one handler cost one redraw, run from the event loop after the
// handler returns. A new request restarts the one timer: requests made before
// the tick merge into one redraw, at the interval of the last request.
class ReportRefresh : public QObject {
 public:
  // Intervals in use: the report toggle, logo placement and the header editor's
  // cancel ask for 1 ms; logo insertion and the font commands for 2 ms.
  static constexpr int ShortInterval = 1;
  static constexpr int RedrawInterval = 2;

  enum class Pointer { Keep, Hourglass };

  ReportRefresh(std::array<platform::ReportViewer*, 2> CRViewer1, const instrument::ProgramState& state,
                QObject* parent = nullptr);
  ~ReportRefresh() override;

  // Asks for a redraw after intervalMs; Hourglass shows the busy pointer until
  // the redraw is done.
  void request(int intervalMs, Pointer pointer = Pointer::Keep);

  // The tick: redraws the raw-data viewer and, for the stiffness gauge, the
  // stiffness viewer. A viewer that fails keeps the timer running, so the
  // redraw is tried again after the same interval; the busy pointer stays
  // until a redraw succeeds.
  void Timer5_Timer();

  bool pending() const { return Timer5.isActive(); }
  int interval() const { return Timer5.interval(); }

 private:
  void restorePointer();

  std::array<platform::ReportViewer*, 2> CRViewer1_;
  const instrument::ProgramState& state_;
  QTimer Timer5;
  bool hourglass_ = false;
};

}  // namespace report
