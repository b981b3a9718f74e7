#include "report/page/compose/ReportPage.h"

#include <QAction>
#include <QListWidget>
#include <QTabWidget>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

#include "platform/core/IgnoreErrors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Functions.h"
#include "platform/ui/ReportViewer.h"
#include "report/page/header/CompanyInfoSave.h"
#include "report/builder/ColumnPlacement.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/ReportBuilderContext.h"
#include "report/builder/ReadNumberColumn.h"
#include "report/builder/ReportHeader.h"
#include "report/builder/StiffyReportFiller.h"
#include "instrument/RunTables.h"
#include "report/builder/ColumnList.h"
#include "report/page/BusyPointer.h"
#include "report/page/settings/ColumnLayoutCommands.h"
#include "report/page/ReportClear.h"
#include "report/page/settings/FontChangeNotice.h"
#include "report/page/settings/ReportFonts.h"
#include "report/page/compose/ReportPageSetUp.h"
#include "report/page/ReportPageHost.h"
#include "report/page/ReportTabPage.h"
#include "report/page/compose/ReportViewerCommands.h"

namespace report {
namespace {

constexpr int DataTab = 0;
constexpr int ReportTabIndex = 1;
constexpr int GraphTab = 2;

const QString StatusOk = QStringLiteral("Status: OK");
const QString StatusSettingUp = QStringLiteral("Status: Setting up report with selected data...");
const QString StatusReportReady =
    QStringLiteral("Status: OK, Left Click on preview window to see more options.");
const QString LoadFailed = QStringLiteral("Error Loading Report.");
const QString StatusLoadFailed = QStringLiteral("Status: Error loading report. Code: RETRY1");
constexpr int RawDataTab = 0;
constexpr int StiffnessDataTab = 1;
constexpr int ViewerZoom = 75;
constexpr int CleanFontSize = 9;

// Closes the page's own windows of that name: the dialogs it opens are owned
// by its window, and a window of that name owned by another is none of its.
void closeWindowNamed(QWidget& owner, const QString& name) {
  const QList<QWidget*> windows = owner.findChildren<QWidget*>(name);
  for (QWidget* window : windows)
    if (window->isWindow()) window->close();
}

}  // namespace

ReportPage::ReportPage(ReportPageHost& host, ReportTabPage& page, instrument::ProgramState& state,
                       ReportFlags& flags, CompanyInfo& info, StiffnessConstants& constants)
    : host_(host),
      page_(page),
      state_(state),
      flags_(flags),
      info_(info),
      constants_(constants),
      refresh_(page.CRViewer1, state),
      constantsCommands_(host, page, state, flags, constants),
      popOut_(host, page),
      headerTexts_(std::make_unique<HeaderTextCommands>(HeaderTextContext{designers_, info_, flags_, host_}, &page)),
      chooser_(context()),
      logo_({designers_, flags_, state_, &page,
             [this](int interval, bool busy) {
               refresh_.request(interval, busy ? ReportRefresh::Pointer::Hourglass : ReportRefresh::Pointer::Keep);
             }}),
      layout_({designers_, flags_, state_, logo_, &page, [this] { refresh_.request(ReportRefresh::ShortInterval); }}) {
  QObject::connect(page_.List1, &QListWidget::itemClicked, page_.List1,
                   [this] { platform::ignoringErrors([this] { List1_Click(); }); });
  QObject::connect(page_.Clear_Button, &QPushButton::clicked, page_.Clear_Button, [this] { Clear_Button_Click(); });
  constantsCommands_.setRebuildStiffnessReport([this] { refillStiffyReport(); });
  // A size a header layout brings is the size the font menu marks.
  layout_.setResizeReportFont([this](int fontSize) {
    resizeReportFont(fontSize);
    ReportFonts(menu_.Font, *page_.List2, {}).markCurrent(flags_.Report_Font_Size);
  });
  layout_.setColumnLayoutFile(columnLayoutFileOf(context(), chooser_, &page));
  output_.exporting().setFilesWrittenNotice([this](const QString& text) { host_.setLastingStatusText(text); });
  QObject::connect(page_.Save_Layout, &QPushButton::clicked, &refresh_, [this] { layout_.Save_Layout_Click(); });
  QObject::connect(page_.Load_Layout, &QPushButton::clicked, &refresh_, [this] { layout_.Load_Layout_Click(); });
}

ReportPageContext ReportPage::context() {
  return {host_, page_, state_, flags_, info_, constants_, designers_, refresh_};
}

ReportPage::~ReportPage() = default;

// The column list follows the re-flow; the callers ask for the redraw.
ReflowResult ReportPage::resizeReportFont(int fontSize) {
  ReflowResult result;
  platform::ignoringErrors([&] {
    result = Resize_Report_Font({designers_, flags_, &host_.workingDatabase()}, fontSize, state_.Model_Code,
                                state_.Table_Name);
  });
  if (result.reflowed) fillColumnList(*page_.List2, result.columnList);
  // Columns and remarks the new size has no room for are named, never lost in silence.
  QString notice;
  platform::ignoringErrors([&] {
    if (designers_.Report) notice = fontChangeNotice(*designers_.Report, result, flags_.Report_Font_Size);
  });
  if (!notice.isEmpty()) platform::ui::Dialogs::inform(&page_, notice);
  return result;
}

void ReportPage::connectReportMenu(const ModifyReportMenu& menu) {
  menu_ = menu;
  viewerCommands_ = std::make_unique<ReportViewerCommands>(host_, page_, menu_, refresh_);
  // The header-text items act at the row and report of the click that opened the menu.
  for (platform::ReportViewer* viewer : page_.CRViewer1)
    QObject::connect(viewer, &platform::ReportViewer::clicked, headerTexts_.get(),
                     [this](const platform::ReportClick& click) { headerTexts_->rememberClick(click); });
  QObject::connect(headerTexts_.get(), &HeaderTextCommands::refreshViewers, &refresh_,
                   [this] { refresh_.request(ReportRefresh::ShortInterval); });
  if (menu_.SCons != nullptr)
    QObject::connect(menu_.SCons, &QAction::triggered, &constantsCommands_,
                     [this] { constantsCommands_.SCons_Click(); });
  logo_.connectMenu(menu_);
  for (QAction* font : menu_.Font) {
    if (font == nullptr) continue;
    QObject::connect(font, &QAction::triggered, &refresh_, [this] {
      refresh_.request(ReportRefresh::RedrawInterval, ReportRefresh::Pointer::Hourglass);
    });
  }
}

void ReportPage::resetReportMenu() {
  showItemsForNewReport(menu_, state_.Model_Code);
  if (viewerCommands_) viewerCommands_->resetStiffyToggle();
}

const QStringList& ReportPage::reportDialogNames() {
  static const QStringList names{QStringLiteral("ReportEdit"), QStringLiteral("Add_Info"),
                                 QStringLiteral("StiffnessCons"), QStringLiteral("ExportForm")};
  return names;
}

void ReportPage::MainTab_Click(int /*previousTab*/) {
  for (const QString& name : reportDialogNames()) {
    platform::ignoringErrors([&] {
      if (host_.currentMainTab() != ReportTabIndex && platform::ui::Form_Loaded(name))
        closeWindowNamed(*page_.window(), name);
    });
  }
  platform::ignoringErrors([&] { host_.enableWindowMenus(true); });
  platform::ignoringErrors([&] { host_.Form_Resize(); });
  switch (host_.currentMainTab()) {
    case DataTab:
      platform::ignoringErrors([&] { host_.Initialize_TAB0(); });
      host_.setStatusText(StatusOk);
      break;
    case GraphTab:
      host_.setStatusText(StatusOk);
      break;
    case ReportTabIndex:
      setUpReportPage();
      break;
    default:
      break;
  }
}

void ReportPage::setUpReportPage() {
  const BusyPointer busy;
  host_.setStatusText(StatusSettingUp);
  platform::ignoringErrors([&] { host_.Fill_Data_Lists(); });
  offerFittingColumns();
  setPageCaptions(page_, state_.Model_Code);
  if (state_.Model_Code == ModelCode::T7310 && menu_.StiffyToggle != nullptr) menu_.StiffyToggle->setVisible(true);
  // A report that could not be shown is rebuilt at the next entry.
  if (state_.New_Data && !rebuildReport()) return reportLoadFailure();
  followEditedData();
  if (state_.Model_Code != ModelCode::T7310) {
    page_.List2->setCurrentRow(0);
    page_.List2->setFocus();
  }
  refresh_.request(ReportRefresh::ShortInterval);
  state_.New_Data = false;
  chooser_.restartAdvance();
  host_.setStatusText(StatusReportReady);
}

bool ReportPage::rebuildReport() {
  // The new report reads the table as it is stored now.
  state_.Data_Edited = false;
  startCleanReport(flags_);
  resetFontsAndMenus();
  for (QPushButton* button : {page_.Clear_Button, page_.Save_Layout, page_.Load_Layout, page_.Export})
    button->setVisible(true);
  designers_.recreate();
  applyPageVariant(designers_, state_.Model_Code);
  if (state_.Model_Code == ModelCode::T7310)
    platform::ignoringErrors([&] { constantsCommands_.StiffCons_File(StiffConsLoad); });
  enableRawDataTab();
  if (!state_.Table_Name.isEmpty())
    platform::ignoringErrors([&] { Build_Report_Header(host_.workingDatabase()); });
  selectReportTab();
  // The tab chosen decides which viewer the reset toggle shows.
  resetReportMenu();
  return showReport();
}

void ReportPage::resetFontsAndMenus() {
  ReportFonts(menu_.Font, *page_.List2, {}).markCurrent(CleanFontSize);
  offerFittingColumns();
}

// The shared table of the later stiffness runs holds run headers only: it has
// no raw data to show.
void ReportPage::enableRawDataTab() { page_.ReportTab->setTabEnabled(RawDataTab, !laterRunsShown()); }

bool ReportPage::laterRunsShown() {
  bool laterRuns = false;
  if (state_.Model_Code == ModelCode::T7310)
    platform::ignoringErrors(
        [&] { laterRuns = instrument::isHeaderOnlyRunTable(host_.workingDatabase(), state_.Table_Name); });
  return laterRuns;
}

void ReportPage::selectReportTab() {
  QTabWidget& tabs = *page_.ReportTab;
  tabs.setCurrentIndex(StiffnessDataTab);
  if (state_.Model_Code == ModelCode::T7310) {
    tabs.setTabEnabled(StiffnessDataTab, true);
  } else {
    tabs.setTabEnabled(StiffnessDataTab, false);
    tabs.setCurrentIndex(RawDataTab);
    tabs.setTabEnabled(RawDataTab, true);
  }
  if (viewerCommands_) viewerCommands_->ReportTab_Click();
}

bool ReportPage::showReport() {
  auto& viewers = page_.CRViewer1;
  const bool stiffness = state_.Model_Code == ModelCode::T7310;
  if (stiffness) viewers[StiffnessDataTab]->setReportSource(designers_.StiffyReport.get());
  viewers[RawDataTab]->setReportSource(designers_.Report.get());
  flags_.Used_Columns = 1;
  const bool selected = !context().nothingSelected();
  page_.Export->setEnabled(selected);
  if (selected) fillReadNumberColumn();
  page_.What_report->setText(projectCaption(state_, laterRunsShown()));
  bool shown = true;
  for (platform::ReportViewer* viewer : {viewers[StiffnessDataTab], viewers[RawDataTab]}) {
    if (viewer == viewers[StiffnessDataTab] && !stiffness) continue;
    shown = viewer->viewReport() && shown;
    viewer->setZoom(ViewerZoom);
  }
  return shown;
}

// The column list offers the columns that fit the report at its font size.
void ReportPage::offerFittingColumns() {
  const int fitting = fittingColumnEntries(flags_.Report_Font_Size, state_.Model_Code);
  if (page_.List2->count() == fitting) return;
  page_.List2->clear();
  page_.List2->addItems(columnListEntries(fitting));
}

void ReportPage::reportLoadFailure() {
  platform::ui::Dialogs::inform(nullptr, LoadFailed);
  host_.setStatusText(StatusLoadFailed);
}

void ReportPage::fillReadNumberColumn() {
  platform::ignoringErrors([&] {
    ReportBuilderContext builder = context().builder();
    Fill_RD_Column(builder, state_.Table_Name, context().sampleType(), state_.Model_Code);
  });
}

void ReportPage::refillStiffyReport() {
  if (state_.Model_Code != ModelCode::T7310 || state_.Table_Name.isEmpty()) return;
  platform::ignoringErrors([&] {
    Fill_Stiffy_Report(*designers_.StiffyReport, host_.workingDatabase(), state_.Table_Name, constants_);
  });
}

void ReportPage::followEditedData() {
  if (!state_.Data_Edited || !designers_.Report || context().nothingSelected()) return;
  state_.Data_Edited = false;
  const QString sampleType = context().sampleType();
  platform::ignoringErrors([&] {
    ReportBuilderContext builder = context().builder();
    Write_Header_Values(builder, state_.Table_Name, sampleType, state_.Model_Code);
    Fill_RD_Column(builder, state_.Table_Name, sampleType, state_.Model_Code);
    Refill_Placed_Columns(builder, state_.Table_Name, sampleType, state_.Model_Code);
  });
  refresh_.request(ReportRefresh::ShortInterval);
}

void ReportPage::Clear_Button_Click() {
  ReportPageContext shared = context();
  platform::ignoringErrors([&] { report::Clear_Button_Click(shared, chooser_); });
}

void ReportPage::Clear_Columns() { report::Clear_Columns(*designers_.Report); }

void ReportPage::Build_Report_Header(platform::db::Database& db) {
  ReportBuilderContext context{designers_, db, flags_, info_, constants_};
  const QString sampleType = state_.Test_Name.left(1);
  report::Build_Report_Header(context, state_.Table_Name, sampleType, state_.Model_Code);
}

void ReportPage::Information_Click(QWidget* owner) {
  if (!infoForm_) {
    infoForm_ = new InfoForm(info_, state_.Download_Title, designers_, flags_, owner);
    QObject::connect(infoForm_, &InfoForm::refreshViewers, &refresh_,
                     [this] { refresh_.request(ReportRefresh::ShortInterval); });
  }
  infoForm_->showInformation();
}

void ReportPage::Update_Report_Info(QWidget* owner) {
  saveCompanyInfo(owner, info_, state_.Download_Title, designers_, flags_);
}

}  // namespace report
