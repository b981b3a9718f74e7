#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <memory>

#include "mainwindow/window/MainMenus.h"
#include "mainwindow/MainWindow.h"
#include "platform/ui/Functions.h"
#include "platform/ui/ScriptedDialogs.h"
#include "report/builder/RemarkInsertion.h"
#include "report/page/compose/ReportPage.h"
#include "report/page/ReportTabPage.h"
#include "support/TempProgramFolder.h"

namespace mainwindow {
namespace {

// The report page's pop-up commands and pop-out as the main window wires them.
class ReportMenuWiringTest : public ::testing::Test {
 protected:
  ReportMenuWiringTest() {
    MainWindow::Options options;
    options.portProbe = [] { return QStringLiteral("xxxx"); };
    window = std::make_unique<MainWindow>(options);
    window->Form_Load();
    window->setMainTabEnabled(ReportTab, true);
    window->MainTab->setCurrentIndex(ReportTab);
  }

  void doubleClickPanel() {
    QWidget* panel = window->reportTab().Picture1;
    QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(2, 2), panel->mapToGlobal(QPointF(2, 2)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(panel, &event);
  }

  static bool loaded(const char* name) { return platform::ui::Form_Loaded(QLatin1String(name)); }

  testsupport::TempProgramFolder folder;
  platform::ui::ScriptedDialogs dialogs;
  platform::ui::ScopedDialogSeam seam{dialogs};
  std::unique_ptr<MainWindow> window;
};

TEST_F(ReportMenuWiringTest, TheConstantsCommandOpensTheEditorUntilTheReportTabIsLeft) {
  window->menus().SCons->trigger();
  EXPECT_TRUE(loaded("StiffnessCons"));
  EXPECT_FALSE(window->menus().ImportWizard->isEnabled());
  EXPECT_TRUE(window->reportPage().stiffnessConstants().textChangedArmed());
  window->MainTab->setCurrentIndex(DataTab);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(loaded("StiffnessCons"));
  EXPECT_TRUE(window->menus().ImportWizard->isEnabled());
}

TEST_F(ReportMenuWiringTest, LeavingTheReportTabBringsThePoppedOutPanelHome) {
  doubleClickPanel();
  EXPECT_TRUE(loaded("ReportEdit"));
  EXPECT_NE(window->reportTab().Picture1->window(), window.get());
  window->MainTab->setCurrentIndex(DataTab);
  EXPECT_EQ(window->reportTab().Picture1->parentWidget(), &window->reportTab());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(loaded("ReportEdit"));
}

TEST_F(ReportMenuWiringTest, AFontCommandAsksForOneRedraw) {
  window->menus().Font[3]->trigger();
  EXPECT_TRUE(window->reportPage().refresh().pending());
  EXPECT_EQ(window->reportPage().refresh().interval(), report::ReportRefresh::RedrawInterval);
}

// The remark cases themselves run on the report page; here only that the
// item reaches the remark command: with no reading clicked it says so.
TEST_F(ReportMenuWiringTest, AddRemarkReachesTheRemarkCommand) {
  window->menus().Remarks->trigger();
  EXPECT_EQ(dialogs.messageTexts(), QStringList{report::RemarkNeedsReading});
  EXPECT_FALSE(loaded("ReportEdit"));
}

}  // namespace
}  // namespace mainwindow
