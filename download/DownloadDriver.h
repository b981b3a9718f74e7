#pragma once

#include <QObject>
#include <QString>

#include "download/DownloadEndNote.h"
#include "download/DownloadTimers.h"
#include "instrument/WorkingDatabaseBackup.h"

namespace download {

class DownloadHost;
class ImportWizard;

// The download driver of the import wizard: runs on the start page. It frees
// the working database, opens the port with the chosen model's settings, runs
// the receive loop (once, or until Done for a continuous load-frame download)
// and then registers the new tables with the main window, or reports the
// failure and puts the previous data back. Its timers (DownloadTimers) keep
// the user informed meanwhile; at every end the wizard and the main window's
// status bar say how it ended, in one line (DownloadEndNote).
//
// The receive loop yields to the event loop, so timer ticks, Done and a close
// request arrive while Start() is suspended; they talk to it only through the
// flags of the serial port wrapper.
class DownloadDriver : public QObject {
  Q_OBJECT

 public:
  // What Show_Step returns on the start page.
  inline static const QString StartSignal = QStringLiteral("START");

  DownloadDriver(ImportWizard& wizard, DownloadHost& host);
  ~DownloadDriver() override;

  // The download, from the start page to the done page or back to the
  // welcome page.
  void Start();
  bool running() const { return running_; }
  // The running download has received its first character.
  bool dataArrived() const { return dataArrived_; }

  // Done of a continuous download: asks the receive loop to finish.
  void Done_Click();

  DownloadTimers& timers() { return timers_; }

  // The receive-loop call and line speed for the wizard's choices.
  int deviceType() const;
  bool continuous() const;
  int baudRate() const;

 private:
  void download();
  bool prepare();
  // After the receive loop: registers the new data or fails.
  void finish();
  void configurePort();
  int receiveLoop();
  int receiveOnce();
  // False when the new data could not be registered (errorExit has run).
  bool successPath();
  // The facts of what was kept, and how the receive loop ended.
  void noteWhatWasKept(bool closing);
  // The wizard and the main window's status bar say how the download ended.
  void sayHowItEnded();
  void noDownload();
  void errorExit();
  void portErrorPath();
  // Puts the copy back when the database was changed, else forgets it.
  void keepOrPutBack(bool databaseChanged);
  void putPreviousDataBack();
  void addTimePanel();

  ImportWizard& wizard_;
  DownloadHost& host_;
  DownloadTimers timers_;
  instrument::WorkingDatabaseBackup backup_;
  // How the running download ended, said at its end.
  DownloadEndFacts end_;
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
