// The download driver's timers and the close request that arrives as a
// download ends, on scripted lines.

#include <QApplication>
#include <QLabel>
#include <QMap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

#include "DownloadTestSupport.h"
#include "WizardTestHost.h"
#include "WizardWalk.h"
#include "download/Communication.h"
#include "download/DownloadDriver.h"
#include "download/ImportWizard.h"
#include "download/PanelStatusBar.h"
#include "download/StatusPanel.h"
#include "download/TimePanelText.h"
#include "instrument/StatusCodes.h"
#include "platform/serial/ScriptedSerialDevice.h"
#include "platform/ui/ScriptedDialogs.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

namespace download {
namespace {

TEST(TimePanelTextTest, CountdownFromTwentyNineSecondsAndElapsedMinutes) {
  QString shown = "Timeout in 29 Seconds ";
  shown = nextCountdownText(shown);
  EXPECT_EQ(shown, "Timeout in 28 Sec");
  for (int tick = 2; tick <= 20; ++tick) shown = nextCountdownText(shown);
  EXPECT_EQ(shown, "Timeout in 9 Sec");
  for (int tick = 21; tick <= 29; ++tick) shown = nextCountdownText(shown);
  EXPECT_EQ(shown, "Timeout in 0 Sec");
  EXPECT_EQ(nextCountdownText(shown), "Timeout in -1 Sec");

  EXPECT_EQ(elapsedTimeText(75.0F), "Time: 1 min 15 sec");
  EXPECT_EQ(elapsedTimeText(1.0F), "Time: 0 min 1 sec");
  EXPECT_EQ(elapsedTimeText(3600.0F), "Time: 60 min 0 sec");
}

class DownloadTimersTest : public ::testing::Test {
 protected:
  DownloadTimersTest() : devices(std::make_shared<platform::ScriptedDeviceProvider>()), host(devices) {
    line = devices->line(1);
    for (int port = 2; port <= 4; ++port) devices->line(port)->setPresence(platform::ScriptedLine::Presence::Missing);
    host.comm.setClock(std::shared_ptr<platform::ReceiveClock>(&clock, [](auto*) {}));
    host.comm.setWait(wait);
    wizard = new ImportWizard(host);
    timePanel = wizard->StatusBar1->addPanel("Time_Status", 2500);
    wizard->Time_Panel = timePanel;
  }
  ~DownloadTimersTest() override {
    delete wizard.data();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void setMessage(const QString& text) { wizard->UserMessage[1]->setPlainText(text); }
  QString message() const { return wizard->UserMessage[1]->toPlainText(); }
  DownloadDriver& driver() { return wizard->driver(); }
  DownloadTimers& timers() { return driver().timers(); }

  testsupport::TempProgramFolder folder;
  std::shared_ptr<platform::ScriptedDeviceProvider> devices;
  std::shared_ptr<platform::ScriptedLine> line;
  testsupport::FakeClock clock;
  std::shared_ptr<testsupport::ScriptedWait> wait = std::make_shared<testsupport::ScriptedWait>(clock);
  testsupport::WizardTestHost host;
  QPointer<ImportWizard> wizard;
  StatusPanel* timePanel = nullptr;
};

TEST_F(DownloadTimersTest, TheTimePanelCountsDownWhileWaitingAndUpWhileReceiving) {
  host.comm.Finished_ = true;
  setMessage("Waiting to recieve data from Gauge");
  timePanel->setText("Timeout in 29 Seconds ");
  timers().Timer3_Timer();
  EXPECT_EQ(timePanel->text(), "Timeout in 28 Sec");
  // A continuous download's waiting text stays.
  timePanel->setText("Waiting to Recieve...");
  timers().Timer3_Timer();
  EXPECT_EQ(timePanel->text(), "Waiting to Recieve...");

  host.comm.Finished_ = false;
  host.programState.Download_Seconds = 74.0F;
  timers().Timer3_Timer();
  EXPECT_EQ(message(), "Recieving Information from Gauge");
  EXPECT_EQ(timePanel->text(), "Time: 1 min 15 sec");
  EXPECT_FLOAT_EQ(host.programState.Download_Seconds, 75.0F);
}

TEST_F(DownloadTimersTest, ThePollOfAContinuousDownloadKeepsTheElapsedTimeRunning) {
  host.comm.Finished_ = false;
  timers().Timer4_Timer();
  EXPECT_EQ(message(), "Recieving Information from Gauge");
  EXPECT_FALSE(wizard->Import_Button[1]->isEnabled());
  ASSERT_TRUE(timers().Timer3.isActive());
  EXPECT_EQ(timers().Timer3.interval(), 1000);

  // Polls every 100 ms must not restart the running second: once part of it
  // has passed, a poll leaves no more of it to run.
  while (timers().Timer3.remainingTime() > 900) QApplication::processEvents(QEventLoop::AllEvents, 10);
  const int remaining = timers().Timer3.remainingTime();
  timers().Timer4_Timer();
  EXPECT_LE(timers().Timer3.remainingTime(), remaining);

  host.comm.Finished_ = true;
  host.programState.Download_Seconds = 12.0F;
  timers().Timer4_Timer();
  EXPECT_FALSE(timers().Timer3.isActive());
  EXPECT_EQ(timePanel->text(), "Waiting to Recieve...");
  EXPECT_EQ(message(), "Waiting to recieve data from Gauge");
  EXPECT_FLOAT_EQ(host.programState.Download_Seconds, 0.0F);
  EXPECT_TRUE(wizard->Import_Button[1]->isEnabled());
}

TEST_F(DownloadTimersTest, ACloseRequestAsTheLastDataArriveKeepsTheDownloadAndThenCloses) {
  platform::ui::ScriptedDialogs dialogs;
  platform::ui::ScopedDialogSeam seam(dialogs);
  line->silence().chars(testsupport::readData("t7310/wizard_runs.txt") + QByteArray("\xFD", 1));
  // The user closes the wizard once the end marker has been taken in and the
  // receive loop is about to end.
  int pausesAfterTheEnd = 0;
  wait->onPause = [&] {
    if (line->scriptDone() && ++pausesAfterTheEnd == 2) wizard->close();
  };
  testsupport::walkToPrepare(*wizard, 3);
  // Next on the prepare page: the download runs.
  wizard->Import_Button[0]->click();
  EXPECT_GE(pausesAfterTheEnd, 2);

  EXPECT_EQ(host.programState.Download_Status, instrument::status::Ok);
  EXPECT_EQ(host.comm.Tables_Created, "RUN4 RUN5 ");
  EXPECT_EQ(host.tree, "RUN4 RUN5 ");
  EXPECT_EQ(host.programState.Model_Code, 3);
  EXPECT_EQ(host.infoSaves, 1);
  EXPECT_EQ(testsupport::storedTables(), (QStringList{"RUN4", "RUN5"}));
  // The close came too late to cut anything: the note says the whole printout.
  EXPECT_EQ(host.statusText,
            "Status: The wizard was closed as the printout ended.  Runs kept: RUN4, RUN5.  "
            "This is the whole printout.");
  ASSERT_FALSE(wizard.isNull());
  EXPECT_FALSE(wizard->isVisible());
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(wizard.isNull());
}

// The stiffness gauge's printout has ended and the download waits for the
// silence that ends it (silence j is the j-th empty poll after the last
// character; each empty read stands for 1 ms of the test's clock).
class StiffnessEndWaitTest : public DownloadTimersTest {
 protected:
  StiffnessEndWaitTest() {
    QObject::connect(&host.comm, &Communication::firstTextReceived, [this] { firstPoll = line->polls(); });
  }
  int silencePolls() const { return firstPoll < 0 ? -1 : line->polls() - firstPoll - (printout.size() - 1); }
  void start() {
    testsupport::walkToPrepare(*wizard, 3);
    wizard->Import_Button[0]->click();
  }

