#include "report/page/compose/ReportViewerCommands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QThread>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <memory>

#include "../FakeReportPageHost.h"
#include "instrument/ProgramState.h"
#include "platform/report/ReportDefinitions.h"
#include "platform/ui/ReportViewer.h"
#include "report/page/ModifyReportMenu.h"
#include "report/page/ReportRefresh.h"
#include "report/page/ReportTabPage.h"

namespace report {
namespace {

// Lets the event loop run until the condition holds or a generous limit
// passes.
template <typename Condition>
bool waitFor(Condition condition) {
  QDeadlineTimer limit(5000);
  while (!condition() && !limit.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(1);
  }
  return condition();
}

// The "Modify Report" menu as the main window builds it.
struct MenuUnderTest {
  QMenu Logo{QStringLiteral("Modify Report")};
  QMenu Edit_text, LogoOptions, RF;
  QAction StiffyToggle{QString::fromLatin1(ViewReportB)};
  QAction CN, CI, Date, MN, PN, TB, TBD, Ins_Logo, LJ, LR, DLogo, SCons;
  QAction Font9, Font10, Font11, Font12;

  MenuUnderTest() {
    Logo.addAction(&StiffyToggle);
    Logo.addMenu(&Edit_text);
    for (QAction* item : {&CN, &CI, &Date, &MN, &PN, &TB, &TBD}) Edit_text.addAction(item);
  }

  ModifyReportMenu items() {
    return {&Logo, &StiffyToggle, &Edit_text, &CN, &CI, &Date, &MN, &PN, &TB, &TBD, &LogoOptions, &Ins_Logo,
            &LJ, &LR, &DLogo, &RF, {&Font9, &Font10, &Font11, &Font12}, &SCons};
  }
};

class ReportViewerCommandsTest : public ::testing::Test {
 protected:
  ReportViewerCommandsTest() {
    commands.setPopup([this](QMenu& popup) { popups.append(&popup); });
    page.CRViewer1[0]->setReportSource(report.get());
    page.CRViewer1[1]->setReportSource(stiffy.get());
  }

  platform::ReportClick clickAt(int y) const {
    platform::ReportClick click;
    click.twips = QPoint(100, y);
    return click;
  }

