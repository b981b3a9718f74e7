#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace instrument {
struct ProgramState;
}

namespace platform {
class CommControl;
}

namespace download {

class Communication;

// Tabs of the main window's tab strip that the import wizard switches.
namespace MainTabIndex {
inline constexpr int Data = 0;
inline constexpr int Report = 1;
inline constexpr int Graph = 2;
}  // namespace MainTabIndex

// What the import wizard and its download driver use of the main window. The
// main window implements it; the wizard never sees the window's own classes.
class DownloadHost {
 public:
  virtual ~DownloadHost() = default;

  // The window that owns the wizard (enabled, repainted).
  virtual QWidget& mainWindow() = 0;
  // The serial port wrapper and the window's COM port control.
  virtual Communication& Comm() = 0;
  // False once the main window has let the wrapper go (it is shutting down).
  virtual bool hasComm() const { return true; }
  virtual platform::CommControl& MSComm1() = 0;
  // The program's shared state: Model_Code, Download_Status, Download_Title,
  // New_Data, New_Download, Download_Seconds and the long-work guard.
  virtual instrument::ProgramState& state() = 0;
  // Before the working database is replaced: false, with the user told why,
  // while this program cannot hold its folder's claim.
  virtual bool holdProgramFolder() { return true; }

  // Closes the data view's recordsets and its connection to the working
  // database when the connection is open.
  virtual void closeDatabaseView() = 0;
  // Rebuilds the project tree from Comm().Tables_Created.
  virtual void Initialize_TAB0() = 0;
  virtual void setMainTabEnabled(int tab, bool enabled) = 0;
  virtual void selectMainTab(int tab) = 0;
  // The text of the main window's status bar ("Status: ...").
  virtual void setStatusText(const QString& text) = 0;
  // A download begins: a note an earlier one left in the status bar gives way.
  virtual void clearStatusNote() {}
  // Starts or stops the periodic COM port check.
  virtual void setCheckTimerRunning(bool running) = 0;
  // The captions of the COM port status items, COM1 to COM4.
  virtual void setComStatusCaptions(const QStringList& captions) = 0;
  // The port states last found (Communication::AvailablePorts' form), empty
  // when none are known yet.
  virtual QString knownPortStates() const { return {}; }
  // Probes the ports and calls done with their states. The main window
  // probes on a worker thread and calls done later; by default the probe
  // runs here and now.
  virtual void probePorts(const std::function<void(const QString& states)>& done);
  // Saves the company information file with the current Download_Title; a
  // failure is said to the user and the previous file is kept.
  virtual void saveCompanyInfo() = 0;
  // Runs long work that yields to the event loop (the download): meanwhile
  // other commands keep away from the database and the port, and an exit
  // asked for is carried out when the work ends.
  virtual void runLongWork(const std::function<void()>& work) = 0;
};

}  // namespace download
