// The import wizard's pages, options, panels and closing rule, without a
// download: the ports are scripted lines (COM1 free, COM2 missing, COM3 in
// use, COM4 a modem).

#include "download/ImportWizard.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "DownloadTestSupport.h"
#include "WizardTestHost.h"
#include "WizardWalk.h"
#include "download/PanelStatusBar.h"
#include "download/StatusPanel.h"
#include "download/WizardPictures.h"
#include "platform/core/ProgramFiles.h"
#include "platform/serial/ScriptedSerialDevice.h"
#include "support/TempProgramFolder.h"

namespace download {
namespace {

using platform::ScriptedLine;

class ImportWizardTest : public ::testing::Test {
 protected:
  ImportWizardTest() : devices(std::make_shared<platform::ScriptedDeviceProvider>()), host(devices) {
    devices->line(1);
    devices->line(2)->setPresence(ScriptedLine::Presence::Missing);
    devices->line(3)->setPresence(ScriptedLine::Presence::InUse);
    devices->line(4)->answerOutputWith("\r\nOK\r\n");
    host.comm.setClock(std::shared_ptr<platform::ReceiveClock>(&clock, [](auto*) {}));
    host.comm.setWait(std::make_shared<testsupport::ScriptedWait>(clock));
    wizard = new ImportWizard(host);
  }
  ~ImportWizardTest() override {
    delete wizard.data();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  QString message(int i) const { return wizard->UserMessage[static_cast<std::size_t>(i)]->toPlainText(); }
  QString panel(const char* key) const { return wizard->StatusBar1->panel(key)->text(); }
  QPushButton& next() const { return *wizard->Import_Button[0]; }
  QPushButton& previous() const { return *wizard->Import_Button[1]; }

  void walkToPrepare(int model, int type = 0) { testsupport::walkToPrepare(*wizard, model, type); }

  testsupport::TempProgramFolder folder;
  std::shared_ptr<platform::ScriptedDeviceProvider> devices;
  testsupport::FakeClock clock;
  testsupport::WizardTestHost host;
  QPointer<ImportWizard> wizard;
};

TEST_F(ImportWizardTest, LoadsOnTheWelcomePageWithItsFourPanelsAndThePortScan) {
  EXPECT_EQ(wizard->windowTitle(), "Import Wizard");
  EXPECT_EQ(wizard->objectName(), "IWizard");
  EXPECT_EQ(wizard->parentWidget(), &host.window);
  EXPECT_EQ(wizard->Wizard_Step, 0);
  EXPECT_EQ(message(0),
            "Welcome to the Quorvane Download Import Wizard.  This Wizard will assist you with importing data sets "
            "from a Quorvane Gauge. ");
  EXPECT_EQ(message(1), "Click Next to continue. ");
  EXPECT_EQ(next().text(), "Next");
  EXPECT_TRUE(next().isEnabled());
  EXPECT_TRUE(previous().isHidden());
  EXPECT_EQ(previous().text(), "Previous");

  const QList<StatusPanel*>& panels = wizard->StatusBar1->panels();
  ASSERT_EQ(panels.size(), 4);
  EXPECT_EQ(panels[0]->key(), "Connection_Status");
  EXPECT_EQ(panels[0]->text(), "Not Connected ");
  EXPECT_FALSE(panels[0]->picture().isNull());
  EXPECT_EQ(panels[0]->minWidthTwips(), 2000);
  EXPECT_EQ(panels[1]->key(), "Setup_status1");
  EXPECT_EQ(panels[1]->text(), "Port: None");
  EXPECT_EQ(panels[2]->text(), "Dev: None");
  EXPECT_EQ(panels[3]->key(), "Setup_status3");
  EXPECT_EQ(panels[3]->text(), "DL Type: None");
  EXPECT_EQ(panels[3]->minWidthTwips(), 1500);
  EXPECT_EQ(wizard->Connection_Panel, panels[0]);
  EXPECT_EQ(wizard->Time_Panel, nullptr);

  for (QGroupBox* frame : {wizard->Com_Frame, wizard->Device_Frame, wizard->Download_Type_Frame}) {
    EXPECT_TRUE(frame->isHidden());
    EXPECT_TRUE(frame->title().isEmpty());
  }
  EXPECT_TRUE(wizard->UserMessage[0]->isReadOnly());
  EXPECT_EQ(wizard->Com_Select[2]->text(), "COM3");
  EXPECT_EQ(wizard->Device_Select[2]->text(), "N2600BX");
  EXPECT_EQ(wizard->Download_Type[1]->text(), "Continuous Download");
  EXPECT_TRUE(wizard->Download_Type[0]->isChecked());
  EXPECT_FALSE(wizard->Picture1->pixmap().isNull());

  // Only the free port can be chosen; the main window's port items follow
  // the same scan.
  EXPECT_TRUE(wizard->Com_Select[0]->isEnabled());
  EXPECT_FALSE(wizard->Com_Select[1]->isEnabled());
  EXPECT_FALSE(wizard->Com_Select[2]->isEnabled());
  EXPECT_FALSE(wizard->Com_Select[3]->isEnabled());
  EXPECT_EQ(host.comCaptions, (QStringList{"COM1: AVAILABLE", "COM2: UNAVAILABLE", "COM3: IN USE", "COM4: MODEM"}));
  for (int port = 1; port <= 4; ++port) EXPECT_FALSE(devices->line(port)->isOpen());
}

TEST_F(ImportWizardTest, ThePortPageShowsTheDeviceOfEachPortAndWhereItWasFound) {
  QFile map(folder.path(platform::ProgramFiles::ComPortMap));
  ASSERT_TRUE(map.open(QIODevice::WriteOnly));
  map.write("COM1 = /dev/ttyUSB0\r\n");
  map.close();
  for (const char* name : {"QUORVANE_COM1", "QUORVANE_COM3", "QUORVANE_COM4"}) qunsetenv(name);
  qputenv("QUORVANE_COM2", "/dev/pts/7");
  next().click();
  qunsetenv("QUORVANE_COM2");
  EXPECT_FALSE(wizard->Com_Frame->isHidden());
  EXPECT_EQ(wizard->Port_Devices->text(),
            "COM1 = /dev/ttyUSB0 (from info/ComPorts.qvt)\n"
            "COM2 = /dev/pts/7 (from the environment variable QUORVANE_COM2)\n"
            "COM3 = /dev/ttyS2 (the default; info/ComPorts.qvt does not name it)\n"
            "COM4 = /dev/ttyS3 (the default; info/ComPorts.qvt does not name it)");
  EXPECT_EQ(wizard->Com_Select[1]->toolTip(), "COM2 = /dev/pts/7 (from the environment variable QUORVANE_COM2)");
  // The system's own text stays as it was.
  EXPECT_EQ(message(0), "Select the COM Port that the Infared Device is connected to.  You can only select from "
                        "available COM ports.");
}

TEST_F(ImportWizardTest, AGaugeSkipsTheDownloadTypePageBothWays) {
  next().click();
  EXPECT_EQ(wizard->Wizard_Step, 1);
  EXPECT_EQ(message(0),
            "Select the COM Port that the Infared Device is connected to.  You can only select from available COM "
            "ports.");
  EXPECT_FALSE(wizard->Com_Frame->isHidden());
  EXPECT_FALSE(next().isEnabled());
  EXPECT_FALSE(previous().isHidden());
  wizard->Com_Select[0]->click();
  EXPECT_TRUE(next().isEnabled());

  next().click();
  EXPECT_EQ(message(0), "Select the device that is connected to the COM port.");
  EXPECT_TRUE(wizard->Com_Frame->isHidden());
  EXPECT_FALSE(wizard->Device_Frame->isHidden());
  EXPECT_FALSE(next().isEnabled());
  EXPECT_EQ(panel("Setup_status1"), "Port: COM1");
  wizard->Device_Select[1]->click();

  next().click();
  EXPECT_EQ(wizard->Wizard_Step, 4);
  EXPECT_TRUE(wizard->Device_Frame->isHidden());
  EXPECT_TRUE(wizard->Download_Type_Frame->isHidden());
  EXPECT_EQ(panel("Setup_status2"), "Dev: N2600A");
  // Whatever type option is still chosen.
  EXPECT_EQ(panel("Setup_status3"), "DL Type: N/A");
  EXPECT_EQ(message(0),
            "WARNING:  Once the transmission of data between the gauge and the has computer has started, all current "
            "imported data will be lost.  To avoid this save current information within the Data tab located in the "
            "main window.");
  EXPECT_EQ(message(1), "");

  previous().click();
  EXPECT_EQ(wizard->Wizard_Step, 2);
  EXPECT_FALSE(wizard->Device_Frame->isHidden());
  EXPECT_EQ(panel("Setup_status3"), "DL Type: None");
}

TEST_F(ImportWizardTest, TheLoadFrameChoosesItsDownloadType) {
  next().click();
  wizard->Com_Select[0]->click();
  next().click();
  wizard->Device_Select[0]->click();
  next().click();
  EXPECT_EQ(wizard->Wizard_Step, 3);
  EXPECT_EQ(message(0),
            "The LX9100 support two types of download.  Select the type of download option you would like to "
            "perform.");
  EXPECT_FALSE(wizard->Download_Type_Frame->isHidden());
  EXPECT_EQ(panel("Setup_status2"), "Dev: LX9100");
  wizard->Download_Type[1]->click();
  EXPECT_FALSE(wizard->Download_Type[0]->isChecked());
  next().click();
  EXPECT_EQ(panel("Setup_status3"), "DL Type: Continuous Download");
  previous().click();
  EXPECT_EQ(wizard->Wizard_Step, 3);
  next().click();
  next().click();
  EXPECT_EQ(wizard->Wizard_Step, 5);
  EXPECT_EQ(message(0),
            "Run selected tests on the LX9100, and make sure the LX9100 is connected to the computer through the "
            "Serial Port. ");
  EXPECT_EQ(message(1), "");
}

TEST_F(ImportWizardTest, GoingBackWithoutAModelKeepsNextDisabledUntilThePortIsClickedAgain) {
  next().click();
  wizard->Com_Select[0]->click();
  next().click();
  EXPECT_FALSE(next().isEnabled());
  previous().click();
  EXPECT_EQ(wizard->Wizard_Step, 1);
  EXPECT_FALSE(next().isEnabled());
  EXPECT_TRUE(wizard->Com_Select[0]->isChecked());
  wizard->Com_Select[0]->click();
  EXPECT_TRUE(wizard->Com_Select[0]->isChecked());
  EXPECT_TRUE(next().isEnabled());
  previous().click();
  EXPECT_EQ(wizard->Wizard_Step, 0);
  EXPECT_EQ(panel("Setup_status1"), "Port: None");
  EXPECT_TRUE(previous().isHidden());
}

TEST_F(ImportWizardTest, ThePreparePageTellsEachGaugeWhatToDo) {
  walkToPrepare(2);
  EXPECT_EQ(message(0),
            "Start Infared Download from Gauge.  From the Main Menu of the Gauge select Data(F1) and then select "
            "PROJECTS(F3). ");
  EXPECT_EQ(message(1), "Make sure IR Device is placed correctly over COM PORT on Gauge. ");
  previous().click();
  previous().click();
  EXPECT_EQ(wizard->Wizard_Step, 2);
  wizard->Device_Select[3]->click();
  next().click();
  next().click();
  EXPECT_EQ(message(0), "Prepare to start Infared Download from Gauge. ");
  EXPECT_EQ(message(1), "Make sure IR Device is placed correctly over COM PORT on Gauge. ");
  // Each step of the walk leaves the report and graph tabs disabled.
  EXPECT_FALSE(host.tabEnabled(1));
  EXPECT_FALSE(host.tabEnabled(2));
}

// The report tab comes back only with a table selected to report on.
TEST_F(ImportWizardTest, ClosingEnablesTheDataTabAndTheReportTabOfASelection) {
  for (const QString& table : {QStringLiteral("125"), QString()}) {
    host.programState.Table_Name = table;
    for (int tab = 0; tab < 3; ++tab) host.tabs->setTabEnabled(tab, false);
    host.window.setEnabled(false);
    wizard->show();
    EXPECT_TRUE(wizard->close());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(wizard.isNull());
    EXPECT_TRUE(host.tabEnabled(0));
    EXPECT_EQ(host.tabEnabled(1), !table.isEmpty());
    EXPECT_FALSE(host.tabEnabled(2));
    EXPECT_TRUE(host.comm.Halt_);
    EXPECT_TRUE(host.window.isEnabled());
    if (!wizard) wizard = new ImportWizard(host);
  }
}

TEST_F(ImportWizardTest, FinishedOnTheLastPageClosesTheWizard) {
  wizard->show();
  wizard->Wizard_Step = ImportWizard::DonePage;
  wizard->Show_Step();
  EXPECT_EQ(message(0), "Gauge data import complete!");
  EXPECT_EQ(message(1), "CAUTION:  Do not erase gauge data until download data is verified.");
  EXPECT_EQ(next().text(), "Finished");
  EXPECT_TRUE(previous().isHidden());
  next().click();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(wizard.isNull());
}

TEST_F(ImportWizardTest, ActivatingTheWizardShowsTheDataTab) {
  host.window.show();
  host.tabs->setCurrentIndex(2);
  wizard->show();
  wizard->activateWindow();
  QApplication::setActiveWindow(wizard);
  QApplication::processEvents();
  EXPECT_EQ(host.tabs->currentIndex(), 0);
}

// The connection status panel.

TEST_F(ImportWizardTest, EachConnectionStateShowsItsTextAndPicture) {
  const QImage connected = drawConnectedPicture().toImage();
  const QImage unconnected = drawUnconnectedPicture().toImage();
  const struct {
    int code;
    const char* text;
    bool connectedPicture;
  } states[] = {{0, "Connected ", true},           {1, "Not Connected ", false},
                {2, "Downloading Data ", true},    {3, "Communication Error ", false},
                {4, "Download Complete ", false},  {5, "Database Error ", false},
                {6, "No Tables Created ", false},  {7, "Database Connection Error ", false}};
  for (const auto& state : states) {
    wizard->Set_Connection_Status(state.code);
    EXPECT_EQ(wizard->Connection_Panel->text(), state.text);
    EXPECT_EQ(wizard->Connection_Panel->picture().toImage(), state.connectedPicture ? connected : unconnected)
        << state.code;
    EXPECT_EQ(wizard->Connection_Panel->autoSize(), StatusPanel::AutoSize::Spring);
  }
  EXPECT_EQ(QString("Connected ").size(), 10);

  // Codes outside the table change nothing but the panel's sizing.
  for (int code : {8, -1}) {
    wizard->Connection_Panel->setAutoSize(StatusPanel::AutoSize::None);
    wizard->Set_Connection_Status(code);
    EXPECT_EQ(wizard->Connection_Panel->text(), "Database Connection Error ");
    EXPECT_EQ(wizard->Connection_Panel->picture().toImage(), unconnected);
    EXPECT_EQ(wizard->Connection_Panel->autoSize(), StatusPanel::AutoSize::Spring);
  }
}

TEST_F(ImportWizardTest, PicturesComeFromTheImagesFolderWhateverTheLetterCase) {
  QImage mark(8, 8, QImage::Format_RGB32);
  mark.fill(Qt::magenta);
  ASSERT_TRUE(mark.save(folder.path("images/CONNECTED.bmp"), "BMP"));
  wizard->Set_Connection_Status(0);
  EXPECT_EQ(wizard->Connection_Panel->picture().toImage().convertToFormat(QImage::Format_RGB32), mark);

  // A picture file that cannot be read leaves the picture shown before.
  QFile broken(folder.path("images/unconnected.BMP"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a picture");
  broken.close();
  wizard->Set_Connection_Status(3);
  EXPECT_EQ(wizard->Connection_Panel->text(), "Communication Error ");
  EXPECT_EQ(wizard->Connection_Panel->picture().toImage().convertToFormat(QImage::Format_RGB32), mark);
}

}  // namespace
}  // namespace download
