#include "report/page/ReportPage.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

#include "platform/core/IgnoreErrors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Functions.h"
#include "platform/ui/ReportViewer.h"
#include "report/page/CompanyInfoSave.h"
#include "report/page/ReportPageHost.h"
#include "report/page/ReportTabPage.h"
#include "report/page/ReportViewerCommands.h"

namespace report {
namespace {

constexpr int DataTab = 0;
constexpr int ReportTabIndex = 1;
constexpr int GraphTab = 2;

const QString StatusOk = QStringLiteral("Status: OK");
const QString StatusSettingUp = QStringLiteral("Status: Setting up report with selected data...");
const QString StatusReportReady =
    QStringLiteral("Status: OK, Left Click on preview window to see more options.");

void closeWindowNamed(const QString& name) {
  const QList<QWidget*> windows = QApplication::topLevelWidgets();
  for (QWidget* window : windows)
    if (window->objectName() == name) window->close();
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
      logo_({designers_, flags_, state_, &page,
             [this](int interval, bool busy) {
               refresh_.request(interval, busy ? ReportRefresh::Pointer::Hourglass : ReportRefresh::Pointer::Keep);
             }}),
      layout_({designers_, flags_, state_, logo_, &page, [this] { refresh_.request(ReportRefresh::ShortInterval); }}) {
  // Until the font re-flow joins, a loaded size is only remembered.
  layout_.setResizeReportFont([this](int fontSize) { flags_.Report_Font_Size = fontSize; });
  QObject::connect(page_.Save_Layout, &QPushButton::clicked, &refresh_, [this] { layout_.Save_Layout_Click(); });
  QObject::connect(page_.Load_Layout, &QPushButton::clicked, &refresh_, [this] { layout_.Load_Layout_Click(); });
}

ReportPage::~ReportPage() = default;

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
      if (host_.currentMainTab() != ReportTabIndex && platform::ui::Form_Loaded(name)) closeWindowNamed(name);
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
  host_.setStatusText(StatusSettingUp);
  platform::ignoringErrors([&] { host_.Fill_Data_Lists(); });
  if (state_.New_Data) {
    // The rebuild of the report designers, header and viewers goes here.
    for (QPushButton* button : {page_.Clear_Button, page_.Save_Layout, page_.Load_Layout, page_.Export})
      button->setVisible(true);
  }
  state_.New_Data = false;
  host_.setStatusText(StatusReportReady);
}

void ReportPage::Clear_Columns() {
  // The report designer's columns are reset here once the designer exists.
}

void ReportPage::Build_Report_Header() {
  // The header is filled from CInfo and the selected table here once the
  // designer exists.
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