  testing::FakeReportPageHost host;
  ReportTabPage page;
  instrument::ProgramState state;
  MenuUnderTest menu;
  std::unique_ptr<platform::ReportDesigner> report = platform::ReportDefinitions::createReport();
  std::unique_ptr<platform::ReportDesigner> stiffy = platform::ReportDefinitions::createStiffyReport();
  ReportRefresh refresh{page.CRViewer1, state};
  ReportViewerCommands commands{host, page, menu.items(), refresh};
  QList<QMenu*> popups;
};

TEST_F(ReportViewerCommandsTest, AClickPopsTheMenuUpKeepsThePlaceAndLeavesTheClipboard) {
  QApplication::clipboard()->setText(QStringLiteral("the user's"));
  host.tab = 0;  // off the report tab a click does nothing
  commands.CRViewer1_Clicked(clickAt(300));
  EXPECT_TRUE(popups.isEmpty());
  host.tab = 1;
  commands.CRViewer1_Clicked(clickAt(700));
  ASSERT_EQ(popups.size(), 1);
  EXPECT_EQ(popups[0], &menu.Logo);
  EXPECT_EQ(commands.lastClick().twips.y(), 700);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("the user's"));
}

TEST_F(ReportViewerCommandsTest, TheStiffnessTabOffersNoProjectMachineOrTesterItems) {
  page.ReportTab->setCurrentIndex(1);
  commands.CRViewer1_Clicked(clickAt(10));
  EXPECT_FALSE(menu.PN.isVisible());
  EXPECT_FALSE(menu.MN.isVisible());
  EXPECT_FALSE(menu.TB.isVisible());
  EXPECT_TRUE(menu.CN.isVisible());
  page.ReportTab->setCurrentIndex(0);
  commands.CRViewer1_Clicked(clickAt(10));
  EXPECT_TRUE(menu.PN.isVisible() && menu.MN.isVisible() && menu.TB.isVisible());
}

TEST_F(ReportViewerCommandsTest, TwoTogglesBringTheFirstReportAndCaptionBack) {
  page.ReportTab->setCurrentIndex(1);
  commands.StiffyToggle_Click();
  EXPECT_EQ(menu.StiffyToggle.text(), QStringLiteral("View T7310 Report A"));
  EXPECT_TRUE(page.CRViewer1[1]->isHidden());
  EXPECT_FALSE(page.CRViewer1[0]->isHidden());
  EXPECT_TRUE(refresh.pending());
  EXPECT_EQ(refresh.interval(), ReportRefresh::ShortInterval);
  menu.StiffyToggle.trigger();
  EXPECT_EQ(menu.StiffyToggle.text(), QStringLiteral("View T7310 Report B"));
  EXPECT_FALSE(page.CRViewer1[1]->isHidden());
  EXPECT_TRUE(page.CRViewer1[0]->isHidden());

}

TEST_F(ReportViewerCommandsTest, TheRawDataTabAloneEnablesTheColumnLists) {
  page.ReportTab->setCurrentIndex(1);
  EXPECT_FALSE(page.List1->isEnabled());
  EXPECT_FALSE(page.List2->isEnabled());
  page.ReportTab->setCurrentIndex(0);
  EXPECT_TRUE(page.List1->isEnabled());
  EXPECT_TRUE(page.List2->isEnabled());
}

TEST_F(ReportViewerCommandsTest, RequestsMergeIntoOneRedrawAtTheLastInterval) {
  refresh.request(50, ReportRefresh::Pointer::Hourglass);
  refresh.request(ReportRefresh::RedrawInterval, ReportRefresh::Pointer::Hourglass);
  EXPECT_TRUE(refresh.pending());
  EXPECT_EQ(refresh.interval(), ReportRefresh::RedrawInterval);
  EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
  ASSERT_TRUE(waitFor([this] { return !refresh.pending(); }));
  // One busy pointer for both requests, and it is gone after the redraw.
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_GE(page.CRViewer1[0]->pageCount(), 1);
  EXPECT_EQ(page.CRViewer1[1]->pageCount(), 0);  // the stiffness report only for the stiffness gauge
  state.Model_Code = 3;
  refresh.Timer5_Timer();
  EXPECT_GE(page.CRViewer1[1]->pageCount(), 1);
}

// The items per model as a rebuilt report offers them.
TEST(ModifyReportMenuTest, ANewReportOffersTheItemsOfItsModel) {
  MenuUnderTest menu;
  const ModifyReportMenu items = menu.items();
  struct Expected {
    int model;
    bool MN, PN, TB, SCons, StiffyToggle;
  };
  menu.PN.setVisible(false);
  for (const Expected& e : {Expected{1, true, true, true, false, false}, Expected{0, false, false, false, false, false},
                            Expected{2, true, true, true, false, false}, Expected{3, false, true, false, true, true}}) {
    menu.StiffyToggle.setText(QString::fromLatin1(ViewReportA));
    menu.LJ.setEnabled(true);
    showItemsForNewReport(items, e.model);
    EXPECT_EQ(menu.MN.isVisible(), e.MN) << e.model;
    EXPECT_EQ(menu.PN.isVisible(), e.PN) << e.model;  // the stiffness gauge keeps it as it was
    EXPECT_EQ(menu.TB.isVisible(), e.TB) << e.model;
    EXPECT_EQ(menu.SCons.isVisible(), e.SCons) << e.model;
    EXPECT_EQ(menu.StiffyToggle.isVisible(), e.StiffyToggle) << e.model;
    EXPECT_EQ(menu.StiffyToggle.text(), QStringLiteral("View T7310 Report B"));
    EXPECT_FALSE(menu.LJ.isEnabled());
  }
}

}  // namespace
}  // namespace report
