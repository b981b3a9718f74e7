#include "mainwindow/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <memory>

#include "download/ComSummary.h"
#include "mainwindow/window/AboutBox.h"
#include "report/page/header/HeaderTextEditor.h"
#include "report/page/header/InfoForm.h"
#include "mainwindow/window/ComPortStatus.h"
#include "mainwindow/dataview/DataTabPage.h"
#include "mainwindow/window/MainMenus.h"
#include "mainwindow/tree/ProjectTree.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/SettingsFile.h"
#include "platform/db/Database.h"
#include "platform/ui/ScriptedDialogs.h"
#include "report/page/ReportTabPage.h"
#include "support/TempProgramFolder.h"
#include "PortProbeWait.h"

namespace mainwindow {
namespace {

const QString DatabaseReset = QStringLiteral("Database with no tables, reseting.");

class MainWindowTest : public ::testing::Test {
 protected:
  void writeFile(const QString& relative, const QByteArray& bytes) const {
    QFile file(folder.path(relative));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  void writeDatabase() const { writeFile(platform::ProgramFiles::Database, "stand-in database"); }
  void writeTableList(int model, const QByteArray& list) const {
    writeFile(platform::ProgramFiles::TableList, QByteArray::number(model) + "\r\n\"" + list + "\"\r\n");
  }
  bool exists(const QString& relative) const { return QFile::exists(folder.path(relative)); }
  // What an open killed part-way leaves: the copies, the mark, a half-built
  // database with its new table list.
  void writeUnfinishedOpen() const {
    writeFile(platform::ProgramFiles::DatabaseBackup, "previous database");
    writeFile(platform::ProgramFiles::TableListBackup, "1\r\n\"P1 \"\r\n");
    writeFile(platform::ProgramFiles::ReplacementMark, "1 1\r\n");
    writeFile(platform::ProgramFiles::Database, "half-built database");
    writeTableList(1, "P1 ");
  }

  MainWindow& start() {
    MainWindow::Options options;
    options.portProbe = [this] {
      ++probes;
      return portStates;
    };
    window = std::make_unique<MainWindow>(options);
    window->Form_Load();
    waitForPortProbe(window->comPortStatus());
    return *window;
  }

  QTreeWidgetItem* root() const { return window->dataTab().TreeView1->topLevelItem(0); }
  QAction* action(const char* name) const { return window->findChild<QAction*>(QLatin1String(name)); }

  testsupport::TempProgramFolder folder;
  platform::ui::ScriptedDialogs dialogs;
  platform::ui::ScopedDialogSeam seam{dialogs};
  QString portStates = QStringLiteral("1mox");
  int probes = 0;
  std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, FirstStartWithoutFiles) {
  MainWindow& main = start();
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(main.Comm().Tables_Created, QString());
  EXPECT_EQ(main.state().Model_Code, 0);
  EXPECT_EQ(main.dataTab().TreeView1->topLevelItemCount(), 1);
  EXPECT_EQ(root()->text(0), QStringLiteral("Tests"));
  EXPECT_EQ(root()->childCount(), 0);
  EXPECT_EQ(main.windowTitle(), QStringLiteral("Quorvane Infrared Download Version 2.6.3"));
  EXPECT_EQ(main.statusText(), QStringLiteral("Status: Ok"));
  EXPECT_EQ(main.state().Last_Path, folder.root());
  EXPECT_TRUE(main.state().New_Data);
  EXPECT_FALSE(main.reportFlags().Constants_Changed);
}

// The last run ended in the middle of a download: its mark and the copies of
// the data before it are still there.
TEST_F(MainWindowTest, AStartAfterAnUnfinishedDownloadPutsThePreviousDataBackAndSaysSo) {
  writeFile(platform::ProgramFiles::DatabaseBackup, "previous database");
  writeFile(platform::ProgramFiles::TableListBackup, "1\r\n\"P1 \"\r\n");
  writeFile(platform::ProgramFiles::ReplacementMark, "1 1\r\n");
  writeFile(platform::ProgramFiles::Database, "half-built database");
  writeTableList(0, "CBR_LBR1 ");
  MainWindow& main = start();
  EXPECT_EQ(main.Comm().Tables_Created, QStringLiteral("P1 "));
  EXPECT_EQ(main.state().Model_Code, 1);
  EXPECT_FALSE(exists(platform::ProgramFiles::ReplacementMark));
  EXPECT_TRUE(main.statusText().contains(QStringLiteral("put back"))) << main.statusText().toStdString();
  EXPECT_TRUE(dialogs.messages.isEmpty());
  // The window's activation leaves the notice; the next status text replaces it.
  main.show();
  QApplication::setActiveWindow(&main);
  QApplication::processEvents();
  if (!main.isActiveWindow()) GTEST_SKIP() << "no window activation on this platform";
  EXPECT_TRUE(main.statusText().contains(QStringLiteral("put back"))) << main.statusText().toStdString();
  main.setStatusText(QStringLiteral("Status: Waiting for data from Wizard."));
  QApplication::setActiveWindow(nullptr);
  QApplication::setActiveWindow(&main);
  QApplication::processEvents();
  EXPECT_EQ(main.statusText(), QStringLiteral("Status: OK"));
}

// The last run was killed during an open, and this start cannot change the
// folder: the lock file that run left cannot be removed.
TEST_F(MainWindowTest, AnUnfinishedOpenThatCannotBePutBackIsSaidAndItsHalfBuiltDataAreNotShown) {
  writeUnfinishedOpen();
  ASSERT_TRUE(QDir().mkpath(folder.path(platform::ProgramFiles::DatabaseLock) + "/in-the-way"));
  MainWindow& main = start();
  const QStringList messages = dialogs.messageTexts();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("could not be put back") && messages[0].contains("KORVIS.ldb"))
      << messages[0].toStdString();
  EXPECT_FALSE(main.statusText().startsWith("Status: Ok", Qt::CaseInsensitive)) << main.statusText().toStdString();
  EXPECT_EQ(main.Comm().Tables_Created, QString());
  EXPECT_EQ(root()->childCount(), 0);
  // All stays for a start that can put the data back.
  EXPECT_TRUE(exists(platform::ProgramFiles::ReplacementMark));
  EXPECT_TRUE(exists(platform::ProgramFiles::DatabaseBackup));
  EXPECT_TRUE(exists(platform::ProgramFiles::Database));
}

// Killed during an open on another computer of a shared folder: the
// database lock names that computer, whose program may still be at it.
TEST_F(MainWindowTest, AnUnfinishedOpenBehindAnotherComputersLockIsSaidAndItsHalfBuiltDataAreNotShown) {
  writeUnfinishedOpen();
  writeFile(platform::ProgramFiles::DatabaseLock, "4242\nquorvane\nlab-pc-7\n");
  start();
  const QStringList messages = dialogs.messageTexts();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("\"lab-pc-7\"") &&
              messages[0].contains("delete the file \"" + folder.path(platform::ProgramFiles::DatabaseLock)))
      << messages[0].toStdString();
  EXPECT_EQ(root()->childCount(), 0);
  EXPECT_TRUE(exists(platform::ProgramFiles::ReplacementMark) && exists(platform::ProgramFiles::DatabaseLock));
}

TEST_F(MainWindowTest, TabsCaptionsAndOnlyTheDataTabEnabled) {
  MainWindow& main = start();
  EXPECT_EQ(main.MainTab->tabText(0), QStringLiteral("View Data"));
  EXPECT_EQ(main.MainTab->tabText(1), QStringLiteral("View Report"));
  EXPECT_EQ(main.MainTab->tabText(2), QStringLiteral("View Graph"));
  EXPECT_EQ(main.MainTab->currentIndex(), 0);
  EXPECT_TRUE(main.MainTab->isTabEnabled(0));
  EXPECT_FALSE(main.MainTab->isTabEnabled(1));
  EXPECT_FALSE(main.MainTab->isTabEnabled(2));
  report::ReportTabPage& page = main.reportTab();
  EXPECT_EQ(page.ReportTab->tabText(0), QStringLiteral("Raw Data"));
  EXPECT_EQ(page.ReportTab->tabText(1), QStringLiteral("Stiffness Data"));
  EXPECT_TRUE(page.Clear_Button->isHidden());
  EXPECT_TRUE(page.Save_Layout->isHidden());
  EXPECT_FALSE(page.Load_Layout->isHidden());
  EXPECT_EQ(main.dataTab().Load_DB->text(), QStringLiteral("Open Project(s)"));
  EXPECT_EQ(main.dataTab().TreeLabel->text(), QStringLiteral("Project ID Pane"));
}

TEST_F(MainWindowTest, EmptyDatabaseIsDeletedWithAMessage) {
  writeDatabase();
  start();
  EXPECT_FALSE(exists(platform::ProgramFiles::Database));
  ASSERT_EQ(dialogs.messageTexts(), QStringList{DatabaseReset});
  EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Quorvane IR Download"));
  EXPECT_EQ(dialogs.messages[0].buttons, platform::ui::MessageButtons::Ok);

  // The next start finds no database and says nothing.
  dialogs.messages.clear();
  start();
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(MainWindowTest, DatabaseWithAnEmptyListInTheTableListFileIsDeleted) {
  writeDatabase();
  writeTableList(1, "");
  start();
  EXPECT_FALSE(exists(platform::ProgramFiles::Database));
  EXPECT_EQ(dialogs.messageTexts(), QStringList{DatabaseReset});
}

TEST_F(MainWindowTest, ADatabaseThatHoldsTablesIsKeptAsideWhenTheTableListNamesNone) {
  {
    platform::db::Database db;
    ASSERT_TRUE(db.open(folder.path(platform::ProgramFiles::Database)));
    ASSERT_TRUE(db.exec("CREATE TABLE \"P12\" (A INTEGER)").has_value());
  }
  writeFile(platform::ProgramFiles::TableList, "1\r\n");
  start();
  EXPECT_FALSE(exists(platform::ProgramFiles::Database));
  const QStringList kept = QDir(folder.path("info")).entryList({"KORVIS *.qvd"});
  ASSERT_EQ(kept.size(), 1);
  ASSERT_EQ(dialogs.messageTexts().size(), 1);
  EXPECT_TRUE(dialogs.messageTexts()[0].contains(kept[0])) << dialogs.messageTexts()[0].toStdString();
  platform::db::Database keptAside;
  ASSERT_TRUE(keptAside.open(folder.path("info/" + kept[0])));
  EXPECT_EQ(keptAside.tableNames(), QStringList{"P12"});
}

TEST_F(MainWindowTest, DatabaseInUseIsKeptSilently) {
  platform::db::Database inUse;
  ASSERT_TRUE(inUse.open(folder.path(platform::ProgramFiles::Database)));
  start();
  EXPECT_TRUE(exists(platform::ProgramFiles::Database));
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

// Each is refused with a message and the program starts with its defaults;
// the working database of a refused table list is kept.
TEST_F(MainWindowTest, SettingsFilesTooLargeAreRefusedWithAMessage) {
  const QByteArray padding(platform::SettingsFileLimit, ' ');
  writeFile(platform::ProgramFiles::CompanyInfo, "\"Big Co\r\r\r\r\r\r\r\r\rBig (a.txt)\r\"\r\n" + padding);
  writeDatabase();
  writeTableList(1, "P12 " + padding);
  writeFile(platform::ProgramFiles::ComPortMap, "COM1=/dev/null\n" + padding);
  MainWindow& main = start();
  const QStringList messages = dialogs.messageTexts();
  ASSERT_EQ(messages.size(), 3);
  EXPECT_TRUE(messages[0].contains("Info.qvt") && messages[1].contains("DBTbles.qvt") &&
              messages[2].contains("ComPorts.qvt"));
  EXPECT_TRUE(exists(platform::ProgramFiles::Database));
  EXPECT_EQ(main.Comm().Tables_Created, QString());
  EXPECT_EQ(root()->text(0), QStringLiteral("Tests"));
}

// As one too large: said, its tables not shown, the working database kept.
TEST_F(MainWindowTest, ATableListOfNoModelIsRefusedWithAMessage) {
  writeDatabase();
  writeTableList(9, "CBR_LBR1 ");
  MainWindow& main = start();
  ASSERT_EQ(dialogs.messageTexts().size(), 1);
  EXPECT_TRUE(dialogs.messageTexts()[0].contains("DBTbles.qvt")) << dialogs.messageTexts()[0].toStdString();
  EXPECT_TRUE(exists(platform::ProgramFiles::Database));
  EXPECT_EQ(main.Comm().Tables_Created, QString());
  EXPECT_EQ(main.state().Model_Code, 0);
}

TEST_F(MainWindowTest, StaleTableListIsDeletedBeforeItIsRead) {
  writeTableList(3, "RUN1 RUN2 ");
  MainWindow& main = start();
  EXPECT_FALSE(exists(platform::ProgramFiles::TableList));
  EXPECT_EQ(main.state().Model_Code, 0);
  EXPECT_EQ(main.Comm().Tables_Created, QString());
  EXPECT_EQ(root()->childCount(), 0);
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(MainWindowTest, TreeOfEachModelFromTheStoredTableList) {
  struct Case {
    int model;
    QByteArray list;
    QString rootText;
    QStringList tables;
    int childrenPerTable;
  };
  const Case cases[] = {
      {0, "CBR_LBR1 MARSHALL1 ", "Tests", {"CBR_LBR1", "MARSHALL1"}, 0},
      {1, "1234 5678 ", "Projects", {"1234", "5678"}, 2},
      {2, "12.5 ", "Projects", {"12.5"}, 3},
      // The stand-in database holds no rows that mark a table of later runs.
      {3, "RUN1 RUN2 RUN21 ", "Run Number", {"RUN1", "RUN2", "RUN21"}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.model);
    writeDatabase();
    writeTableList(c.model, c.list);
    MainWindow& main = start();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(main.state().Model_Code, c.model);
    EXPECT_EQ(main.Comm().Tables_Created, QString::fromLatin1(c.list));
    ASSERT_NE(root(), nullptr);
    EXPECT_EQ(root()->text(0), c.rootText);
    ASSERT_EQ(root()->childCount(), c.tables.size());
    for (int i = 0; i < c.tables.size(); ++i) {
      EXPECT_EQ(root()->child(i)->text(0), c.tables[i]);
      EXPECT_EQ(root()->child(i)->childCount(), c.childrenPerTable);
    }
    EXPECT_EQ(main.reportTab().List1->count(), c.model == 0 || c.model == 3 ? 6 : c.model == 1 ? 17 : 19);
    EXPECT_EQ(main.reportTab().List2->count(), c.model == 0 ? 5 : 17);
  }
}

TEST_F(MainWindowTest, TitleFromTheCompanyInformationFileNamesTheRoot) {
  writeDatabase();
  writeTableList(1, "77 ");
  writeFile(platform::ProgramFiles::CompanyInfo, "\"Acme\r\r\r\r\r\r\r\r\rProjects (site4.txt)\r\"\r\n");
  MainWindow& main = start();
  EXPECT_EQ(root()->text(0), QStringLiteral("Projects (site4.txt)"));
  EXPECT_EQ(main.companyInfo().CInfo[0], QStringLiteral("Acme"));
  EXPECT_EQ(main.companyInfo().CInfo[1], QStringLiteral("Empty"));
}

TEST_F(MainWindowTest, ComMenuCaptionsFromTheProbe) {
  MainWindow& main = start();
  EXPECT_EQ(probes, 1);
  EXPECT_EQ(main.comPortStatus().captions(),
            (QStringList{"COM1: AVAILABLE", "COM2: MODEM", "COM3: IN USE", "COM4: UNAVAILABLE"}));
  EXPECT_EQ(main.comPortStatus().Check_Timer.interval(), 60000);
  EXPECT_TRUE(main.comPortStatus().Check_Timer.isActive());

  portStates = QStringLiteral("12");
  main.comPortStatus().Check_Timer_Timer();
  waitForPortProbe(main.comPortStatus());
  EXPECT_EQ(main.comPortStatus().captions(),
            (QStringList{"COM1: AVAILABLE", "COM2: AVAILABLE", "COM3: UNAVAILABLE", "COM4: UNAVAILABLE"}));
}

TEST_F(MainWindowTest, ProbeLeavesThePortsAloneWhileLongWorkRuns) {
  MainWindow& main = start();
  instrument::LongWorkScope download(main.state().longWork);
  portStates = QStringLiteral("xxxx");
  main.Check_Com_Ports();
  EXPECT_FALSE(main.comPortStatus().probing());
  EXPECT_EQ(probes, 1);
  EXPECT_EQ(main.comPortStatus().captions()[0], QStringLiteral("COM1: AVAILABLE"));
}

TEST_F(MainWindowTest, CheckPortsRefreshesThenShowsTheSummary) {
  MainWindow& main = start();
  main.show();
  portStates = QStringLiteral("o");
  action("Check_Ports")->trigger();
  waitForPortProbe(main.comPortStatus());
  EXPECT_EQ(probes, 2);
  auto* summary = main.findChild<download::ComSummary*>(QStringLiteral("ComSummary"));
  ASSERT_NE(summary, nullptr);
  EXPECT_TRUE(summary->Cominfo->text().contains(QStringLiteral("COM1: IN USE\r\n")));
  EXPECT_EQ(QApplication::activeModalWidget(), summary);
  EXPECT_TRUE(summary->OKbutton->isEnabled());
  summary->OKbutton->click();
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainWindowTest, MenusCarryTheirCaptionsAndTheReportMenuIsHidden) {
  MainWindow& main = start();
  EXPECT_EQ(action("File_Exit")->text(), QStringLiteral("E&xit"));
  EXPECT_EQ(action("ImportWizard")->text(), QStringLiteral("&Import Wizard"));
  EXPECT_EQ(action("Information")->text(), QStringLiteral("&Lab Info"));
  EXPECT_EQ(action("COM_DES")->text(), QStringLiteral("COM Description"));
  EXPECT_EQ(action("Weblink")->text(), QStringLiteral("Quorvane Web Site"));
  EXPECT_FALSE(action("Logo")->isVisible());
  EXPECT_FALSE(action("TBD")->isVisible());
  EXPECT_FALSE(action("LJ")->isEnabled());
  EXPECT_TRUE(action("Ins_Logo")->isEnabled());
  EXPECT_EQ(action("Font12")->text(), QStringLiteral("12"));
  main.enableWindowMenus(false);
  EXPECT_FALSE(action("COM_DES")->isEnabled());
  EXPECT_FALSE(action("ImportWizard")->isEnabled());
}

TEST_F(MainWindowTest, ReportFontCommandsByName) {
  writeDatabase();
  writeTableList(2, "12.5 ");
  MainWindow& main = start();
  action("Font11")->trigger();
  EXPECT_EQ(main.reportFlags().Report_Font_Size, 11);
  EXPECT_EQ(action("Font11")->text(), QStringLiteral("11 (Current)"));
  EXPECT_EQ(main.reportTab().List2->count(), 13);
}

TEST_F(MainWindowTest, HelpContentsWithAndWithoutAHelpFile) {
  start();
  action("Contents")->trigger();
  EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("No Help File Found")});
  EXPECT_TRUE(dialogs.opened.isEmpty());

  writeFile(platform::ProgramFiles::HelpFile, "help");
  action("Contents")->trigger();
  ASSERT_EQ(dialogs.opened.size(), 1);
  EXPECT_EQ(dialogs.opened[0].toLocalFile(), folder.path(platform::ProgramFiles::HelpFile));
}

TEST_F(MainWindowTest, WebSiteOpensWithTheDesktopHandler) {
  start();
  action("Weblink")->trigger();
  ASSERT_EQ(dialogs.opened.size(), 1);
  EXPECT_EQ(dialogs.opened[0].scheme(), QStringLiteral("https"));
  EXPECT_TRUE(dialogs.messages.isEmpty());
  // No browser: the user is told, with the address to visit.
  dialogs.desktopOpens = false;
  action("Weblink")->trigger();
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_TRUE(dialogs.messages[0].text.startsWith(QStringLiteral("No web browser could be started.")));
  EXPECT_TRUE(dialogs.messages[0].text.endsWith(dialogs.opened[0].toString()));
}

TEST_F(MainWindowTest, ImportWizardClearsTheHaltFlagAndSaysSo) {
  MainWindow& main = start();
  main.Comm().Halt_ = true;
  action("ImportWizard")->trigger();
  EXPECT_FALSE(main.Comm().Halt_);
  EXPECT_EQ(main.statusText(), QStringLiteral("Status: Waiting for data from Wizard."));
}

TEST_F(MainWindowTest, AboutBoxStaysOnTopAndBlocksTheMainWindowUntilOk) {
  MainWindow& main = start();
  main.show();
  action("About")->trigger();
  auto* about = main.findChild<AboutBox*>(QStringLiteral("frmAbout"));
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->windowTitle(), QStringLiteral("About Quorvane IR Download"));
  EXPECT_EQ(about->lblVersion->text(), QStringLiteral("Version 2.6.3"));
  EXPECT_EQ(about->lblTitle->text(), QStringLiteral("Quorvane IR Download"));
  EXPECT_TRUE(about->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(QApplication::activeModalWidget(), about);

  about->cmdSysInfo->click();
  EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("System Information Is Unavailable At This Time")});

