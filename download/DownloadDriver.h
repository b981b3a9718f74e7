#pragma once

#include <QObject>
#include <QString>

#include "instrument/WorkingDatabaseBackup.h"

namespace download {

class DownloadHost;
class ImportWizard;

// The download driver of the import wizard: runs on the start page. It frees
// the working database, opens the port with the chosen model's settings, runs
// the receive loop (once, or until Done for a continuous load-frame download)
// and then registers the new tables with the main window, or reports the
// failure and puts the previous data back. Four timers keep the user informed
// meanwhile: the blinking indicator (Timer1, Timer2), the countdown or
// elapsed time (Timer3) and, for a continuous download, the poll that enables
// Done between data sets (Timer4).
//
// The receive loop yields to the event loop, so timer ticks, Done and a close
// request arrive while Start() is suspended; they talk to it only through the
// flags of the serial port wrapper.
class DownloadDriver : public QObject {
  Q_OBJECT

 public:
  // What Show_Step returns on the start page.
  inline static const QString StartSignal = QStringLiteral("START");

  static constexpr int Timer1Interval = 150;
  static constexpr int Timer2Interval = 500;
  static constexpr int Timer3Interval = 1000;
  static constexpr int Timer4Interval = 100;

  DownloadDriver(ImportWizard& wizard, DownloadHost& host);
  ~DownloadDriver() override;

  // The download, from the start page to the done page or back to the
  // welcome page.
  void Start();
  bool running() const { return running_; }

  // Done of a continuous download: asks the receive loop to finish.
  void Done_Click();

  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
  void Timer4_Timer();

  // The receive-loop call and line speed for the wizard's choices.
  int deviceType() const;
  bool continuous() const;
  int baudRate() const;

 private:
  void download();
  bool prepare();
  void configurePort();
  int receiveLoop();
  int receiveOnce();
  // False when the new data could not be registered (errorExit has run).
  bool successPath();
  // A lost port ended a continuous download that kept its complete tests.
  void keepTestsOfLostPort();
  // A download ended by closing the wizard or by Done: the wizard and the
  // main window's status bar say what became of the data.
  void sayHowItEnded(bool closed);
  void noDownload();
  void errorExit();
  void portErrorPath();
  // Puts the copy back when the database was changed, else forgets it.
  void keepOrPutBack(bool databaseChanged);
  void putPreviousDataBack();
  // Stops the timers, and hides the end wait they show.
  void stopTimers();
  // The end wait line of a download ended by silence, at Timer3's tick.
  void showEndWait();
  void addTimePanel();
  static QString downloadTitle(int Model_Code);

  ImportWizard& wizard_;
  DownloadHost& host_;
  instrument::WorkingDatabaseBackup backup_;
  QString previousTables_;
  bool running_ = false;
  bool dataArrived_ = false;
  // The preparation deleted the previous database.
  bool databaseRemoved_ = false;
  // The new data were registered.
  bool registered_ = false;
  // The copy of the previous data could not be put back.
  bool previousDataGone_ = false;
};

}  // namespace download
