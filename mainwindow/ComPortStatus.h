#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <array>
#include <functional>

#include "instrument/ProgramState.h"

class QAction;

namespace mainwindow {

// The COM port status items of the "COM Description" menu: refreshed from a
// probe of COM1 to COM4 at start-up, every 60 seconds by Check_Timer, and by
// "Check Ports". While long work (a download, a project replay) runs, the
// probe is not made, so it never touches a port in use; the items keep the
// last states.
class ComPortStatus : public QObject {
  Q_OBJECT

 public:
  using Probe = std::function<QString()>;  // one state character per port

  ComPortStatus(std::array<QAction*, 4> COM_STAT, Probe probe, const instrument::LongWork& work,
                QObject* parent = nullptr);

  static constexpr int CheckInterval = 60000;  // ms

  void Check_Com_Ports();
  void Check_Timer_Timer() { Check_Com_Ports(); }

  QStringList captions() const;
  void setProbe(Probe probe) { probe_ = std::move(probe); }

  QTimer Check_Timer;

 private:
  std::array<QAction*, 4> COM_STAT_;
  Probe probe_;
  const instrument::LongWork& work_;
};

}  // namespace mainwindow
