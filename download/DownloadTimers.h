#pragma once

#include <QObject>
#include <QTimer>

#include <optional>

namespace download {

class DownloadHost;
class ImportWizard;

// The four timers that keep the user informed while the import wizard's
// driver runs a download: the blinking indicator (Timer1, Timer2, alternating),
// the countdown to the first character's timeout or the elapsed time
// (Timer3, which also shows the seconds of silence left before the printout
// ends) and, for a continuous download, the poll that enables Done between
// data sets (Timer4). The driver starts and stops them; their ticks only
// show, except that Timer4 ends a continuous download with Done when the
// main window is asked to close.
class DownloadTimers : public QObject {
  Q_OBJECT

 public:
  static constexpr int Timer1Interval = 150;
  static constexpr int Timer2Interval = 500;
  static constexpr int Timer3Interval = 1000;
  static constexpr int Timer4Interval = 100;

  DownloadTimers(ImportWizard& wizard, DownloadHost& host);

  // The indicator starts blinking.
  void startIndicator();
  // Stops all four, and hides the end wait they show.
  void stopAll();

  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
  void Timer4_Timer();

  QTimer Timer1;
  QTimer Timer2;
  QTimer Timer3;
  QTimer Timer4;

 private:
  // The end wait line of a download ended by silence: its countdown starts
  // with the silence and never rises while the silence lasts, however the
  // pace of the receive loop varies.
  void showEndWait();

  ImportWizard& wizard_;
  DownloadHost& host_;
  std::optional<int> secondsLeftShown_;
};

}  // namespace download
