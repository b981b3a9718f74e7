// The import wizard in the real main window: opened by its menu command,
// downloading from a pseudo-terminal mapped to COM1 into the main window's
// tree, and leaving the tree as it was when a download fails.

#include "mainwindow/window/WizardHost.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <functional>

#include "../DataViewFixture.h"
#include "download/Communication.h"
#include "download/ImportWizard.h"
#include "download/StatusPanel.h"
#include "download/WizardTestHost.h"
#include "instrument/StatusCodes.h"
#include "mainwindow/window/ComPortStatus.h"
#include "mainwindow/window/MainMenus.h"
#include "platform/db/Database.h"
#include "platform/core/ProgramFiles.h"
#include "platform/serial/PseudoTerminal.h"
#include "report/page/header/CompanyInfoSave.h"

namespace mainwindow {
namespace {

const QByteArray EndMarker("\xFD", 1);

class WizardHostTest : public DataViewFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pty.ok());
    qputenv("QUORVANE_COM1", pty.slavePath().toLocal8Bit());
    for (const char* name : {"QUORVANE_COM2", "QUORVANE_COM3", "QUORVANE_COM4"})
      qputenv(name, "/dev/quorvane-no-such-port");
    DataViewFixture::SetUp();
    main().Comm().setClock(clock);
    main().Comm().setWait(wait);
  }
  void TearDown() override {
    window.reset();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const char* name : {"QUORVANE_COM1", "QUORVANE_COM2", "QUORVANE_COM3", "QUORVANE_COM4"}) qunsetenv(name);
  }

  // The command, and the wizard window it shows.
  download::ImportWizard* openWizard() {
    main().menus().ImportWizard->trigger();
    for (auto* wizard : main().findChildren<download::ImportWizard*>(QStringLiteral("IWizard")))
      if (wizard->isVisible()) return wizard;
    return nullptr;
  }

  // The user's walk through the wizard to a download of an N2600A printout;
  // whileWaiting runs once the download waits for it.
  void downloadN2600A(download::ImportWizard& wizard, const QByteArray& printout,
                      const std::function<void()>& whileWaiting = {}) {
    QPushButton& next = *wizard.Import_Button[0];
    next.click();
    wizard.Com_Select[0]->click();
    next.click();
    wizard.Device_Select[1]->click();
    next.click();
    next.click();
    // The instrument starts once the download waits for it.
    wait->onceWaiting = [this, printout, whileWaiting] {
      if (whileWaiting) whileWaiting();
      if (!printout.isEmpty()) pty.sendPaced(printout, 19200, 0);
    };
    next.click();
    wait->onceWaiting = nullptr;
    pty.waitSent();
  }

  testsupport::PseudoTerminal pty;
  std::shared_ptr<testsupport::ShiftedClock> clock = std::make_shared<testsupport::ShiftedClock>();
  std::shared_ptr<testsupport::QuickProbeWait> wait = std::make_shared<testsupport::QuickProbeWait>(*clock);
};

TEST_F(WizardHostTest, ADownloadFillsTheTreeAndAFailedOneLeavesIt) {
  QPointer<download::ImportWizard> wizard = openWizard();
  ASSERT_FALSE(wizard.isNull());
  EXPECT_EQ(wizard->parentWidget(), &main());
  EXPECT_EQ(main().statusText(), "Status: Waiting for data from Wizard.");
  EXPECT_EQ(main().menus().COM_STAT[0]->text(), "COM1: AVAILABLE");
  EXPECT_EQ(main().menus().COM_STAT[3]->text(), "COM4: UNAVAILABLE");
  // The command shows the one wizard again rather than a second.
  EXPECT_EQ(openWizard(), wizard.data());

  downloadN2600A(*wizard, testsupport::readData("n2600a/wizard_report.txt") + EndMarker);
  EXPECT_EQ(wizard->Connection_Panel->text(), "Download Complete ");
  EXPECT_EQ(main().state().Model_Code, 1);
  EXPECT_EQ(root()->text(0), main().state().Download_Title);
  EXPECT_TRUE(root()->text(0).startsWith("Projects (Dwnld:"));
  EXPECT_EQ(childTexts(root()), (QStringList{"731", "8.2"}));
  EXPECT_EQ(childTexts(node({"731"})), (QStringList{"Asphalt", "Soil"}));
  EXPECT_TRUE(main().comPortStatus().Check_Timer.isActive());
  EXPECT_FALSE(main().state().longWork.running());

  // Finished closes the wizard; the command at once after it opens a new one.
  wizard->Import_Button[0]->click();
  EXPECT_FALSE(wizard->isVisible());
  QPointer<download::ImportWizard> closed = wizard;
  wizard = openWizard();
  ASSERT_FALSE(wizard.isNull());
  EXPECT_NE(wizard, closed);
  EXPECT_EQ(wizard->Wizard_Step, 0);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(closed.isNull());

  // The user looks at a project, which opens the view's connection; the next
  // download frees it, then ends with nothing made.
  click({"731", "Soil"});
  ASSERT_TRUE(view().isOpen());
  downloadN2600A(*wizard, EndMarker);
  EXPECT_EQ(main().state().Download_Status, instrument::status::NoTablesCreated);
  EXPECT_EQ(wizard->Connection_Panel->text(), "No Tables Created ");
  EXPECT_EQ(wizard->Wizard_Step, 0);
  EXPECT_EQ(main().Comm().Tables_Created, "731 8.2 ");
  EXPECT_EQ(childTexts(root()), (QStringList{"731", "8.2"}));
  click({"8.2", "Asphalt"});
  EXPECT_TRUE(view().isOpen());
  EXPECT_TRUE(main().MainTab->isTabEnabled(0));
}