  about->cmdOK->click();
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(main.isEnabled());
}

TEST_F(MainWindowTest, SwitchingTabAvailabilityNeverMovesTheCurrentTab) {
  MainWindow& main = start();
  const QString before = main.statusText();
  main.setMainTabEnabled(0, false);  // as a download does
  main.setMainTabEnabled(1, false);
  main.setMainTabEnabled(2, false);
  EXPECT_EQ(main.MainTab->currentIndex(), 0);
  EXPECT_EQ(main.statusText(), before);  // no tab-switch handler ran
  main.setMainTabEnabled(0, true);
  EXPECT_EQ(main.MainTab->currentIndex(), 0);
}

TEST_F(MainWindowTest, ChoosingTheReportTabSetsUpTheReportPage) {
  MainWindow& main = start();
  main.setMainTabEnabled(1, true);
  main.MainTab->setCurrentIndex(1);
  EXPECT_FALSE(main.state().New_Data);
  EXPECT_EQ(main.statusText(), QStringLiteral("Status: OK, Left Click on preview window to see more options."));
  main.MainTab->setCurrentIndex(0);
  EXPECT_EQ(main.statusText(), QStringLiteral("Status: OK"));
  EXPECT_EQ(main.dataTab().TreeView1->topLevelItemCount(), 1);
}

