#include "mainwindow/MainWindow.h"

#include <QChartView>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableView>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

#include "instrument/DBTablesFile.h"
#include "instrument/WorkingDatabaseBackup.h"
#include "download/PortProbe.h"
#include "mainwindow/window/ComPortStatus.h"
#include "mainwindow/dataview/DataItemLists.h"
#include "mainwindow/dataview/DataTabPage.h"
#include "mainwindow/dataview/DataView.h"
#include "mainwindow/window/MainMenus.h"
#include "mainwindow/window/MenuCommands.h"
#include "mainwindow/ProgramIcon.h"
#include "mainwindow/ProgramInfo.h"
#include "mainwindow/tree/ProjectTree.h"
#include "mainwindow/window/StartupFiles.h"
#include "platform/core/IgnoreErrors.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/ui/Dialogs.h"
#include "report/page/header/InfoFile.h"
#include "report/page/compose/ReportPage.h"
#include "report/page/ReportTabPage.h"
#include "report/page/settings/ReportFonts.h"

namespace mainwindow {
namespace {

const QString ViewData = QStringLiteral("View Data");
const QString ViewReport = QStringLiteral("View Report");
const QString ViewGraph = QStringLiteral("View Graph");
const QString StatusLoading = QStringLiteral("Status: Loading Application...");
const QString StatusOkStartup = QStringLiteral("Status: Ok");
const QString StatusOk = QStringLiteral("Status: OK");
const QString StatusDataPutBack =
    QStringLiteral("Status: The last download or project open did not finish; the data before it were put back.");
const QString StatusDataNotPutBack =
    QStringLiteral("Status: The last download or project open did not finish; the data before it are not back yet.");
const QString DataNotPutBack = QStringLiteral(
    "The last download or project open did not finish, and the data from before it could not be put back: %1.\n\n"
    "The data it left half built are not shown. %2");
const QString DatabaseReset = QStringLiteral("Database with no tables, reseting.");
const QString DatabaseKeptAside = QStringLiteral(
    "The table list named no tables, but the working database still held some. It was kept as \"%1\", and the "
    "program starts with an empty working database.");
const QString DatabaseNotMovedAside = QStringLiteral(
    "The table list named no tables, but the working database still held some. It could not be moved aside as "
    "\"%1\" with its log, so it was left as it is.");
constexpr int InitialWidth = 1000;
constexpr int InitialHeight = 720;

}  // namespace

MainWindow::MainWindow() : MainWindow(Options{}) {}

MainWindow::MainWindow(Options options) : options_(std::move(options)) {
  setObjectName(QStringLiteral("Main"));
  setWindowTitle(MainWindowTitle);
  resize(InitialWidth, InitialHeight);
  menus_ = std::make_unique<MainMenus>(*menuBar());
  buildTabs();
  buildStatusBar();
  QAction* fontActions[] = {menus_->Font[0], menus_->Font[1], menus_->Font[2], menus_->Font[3]};
  reportPage_ = std::make_unique<report::ReportPage>(*this, *reportTab_, state_, reportFlags_, companyInfo_,
                                                      Stiffness_Constants);
  reportFonts_ = std::make_unique<report::ReportFonts>(
      std::array<QAction*, 4>{fontActions[0], fontActions[1], fontActions[2], fontActions[3]}, *reportTab_->List2,
      [this](int fontSize) { return reportPage_->resizeReportFont(fontSize); });
  reportPage_->connectReportMenu(menus_->modifyReportMenu());
  reportPage_->output().exporting().setTableList([this] { return comm_ ? comm_->Tables_Created : QString(); });
  ComPortStatus::Probe probe = [this]() -> download::ProbeJob {
    if (options_.portProbe) return [fake = options_.portProbe](const std::atomic<bool>&) { return fake(); };
    return comm_ ? download::portProbeJob(*comm_) : download::ProbeJob();
  };
  comPortStatus_ = new ComPortStatus(menus_->COM_STAT, std::move(probe), state_.longWork, this);
  commands_ = std::make_unique<MenuCommands>(*this);
  reportPage_->output().setNoReportNotice([this] { commands_->reportNotBuilt(); });
  dataView_ = std::make_unique<DataView>(*this);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildTabs() {
  MainTab = new QTabWidget(this);
  MainTab->setObjectName(QStringLiteral("MainTab"));
  dataTab_ = new DataTabPage;
  reportTab_ = new report::ReportTabPage;
  // The chart sits on a page of its own, placed by the window layout.
  auto* graphPage = new QWidget;
  graphPage->setObjectName(QStringLiteral("GraphPage"));
  MSGraph = new QChartView(graphPage);
  MSGraph->setObjectName(QStringLiteral("MSGraph"));
  MainTab->addTab(dataTab_, QString());
  MainTab->addTab(reportTab_, QString());
  MainTab->addTab(graphPage, QString());
  Text1 = new QLineEdit(this);
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->hide();
  setCentralWidget(MainTab);
  connect(MainTab, &QTabWidget::currentChanged, this, &MainWindow::MainTab_Click);
}

void MainWindow::buildStatusBar() {
  Status_Panel = new QLabel(this);
  Status_Panel->setObjectName(QStringLiteral("Status_Panel"));
  statusBar()->setObjectName(QStringLiteral("StatusBar1"));
}

void MainWindow::Form_Load() {
  // The single status panel, as wide as its text.
  statusBar()->addWidget(Status_Panel);
  setStatusText(StatusLoading);
  Init_Tabs();
  Init_Files();
  Fill_Data_Lists();
  Check_Com_Ports();
  Init_Window();
  Initialize_TAB0();
}

void MainWindow::Init_Tabs() {
  const QSignalBlocker quiet(MainTab);
  setMainTabEnabled(GraphTab, false);
  MainTab->setTabText(GraphTab, ViewGraph);
  MainTab->setTabText(ReportTab, ViewReport);
  MainTab->setTabText(DataTab, ViewData);
  MainTab->setCurrentIndex(DataTab);
  reportTab_->ReportTab->setCurrentIndex(0);
  setMainTabEnabled(ReportTab, false);
  previousTab_ = MainTab->currentIndex();
}

void MainWindow::Init_Files() {
  state_.Last_Path = platform::ProgramFolder::root();
  platform::ignoringErrors([&] { setWindowIcon(programIcon()); });
  report::Info_File(report::InfoFileLoad, companyInfo_, state_.Download_Title);
  // Before anything reads the working files: a replacement the last run left
  // unfinished is undone.
  const instrument::WorkingDatabaseBackup::Recovery recovery = instrument::WorkingDatabaseBackup::recoverInterrupted();
  previousDataPutBack_ = recovery.outcome == instrument::WorkingDatabaseBackup::Recovery::PutBack;
  unfinishedDataLeft_ = recovery.outcome == instrument::WorkingDatabaseBackup::Recovery::NotPutBack;
  comm_ = std::make_unique<download::Communication>(&state_.Download_Status);
  comm_->setComm_Object(&MSComm1);
  QString tableListRefusal;
  if (unfinishedDataLeft_) {
    // The table list and the database do not belong together: neither is
    // shown, and both stay as they are for the next start to put back.
    platform::ui::Dialogs::inform(this, DataNotPutBack.arg(recovery.reason, recovery.remedy), ProgramTitle);
  } else {
    tableListRefusal = loadTableList();
  }
  // Their readers refused them and went on with the defaults.
  for (const QString& refused : refusedStartupFiles(companyInfo_.fileRefusal, tableListRefusal))
    platform::ui::Dialogs::inform(this, refused, ProgramTitle);
  // The help key opens the help file, or says that there is none.
  auto* helpKey = new QShortcut(QKeySequence::HelpContents, this);
  connect(helpKey, &QShortcut::activated, menus_->Contents, &QAction::trigger);
}

QString MainWindow::loadTableList() {
  removeStaleTableList();
  const instrument::TableListRead read = instrument::readTableList(state_.Model_Code);
  comm_->Tables_Created = read.list;
  if (!read.misfit.isEmpty()) platform::ui::Dialogs::inform(this, read.misfit, ProgramTitle);
  const EmptyDatabaseReset reset = resetEmptyDatabase(read);
  if (!reset.notMovedTo.isEmpty()) {
    platform::ui::Dialogs::inform(this, DatabaseNotMovedAside.arg(QDir::toNativeSeparators(reset.notMovedTo)),
                                  ProgramTitle);
  } else if (!reset.keptAs.isEmpty()) {
    platform::ui::Dialogs::inform(this, DatabaseKeptAside.arg(QDir::toNativeSeparators(reset.keptAs)), ProgramTitle);
  } else if (reset.done) {
    platform::ui::Dialogs::inform(this, DatabaseReset, ProgramTitle);
  }
  return read.refusal;
}

void MainWindow::Fill_Data_Lists() {
  mainwindow::Fill_Data_Lists(*reportTab_->List1, *reportTab_->List2, state_.Model_Code);
}

void MainWindow::Check_Com_Ports() { comPortStatus_->Check_Com_Ports(); }

void MainWindow::Init_Window() {
  reportTab_->Clear_Button->hide();
  reportTab_->Save_Layout->hide();
  reportTab_->Load_Layout->show();
  Text1->hide();
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
  menus_->Logo->menuAction()->setVisible(false);
  state_.New_Data = true;
  reportFlags_.Constants_Changed = false;
  for (QTableView* grid : {dataTab_->DataGrid1, dataTab_->DataGrid2}) grid->setAlternatingRowColors(true);
  setStatusText(unfinishedDataLeft_    ? StatusDataNotPutBack
                : previousDataPutBack_ ? StatusDataPutBack
                                       : StatusOkStartup);
}

void MainWindow::Initialize_TAB0() {
  dataTab_->setCaptions();
  if (comm_ && comm_->Tables_Created.isEmpty() && !unfinishedDataLeft_)
    comm_->Tables_Created =
        instrument::DBTables_File(instrument::DBTablesMode::Read, QString(), state_.Model_Code);
  const QString tableList = comm_ ? comm_->Tables_Created : QString();
  Root_Node = showProjectTree(*dataTab_->TreeView1,
                              buildProjectTree(tableList, state_.Download_Title, state_.Model_Code));
  for (QTableView* grid : {dataTab_->DataGrid1, dataTab_->DataGrid2}) grid->viewport()->update();
  // The tree's width follows its texts.
  Form_Resize();
}

int MainWindow::currentMainTab() const { return MainTab->currentIndex(); }

void MainWindow::enableWindowMenus(bool enabled) { menus_->enableWindowMenus(enabled); }

void MainWindow::setStatusText(const QString& text) {
  Status_Panel->setText(text);
  // The window's edge may cut a long line: its tooltip shows it whole.
  Status_Panel->setToolTip(text);
}

void MainWindow::setLastingStatusText(const QString& text) {
  lastingStatus_ = text;
  setStatusText(text);
}

platform::db::Database& MainWindow::workingDatabase() { return dataView_->view().DB_Connection; }

QString MainWindow::statusText() const { return Status_Panel->text(); }

void MainWindow::setMainTabEnabled(int tab, bool enabled) {
  const int current = MainTab->currentIndex();
  {
    const QSignalBlocker quietTabs(MainTab);
    const QSignalBlocker quietBar(MainTab->tabBar());
    MainTab->setTabEnabled(tab, enabled);
    if (MainTab->currentIndex() != current) MainTab->setCurrentIndex(current);
  }
}

void MainWindow::runLongWork(const std::function<void()>& work) {
  {
    const instrument::LongWorkScope scope(state_.longWork);
    platform::ignoringErrors(work);
  }
  if (state_.longWork.running() || !state_.longWork.closeRequested) return;
  state_.longWork.closeRequested = false;
  close();
}

bool MainWindow::holdProgramFolder() {
  return options_.programFolder == nullptr || mainwindow::holdProgramFolder(*options_.programFolder, this);
}

void MainWindow::MainTab_Click(int tab) {
  const int previous = previousTab_;
  previousTab_ = tab;
  reportPage_->MainTab_Click(previous);
}

void MainWindow::Form_Activate() {
  // The notice that the previous data came back stays until the status next
  // changes: the activation that follows the start would hide it at once.
  if (statusText() == StatusDataPutBack || statusText() == StatusDataNotPutBack) return;
  // So does what a command reported: closing its dialog activates the window.
  if (!lastingStatus_.isEmpty() && statusText() == lastingStatus_) return;
  setStatusText(StatusOk);
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  Form_Resize();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (state_.longWork.running()) {
    // Closed when the running work ends.
    state_.longWork.closeRequested = true;
    event->ignore();
    return;
  }
  Form_Unload();
  event->accept();
}

}  // namespace mainwindow