  platform::ui::ScriptedDialogs dialogs;
  platform::ui::ScopedDialogSeam seam{dialogs};
  const QByteArray runs = testsupport::readData("t7310/wizard_runs.txt");
  // What the line brings, then silence.
  QByteArray printout = runs;
  int firstPoll = -1;

  // The close box 16 s into the wait for the end of printout.
  void closeDuringTheWait() {
    line->silence().chars(printout).silence(Communication::EmptyReadLimit + 1);
    wait->onPause = [&] {
      if (silencePolls() == 16000) wizard->close();
    };
    start();
  }
  static QString closedNote(const QString& kept) {
    return "Status: The wizard was closed after the line had fallen quiet; the download ended there.  " + kept;
  }
};

// The countdown starts with the silence and never rises, even when the
// passes of the loop slow down and the estimate of the seconds left with them.
TEST_F(StiffnessEndWaitTest, TheWizardCountsTheSecondsOfSilenceLeftDown) {
  line->silence().chars(runs).silence(Communication::EmptyReadLimit + 1);
  const QList<int> ticks{100, 1010, 5000, 6000, 8000, 20500};
  QMap<int, QString> shown;
  wait->onPause = [&] {
    const int j = silencePolls();
    if (j == 5000) wait->idleSeconds = 0.003;
    if (!ticks.contains(j)) return;
    timers().Timer3_Timer();
    shown[j] = wizard->End_Wait->isHidden() ? QString() : wizard->End_Wait->text();
  };
  start();
  // The seconds are an estimate, and a close keeps the runs: neither is
  // said as a promise or a plea.
  const QString waiting = "Waiting for the end of the printout: it ends after about %1 more seconds of silence.  "
                          "Closing the wizard now ends the download with the runs received whole; a run cut off is "
                          "dropped.";
  // A gap between characters shows nothing; a second of silence does.
  EXPECT_EQ(shown.value(100), "");
  EXPECT_EQ(shown.value(1010), waiting.arg(29));
  EXPECT_EQ(shown.value(5000), waiting.arg(25));
  EXPECT_EQ(shown.value(6000), waiting.arg(25));
  EXPECT_EQ(shown.value(8000), waiting.arg(25));
  EXPECT_EQ(shown.value(20500), waiting.arg(24));
  // The silence ended the download: the line goes with it.
  EXPECT_EQ(host.comm.Tables_Created, "RUN4 RUN5 ");
  EXPECT_TRUE(wizard->End_Wait->isHidden());
}

TEST_F(StiffnessEndWaitTest, APortLostDuringTheWaitKeepsTheRunsAndSaysSo) {
  line->silence().chars(runs).silence(3100).lose();
  start();
  EXPECT_EQ(host.programState.Download_Status, instrument::status::Ok);
  EXPECT_EQ(wizard->Wizard_Step, ImportWizard::DonePage);
  EXPECT_EQ(host.tree, "RUN4 RUN5 ");
  EXPECT_EQ(testsupport::storedTables(), (QStringList{"RUN4", "RUN5"}));
  const QString note =
      "The instrument's port was lost after the line had fallen quiet; the download ended there.  Runs kept: RUN4, "
      "RUN5.  Whether the printout went on after that is not known.";
  EXPECT_EQ(wizard->End_Note->text(), note);
  EXPECT_FALSE(wizard->End_Note->isHidden());
  EXPECT_EQ(host.statusText, "Status: " + note);
}

// A close during the wait ends the download as the silence would: the runs
// are kept, and the wizard closes once its driver has returned.
TEST_F(StiffnessEndWaitTest, ClosingTheWizardDuringTheWaitKeepsTheRuns) {
  closeDuringTheWait();
  EXPECT_EQ(host.programState.Download_Status, instrument::status::Ok);
  EXPECT_EQ(host.tree, "RUN4 RUN5 ");
  EXPECT_EQ(testsupport::storedTables(), (QStringList{"RUN4", "RUN5"}));
  // A gauge may pause between runs: the close keeps them, but no more is
  // known of the printout.
  EXPECT_EQ(host.statusText,
            closedNote("Runs kept: RUN4, RUN5.  Whether the printout went on after that is not known."));
  EXPECT_TRUE(wizard.isNull() || !wizard->isVisible());
}

// A printout stopped inside a run: that run is dropped and named.
TEST_F(StiffnessEndWaitTest, ClosingTheWizardDuringTheWaitDropsARunCutInTheMiddle) {
  printout = runs.left(runs.indexOf("1,100,115") + 10);
  closeDuringTheWait();
  EXPECT_EQ(host.programState.Download_Status, instrument::status::Ok);
  EXPECT_EQ(host.tree, "RUN4 ");
  EXPECT_EQ(testsupport::storedTables(), QStringList{"RUN4"});
  EXPECT_EQ(host.statusText, closedNote("Runs kept: RUN4.  RUN5 was cut off in the middle and dropped."));
}

}  // namespace
}  // namespace download