// Here a folder stands where the file would be written.
TEST_F(WizardHostTest, ADownloadWhoseTitleCannotBeSavedSaysSo) {
  ASSERT_TRUE(QDir().mkpath(folder.path(platform::ProgramFiles::CompanyInfo)));
  QPointer<download::ImportWizard> wizard = openWizard();
  ASSERT_FALSE(wizard.isNull());
  downloadN2600A(*wizard, testsupport::readData("n2600a/wizard_report.txt") + EndMarker);
  EXPECT_EQ(wizard->Connection_Panel->text(), "Download Complete ");
  EXPECT_EQ(childTexts(root()), (QStringList{"731", "8.2"}));
  ASSERT_EQ(dialogs.messageTexts(), QStringList{report::TitleNotSaved});
  EXPECT_EQ(dialogs.messages[0].owner, wizard.data());
}

TEST_F(WizardHostTest, ClosingTheWizardDuringADownloadSaysSoInTheStatusBar) {
  QPointer<download::ImportWizard> wizard = openWizard();
  ASSERT_FALSE(wizard.isNull());
  downloadN2600A(*wizard, {}, [&] { wizard->close(); });
  EXPECT_EQ(main().statusText(),
            "Status: The download was stopped when the wizard closed.  The earlier data are unchanged.");
  // The window's edge may cut the line; its tooltip shows it whole.
  const auto* panel = main().findChild<QLabel*>("Status_Panel");
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->toolTip(), main().statusText());
}

// The note of a failed try is about that try: the next download replaces it,
// and a lasting note would outlive the wizard.
TEST_F(WizardHostTest, APortErrorNoteGivesWayToTheNextDownload) {
  QPointer<download::ImportWizard> wizard = openWizard();
  ASSERT_FALSE(wizard.isNull());
  qputenv("QUORVANE_COM1", "/dev/quorvane-no-such-port");
  downloadN2600A(*wizard, {});
  EXPECT_TRUE(main().statusText().startsWith("Status: Error with Port COM1.  ")) << main().statusText().toStdString();
  qputenv("QUORVANE_COM1", pty.slavePath().toLocal8Bit());
  downloadN2600A(*wizard, testsupport::readData("n2600a/wizard_report.txt") + EndMarker);
  EXPECT_EQ(wizard->Connection_Panel->text(), "Download Complete ");
  EXPECT_TRUE(main().statusText().startsWith("Status: The download is complete.  Projects kept: "))
      << main().statusText().toStdString();
}

TEST_F(WizardHostTest, ExitAskedForDuringADownloadThenClosingTheWizardEndsBoth) {
  QPointer<download::ImportWizard> wizard = openWizard();
  ASSERT_FALSE(wizard.isNull());
  main().show();
  bool mainShownAfterExit = false;
  downloadN2600A(*wizard, {}, [&] {
    main().close();  // deferred: the download runs
    mainShownAfterExit = main().isVisible();
    wizard->close();  // refused, but abandons the download
  });
  EXPECT_TRUE(mainShownAfterExit);
  EXPECT_FALSE(main().isVisible());
  EXPECT_FALSE(main().hasComm());
  EXPECT_TRUE(wizard.isNull() || !wizard->isVisible());
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(wizard.isNull());
}

}  // namespace
}  // namespace mainwindow
