#pragma once

// A main window for the import wizard's tests: a window with the three tabs,
// the real serial port wrapper and COM port control, the shared state, and a
// record of what the wizard asked of it. Its tree is the table list it was
// last rebuilt from.

#include <QElapsedTimer>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWidget>

#include <functional>
#include <memory>

#include "DownloadTestSupport.h"
#include "download/Communication.h"
#include "download/DownloadHost.h"
#include "instrument/CreateDatabase.h"
#include "instrument/DBTablesFile.h"
#include "instrument/ProgramState.h"
#include "platform/db/Database.h"
#include "platform/serial/CommControl.h"
#include "platform/serial/ReceiveClock.h"
#include "platform/serial/ReceiveWait.h"

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace testsupport {

// The real clock moved on by whatever the test adds (a 30-second timeout in
// no time).
class ShiftedClock : public platform::ReceiveClock {
 public:
  double seconds() const override { return steady_.seconds() + shift; }
  double shift = 0.0;

 private:
  platform::SteadyClock steady_;
};

// The program's wait, except that the port probe's blocking wait only moves
// the clock, so opening a wizard does not wait two seconds per free port.
class QuickProbeWait : public CuedWait {
 public:
  explicit QuickProbeWait(ShiftedClock& clock) : clock_(clock) {}
  void block(platform::CommControl* control, int millis) override {
    EventLoopWait::block(control, 1);
    clock_.shift += millis / 1000.0;
  }

 private:
  ShiftedClock& clock_;
};

class WizardTestHost : public download::DownloadHost {
 public:
  explicit WizardTestHost(std::shared_ptr<platform::SerialDeviceProvider> devices = nullptr)
      : control(devices ? std::make_unique<platform::CommControl>(devices)
                        : std::make_unique<platform::CommControl>()),
        comm(&programState.Download_Status) {
    tabs = new QTabWidget(&window);
    for (const char* name : {"View Data", "View Report", "View Graph"}) tabs->addTab(new QWidget, name);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(tabs);
    comm.setComm_Object(control.get());
    window.resize(500, 300);
  }

  QWidget& mainWindow() override { return window; }
  download::Communication& Comm() override { return comm; }
  platform::CommControl& MSComm1() override { return *control; }
  instrument::ProgramState& state() override { return programState; }
  bool holdProgramFolder() override { return programFolderHeld; }

  void closeDatabaseView() override {
    ++viewCloses;
    view.close();
  }
  void Initialize_TAB0() override {
    ++treeBuilds;
    if (comm.Tables_Created.isEmpty())
      comm.Tables_Created =
          instrument::DBTables_File(instrument::DBTablesMode::Read, QString(), programState.Model_Code);
    tree = comm.Tables_Created;
    treeTitle = programState.Download_Title;
  }
  void setMainTabEnabled(int tab, bool enabled) override { tabs->setTabEnabled(tab, enabled); }
  void selectMainTab(int tab) override { tabs->setCurrentIndex(tab); }
  void setStatusText(const QString& text) override { statusText = text; }
  void setCheckTimerRunning(bool running) override { checkTimerRunning = running; }
  void setComStatusCaptions(const QStringList& captions) override { comCaptions = captions; }
  void saveCompanyInfo() override {
    ++infoSaves;
    savedTitle = programState.Download_Title;
  }
  void runLongWork(const std::function<void()>& work) override {
    const instrument::LongWorkScope busy(programState.longWork);
    ++longWorks;
    work();
  }

  bool tabEnabled(int tab) const { return tabs->isTabEnabled(tab); }

  QWidget window;
  QTabWidget* tabs = nullptr;
  std::unique_ptr<platform::CommControl> control;
  instrument::ProgramState programState;
  download::Communication comm;
  // The data view's connection, opened by a test to look at the data.
  platform::db::Database view;

  int viewCloses = 0;
  int treeBuilds = 0;
  int infoSaves = 0;
  int longWorks = 0;
  bool checkTimerRunning = true;
  bool programFolderHeld = true;
  QString tree;
  QString treeTitle;
  QString savedTitle;
  QString statusText;
  QStringList comCaptions;
};

}  // namespace testsupport
