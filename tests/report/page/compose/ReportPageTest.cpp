#include "report/page/compose/ReportPage.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/core/ProgramFiles.h"
#include "platform/db/Database.h"
#include "platform/ui/ScriptedDialogs.h"
#include "report/page/ReportPageHost.h"
#include "report/page/ReportTabPage.h"
#include "support/FileSizeLimit.h"
#include "support/TempProgramFolder.h"

namespace report {
namespace {

class FakeHost : public ReportPageHost {
 public:
  int tab = 0;
  QStringList calls;
  QString status;

  int currentMainTab() const override { return tab; }
  void enableWindowMenus(bool enabled) override { calls.append(enabled ? "menus on" : "menus off"); }
  void Form_Resize() override { calls.append("resize"); }
  void Initialize_TAB0() override { calls.append("tree"); }
  void Fill_Data_Lists() override { calls.append("lists"); }
  void setStatusText(const QString& text) override { status = text; }
  platform::db::Database& workingDatabase() override { return db; }
  platform::db::Database db;
};

class ReportPageTest : public ::testing::Test {
 protected:
  testsupport::TempProgramFolder folder;
  platform::ui::ScriptedDialogs dialogs;
  platform::ui::ScopedDialogSeam seam{dialogs};
  FakeHost host;
  ReportTabPage tabPage;
  instrument::ProgramState state;
  ReportFlags flags;
  CompanyInfo info;
  StiffnessConstants constants;
  ReportPage page{host, tabPage, state, flags, info, constants};
};

TEST_F(ReportPageTest, DataTabRebuildsTheTree) {
  host.tab = 0;
  page.MainTab_Click(1);
  EXPECT_EQ(host.calls, (QStringList{"menus on", "resize", "tree"}));
  EXPECT_EQ(host.status, QStringLiteral("Status: OK"));
}

TEST_F(ReportPageTest, GraphTabOnlyReLaysOut) {
  host.tab = 2;
  page.MainTab_Click(0);
  EXPECT_EQ(host.calls, (QStringList{"menus on", "resize"}));
  EXPECT_EQ(host.status, QStringLiteral("Status: OK"));
}

TEST_F(ReportPageTest, ReportTabSetsUpThePageOnceForNewData) {
  state.New_Data = true;
  tabPage.Clear_Button->hide();
  host.tab = 1;
  page.MainTab_Click(0);
  EXPECT_EQ(host.calls, (QStringList{"menus on", "resize", "lists"}));
  EXPECT_FALSE(state.New_Data);
  EXPECT_FALSE(tabPage.Clear_Button->isHidden());
  EXPECT_EQ(host.status, QStringLiteral("Status: OK, Left Click on preview window to see more options."));
}

TEST_F(ReportPageTest, LeavingTheReportTabClosesTheReportDialogsItOwns) {
  const auto ownedWindow = [this](const char* name) {
    QPointer<QWidget> window = new QWidget(tabPage.window(), Qt::Dialog);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setObjectName(QLatin1String(name));
    window->show();
    return window;
  };
  QPointer<QWidget> dialog = ownedWindow("Add_Info");
  QPointer<QWidget> other = ownedWindow("InfoForm");
  // A window of the same name that another owner left behind is not the
  // page's to close.
  QWidget stranger;
  stranger.setObjectName(QStringLiteral("Add_Info"));
  stranger.show();
  host.tab = 2;
  page.MainTab_Click(1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(dialog.isNull());
  ASSERT_FALSE(other.isNull());
  EXPECT_TRUE(other->isVisible());
  EXPECT_TRUE(stranger.isVisible());
  delete other;
}

TEST_F(ReportPageTest, UpdateReportInfoSavesAndClearsTheFlag) {
  flags.Info_Changed = true;
  info.CInfo[CompanyName] = QStringLiteral("Acme");
  state.Download_Title = QStringLiteral("Tests (a.txt)");
  page.Update_Report_Info(nullptr);
  EXPECT_FALSE(flags.Info_Changed);
  EXPECT_TRUE(QFile::exists(folder.path(platform::ProgramFiles::CompanyInfo)));
  EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("Information Saved.")});
}

TEST_F(ReportPageTest, UpdateReportInfoThatCannotWriteKeepsTheInformationUnsaved) {
  ASSERT_TRUE(QDir(folder.path(QStringLiteral("info"))).removeRecursively());
  info.CInfo[CompanyName] = QStringLiteral("Acme Soils");
  info.CInfo[ProjectName] = QStringLiteral("Empty");
  flags.Info_Changed = true;
  page.Update_Report_Info(nullptr);
  EXPECT_TRUE(flags.Info_Changed);
  EXPECT_EQ(dialogs.messageTexts().size(), 1);
  EXPECT_NE(dialogs.messageTexts().value(0), QStringLiteral("Information Saved."));
  EXPECT_EQ(page.designers().Report->member(QStringLiteral("Company")).text(), QStringLiteral("Acme Soils"));
  EXPECT_EQ(page.designers().Report->member(QStringLiteral("ProjNameText")).text(),
            platform::ReportDefinitions::createReport()->member(QStringLiteral("ProjNameText")).text());
}

TEST_F(ReportPageTest, UpdateReportInfoOnAFullDiskSaysSoAndKeepsTheFlag) {
  flags.Info_Changed = true;
  {
    const testsupport::FileSizeLimit full(0);
    page.Update_Report_Info(nullptr);
  }
  EXPECT_TRUE(flags.Info_Changed);
  EXPECT_FALSE(QFile::exists(folder.path(platform::ProgramFiles::CompanyInfo)));
  ASSERT_EQ(dialogs.messageTexts().size(), 1);
  EXPECT_NE(dialogs.messageTexts().first(), QStringLiteral("Information Saved."));
}

}  // namespace
}  // namespace report

namespace report {
namespace {

TEST_F(ReportPageTest, LayoutButtonsAndLogoItemsReachTheirCommands) {
  QAction insert, left, right, remove;
  ModifyReportMenu menu;
  menu.Ins_Logo = &insert;
  menu.LJ = &left;
  menu.LR = &right;
  menu.DLogo = &remove;
  page.connectReportMenu(menu);
  page.resetReportMenu();
  dialogs.files.enqueue(folder.path(QStringLiteral("images/missing.bmp")));
  insert.trigger();
  EXPECT_EQ(dialogs.fileRequests.size(), 1);

  flags.Report_Font_Size = 12;
  tabPage.Save_Layout->click();
  EXPECT_EQ(dialogs.messageTexts().last(), QStringLiteral("Layout Saved."));
  EXPECT_TRUE(QFile::exists(folder.path(platform::ProgramFiles::HeaderLayoutLoadFrame)));
  flags.Report_Font_Size = 9;
  tabPage.Load_Layout->click();
  EXPECT_EQ(flags.Report_Font_Size, 12);  // until the re-flow joins, the size is only stored
}

}  // namespace
}  // namespace report
