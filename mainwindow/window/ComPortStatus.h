#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <array>
#include <atomic>
#include <functional>
#include <vector>

#include "download/PortProbe.h"
#include "instrument/ProgramState.h"

class QAction;
class QThread;

namespace mainwindow {

// The COM port status items of the "COM Description" menu: refreshed from a
// probe of COM1 to COM4 at start-up, every 60 seconds by Check_Timer, and by
// "Check Ports". The probe runs on a worker thread of its own, so the window
// goes on while free ports are given their two seconds to answer; its result
// is applied here, on the user-interface thread. While long work (a
// download, a project replay) runs, no probe is started, so it never touches
// a port in use; the items keep the last states.
class ComPortStatus : public QObject {
  Q_OBJECT

 public:
  // Made on the user-interface thread; the job it returns runs on the worker.
  using Probe = std::function<download::ProbeJob()>;
  using Done = std::function<void(const QString& states)>;

  ComPortStatus(std::array<QAction*, 4> COM_STAT, Probe probe, const instrument::LongWork& work,
                QObject* parent = nullptr);
  ~ComPortStatus() override;

  static constexpr int CheckInterval = 60000;  // ms

  // Starts a probe unless one is running; the items change when it ends.
  void Check_Com_Ports() { refresh({}); }
  void Check_Timer_Timer() { Check_Com_Ports(); }
  // Starts a probe, or joins the one running, and calls done with the states
  // once the items show them. Without a probe (long work runs) done is called
  // at once with the last states.
  void refresh(Done done);

  bool probing() const { return worker_ != nullptr; }
  // The last states found, one character per port; empty before the first.
  const QString& states() const { return states_; }
  QStringList captions() const;
  void setProbe(Probe probe) { probe_ = std::move(probe); }

  QTimer Check_Timer;

 private:
  void applyResult();

  std::array<QAction*, 4> COM_STAT_;
  Probe probe_;
  const instrument::LongWork& work_;
  QThread* worker_ = nullptr;
  std::atomic<bool> cancelled_{false};
  QString result_;  // written by the worker, read after it has finished
  QString states_;
  std::vector<Done> waiting_;
};

}  // namespace mainwindow