TEST_F(MainWindowTest, ExitClosesTheWindowUnlessLongWorkRuns) {
  MainWindow& main = start();
  main.show();
  {
    instrument::LongWorkScope replay(main.state().longWork);
    action("File_Exit")->trigger();
    EXPECT_TRUE(main.isVisible());
    EXPECT_TRUE(main.state().longWork.closeRequested);
  }
  action("File_Exit")->trigger();
  EXPECT_FALSE(main.isVisible());
}

TEST_F(MainWindowTest, ExitDuringLongWorkClosesWhenTheWorkEnds) {
  MainWindow& main = start();
  main.show();
  bool stillOpenAfterExit = false;
  main.runLongWork([&] {
    main.runLongWork([&] { action("File_Exit")->trigger(); });
    stillOpenAfterExit = main.isVisible();
  });
  EXPECT_TRUE(stillOpenAfterExit);
  EXPECT_FALSE(main.isVisible());
  EXPECT_FALSE(main.state().longWork.closeRequested);
}

TEST_F(MainWindowTest, ActivationSaysOk) {
  MainWindow& main = start();
  main.show();
  QApplication::setActiveWindow(&main);
  QApplication::processEvents();
  if (!main.isActiveWindow()) GTEST_SKIP() << "no window activation on this platform";
  EXPECT_EQ(main.statusText(), QStringLiteral("Status: OK"));

  // What a command reported outlives the activation that closing its dialog brings.
  main.setLastingStatusText(QStringLiteral("Status: Exported to raw.pdf"));
  QEvent activation(QEvent::ActivationChange);
  QApplication::sendEvent(&main, &activation);
  EXPECT_EQ(main.statusText(), QStringLiteral("Status: Exported to raw.pdf"));
}

