#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>

#include "instrument/ProgramState.h"
#include "download/Communication.h"
#include "platform/serial/CommControl.h"
#include "report/builder/ReportFlags.h"
#include "report/builder/CompanyInfo.h"
#include "report/builder/StiffnessConstants.h"
#include "report/page/ReportPageHost.h"

class QLabel;
class QTreeWidgetItem;
class QLineEdit;
class QTabWidget;
class QChartView;

namespace platform {
class ProgramFolderLock;
}

namespace report {
class ReportFonts;
class ReportPage;
class ReportTabPage;
}  // namespace report

namespace mainwindow {

class ComPortStatus;
class DataTabPage;
class DataView;
class MainMenus;
class MenuCommands;

// Indexes of the main tab strip.
inline constexpr int DataTab = 0;
inline constexpr int ReportTab = 1;
inline constexpr int GraphTab = 2;

// The main window "Main": owns the program's shared state, the serial port
// wrapper, the tab pages and the menus, and runs the start-up steps. The
// behaviour of each part lives in a small class of its own (project tree, COM
// port status, data-item lists, menu commands, report page), so further parts
// (tree selection and grids, chart, window layout, shutdown, project files,
// the import wizard) join in their own files.
class MainWindow : public QMainWindow, public report::ReportPageHost {
  Q_OBJECT

 public:
  struct Options {
    // Replaces the probe of COM1 to COM4 (tests); it runs on the probe's
    // worker thread.
    std::function<QString()> portProbe;
    // The program's claim on its folder, held by start-up for the whole run;
    // none for a window made without one (tests).
    platform::ProgramFolderLock* programFolder = nullptr;
  };

  MainWindow();
  explicit MainWindow(Options options);
  ~MainWindow() override;

  // Start-up, in the order Form_Load runs them.
  void Form_Load();
  void Init_Tabs();
  void Init_Files();
  void Fill_Data_Lists() override;
  void Check_Com_Ports();
  void Init_Window();
  void Initialize_TAB0() override;

  // ReportPageHost.
  int currentMainTab() const override;
  void enableWindowMenus(bool enabled) override;
  // Lays the window's controls out for its size and current tab
  // (WindowLayout.cpp).
  void Form_Resize() override;
  void setStatusText(const QString& text) override;
  void setLastingStatusText(const QString& text) override;
  platform::db::Database& workingDatabase() override;

  // Enables or disables a tab of MainTab without moving the current tab (so
  // no tab-switch handler runs by accident).
  void setMainTabEnabled(int tab, bool enabled);

  QString statusText() const;

  // Runs long work that yields to the event loop (a download, a project-file
  // replay) as a stretch during which Exit is remembered rather than done and
  // the COM port probe stays away from the ports; a remembered Exit closes
  // the window when the outermost stretch ends.
  void runLongWork(const std::function<void()>& work);

  // Before the working database is replaced: true while this program holds
  // its folder's claim, taking it now if start-up could not; otherwise the
  // user is told why the replacement is refused.
  bool holdProgramFolder();

  // Shared state, owned here and passed by reference.
  instrument::ProgramState& state() { return state_; }
  report::ReportFlags& reportFlags() { return reportFlags_; }
  report::CompanyInfo& companyInfo() { return companyInfo_; }
  report::StiffnessConstants& stiffnessConstants() { return Stiffness_Constants; }
  // The serial port wrapper, made by Init_Files and kept until the window
  // closes.
  download::Communication& Comm() { return *comm_; }
  bool hasComm() const { return comm_ != nullptr; }

  // Parts of the window.
  MainMenus& menus() { return *menus_; }
  DataTabPage& dataTab() { return *dataTab_; }
  // Tree selection, grids, chart, header edit, project files and layout.
  DataView& dataView() { return *dataView_; }
  report::ReportTabPage& reportTab() { return *reportTab_; }
  report::ReportPage& reportPage() { return *reportPage_; }
  report::ReportFonts& reportFonts() { return *reportFonts_; }
  ComPortStatus& comPortStatus() { return *comPortStatus_; }
  QTabWidget* MainTab = nullptr;
  QChartView* MSGraph = nullptr;
  platform::CommControl MSComm1;  // the window's COM port control
  QLineEdit* Text1 = nullptr;
  QTreeWidgetItem* Root_Node = nullptr;  // the last node Initialize_TAB0 added

 protected:
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildTabs();
  void buildStatusBar();
  // Reads the table list and model code, after the start-up housekeeping of
  // the working database (Init_Files). Says why the reader refused the file,
  // naming it; empty when it did not.
  QString loadTableList();
  void MainTab_Click(int tab);
  void Form_Activate();
  // Closes what the window holds when it closes (Shutdown.cpp).
  void Form_Unload();

  Options options_;
  instrument::ProgramState state_;
  report::ReportFlags reportFlags_;
  report::CompanyInfo companyInfo_;
  report::StiffnessConstants Stiffness_Constants;
  std::unique_ptr<download::Communication> comm_;

  std::unique_ptr<MainMenus> menus_;
  DataTabPage* dataTab_ = nullptr;
  report::ReportTabPage* reportTab_ = nullptr;
  std::unique_ptr<report::ReportPage> reportPage_;
  std::unique_ptr<report::ReportFonts> reportFonts_;
  ComPortStatus* comPortStatus_ = nullptr;
  std::unique_ptr<MenuCommands> commands_;
  std::unique_ptr<DataView> dataView_;
  QLabel* Status_Panel = nullptr;
  QString lastingStatus_;  // the last status a command reported, kept over an activation
  int previousTab_ = DataTab;
  bool previousDataPutBack_ = false;
  // A replacement the last run left unfinished could not be undone at start:
  // the working files are half built, and their table list is not read.
  bool unfinishedDataLeft_ = false;
};

}  // namespace mainwindow