TEST_F(MainWindowTest, ClosingWithChangedInformationAsksOnceAndSavesOnYes) {
  for (auto answer : {platform::ui::MessageAnswer::No, platform::ui::MessageAnswer::Yes}) {
    MainWindow& main = start();
    main.show();
    main.reportFlags().Info_Changed = true;
    main.companyInfo().CInfo[0] = QStringLiteral("Acme");
    dialogs.messages.clear();
    dialogs.answers.enqueue(answer);
    action("File_Exit")->trigger();
    EXPECT_FALSE(main.isVisible());
    ASSERT_FALSE(dialogs.messages.isEmpty());
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Information changed.  Do you want to save changes?"));
    EXPECT_EQ(dialogs.messages[0].buttons, platform::ui::MessageButtons::YesNo);
    const bool yes = answer == platform::ui::MessageAnswer::Yes;
    EXPECT_EQ(exists(platform::ProgramFiles::CompanyInfo), yes);
    EXPECT_EQ(dialogs.messages.size(), yes ? 2 : 1);  // "Information Saved." after Yes
    EXPECT_EQ(main.reportFlags().Info_Changed, !yes);
  }
}

TEST_F(MainWindowTest, LabInfoShowsTheCompanyInformationAndEditTextLocksIt) {
  MainWindow& main = start();
  main.show();
  main.companyInfo().CInfo[0] = QStringLiteral("Acme");
  action("Information")->trigger();
  auto* form = main.findChild<report::InfoForm*>(QStringLiteral("InfoForm"));
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(form->CInfo[0]->text(), QStringLiteral("Acme"));

  action("PN")->trigger();
  auto* editor = main.findChild<report::HeaderTextEditor*>(QStringLiteral("Add_Info"));
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->windowTitle(), QStringLiteral("Edit Project Name"));
  EXPECT_FALSE(action("Information")->isEnabled());
  editor->Cancel_B->click();
  EXPECT_TRUE(action("Information")->isEnabled());
}

}  // namespace
}  // namespace mainwindow
