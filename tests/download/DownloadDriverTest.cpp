// Downloads through the import wizard over a pseudo-terminal mapped to COM1:
// the test walks the pages, a thread plays the instrument's printout, and the
// driver runs inside the click on the prepare page's Next, with the real
// event loop (timers, Done, close requests) turning while it waits.

#include "download/DownloadDriver.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

#include "DownloadTestSupport.h"
#include "WizardTestHost.h"
#include "WizardWalk.h"
#include "download/FailureCause.h"
#include "download/ImportWizard.h"
#include "download/PanelStatusBar.h"
#include "download/ReceivingIndicator.h"
#include "download/StatusPanel.h"
#include "instrument/DBTablesFile.h"
#include "instrument/Parse.h"
#include "instrument/StatusCodes.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/SettingsFile.h"
#include "platform/serial/PseudoTerminal.h"
#include "platform/ui/ScriptedDialogs.h"
#include "support/FileSizeLimit.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

namespace download {
namespace {

namespace status = instrument::status;
using platform::ProgramFiles::TableList;

const QByteArray EndMarker("\xFD", 1);
const char* const MissingPort = "/dev/quorvane-no-such-port";
// The instrument plays its printout at this pace whatever the line speed, so
// the tests do not wait for 1200 baud.
constexpr int PlayBaud = 19200;

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// What the working database, the table-list file and the shared state held
// before a download.
struct DataSnapshot {
  QStringList tables;
  QByteArray tableList;
  QString Tables_Created;
  qint32 Model_Code = 0;
  QString Download_Title;
};

class DownloadDriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pty.ok());
    qputenv("QUORVANE_COM1", pty.slavePath().toLocal8Bit());
    for (const char* name : {"QUORVANE_COM2", "QUORVANE_COM3", "QUORVANE_COM4"}) qputenv(name, MissingPort);
    host.comm.setClock(clock);
    host.comm.setWait(wait);
    host.window.show();
    // A table of the previous database is selected.
    host.programState.Table_Name = QStringLiteral("125");
    host.programState.Test_Name = QStringLiteral("SOIL");
    openWizard();
  }

  void TearDown() override {
    delete wizard.data();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    host.comm.Close_Port();
    for (const char* name : {"QUORVANE_COM1", "QUORVANE_COM2", "QUORVANE_COM3", "QUORVANE_COM4"}) qunsetenv(name);
  }

  void openWizard() {
    wizard = new ImportWizard(host);
    wizard->show();
  }

  QString message(int i) const { return wizard->UserMessage[static_cast<std::size_t>(i)]->toPlainText(); }
  QPushButton& next() const { return *wizard->Import_Button[0]; }
  QPushButton& done() const { return *wizard->Import_Button[1]; }

  void walkToPrepare(int model, int type = 0) {
    ASSERT_EQ(wizard->Wizard_Step, 0);
    testsupport::walkToPrepare(*wizard, model, type);
    ASSERT_EQ(wizard->Wizard_Step, 5);
  }

  // Next on the prepare page: once the driver waits for the first character,
  // whileWaiting runs and the instrument starts printing; the click returns
  // when the driver has finished.
  void download(const QByteArray& printout, const std::function<void()>& whileWaiting = {}) {
    wait->onceWaiting = [this, printout, whileWaiting] {
      if (whileWaiting) whileWaiting();
      if (!printout.isEmpty()) pty.sendPaced(printout, PlayBaud, 0);
    };
    // The line as the program set it up, looked at while the port is open.
    const QMetaObject::Connection look =
        QObject::connect(&host.comm, &Communication::firstTextReceived, [this] { speed = lineSpeed(); });
    next().click();
    QObject::disconnect(look);
    // A download refused before it waited leaves the cue unused.
    wait->onceWaiting = nullptr;
    pty.waitSent();
  }

  // The wait for the first character runs out at once.
  void timeOut() { clock->shift += 31.0; }

  // Data of an earlier download: the N2600BX report, fed to the parser as the
  // receive loop would feed it.
  void makePreviousData() {
    instrument::Parse parse;
    ASSERT_EQ(parse.Initit(), status::Ok);
    for (char ch : testsupport::readData("n2600bx/wizard_report.txt")) {
      const auto c = static_cast<unsigned char>(ch);
      if (c == '\r' || (c >= 32 && c <= 90)) parse.Parse_N2600BX(QString(QChar(c)));
    }
    parse.DeInit();
    host.comm.Tables_Created = parse.retrn_message();
    host.programState.Model_Code = 2;
    host.programState.Download_Title = "Projects (Dwnld:8/1/06)";
    instrument::DBTables_File(instrument::DBTablesMode::Write, host.comm.Tables_Created,
                              host.programState.Model_Code);
    previous = snapshot();
    ASSERT_EQ(previous.tables, QStringList{"P617"});
  }

  DataSnapshot snapshot() const {
    return {testsupport::storedTables(), fileBytes(folder.path(TableList)), host.comm.Tables_Created,
            host.programState.Model_Code, host.programState.Download_Title};
  }

  void expectTimersStopped() const {
    DownloadTimers& timers = wizard->driver().timers();
    for (QTimer* timer : {&timers.Timer1, &timers.Timer2, &timers.Timer3, &timers.Timer4})
      EXPECT_FALSE(timer->isActive());
  }

  // The one line that ended the download, in the wizard and the status bar.
  void expectEndNote(const QString& line) {
    EXPECT_EQ(wizard->End_Note->text(), line);
    EXPECT_EQ(host.statusText, "Status: " + line);
  }
  static QString failedNote(int code) { return failureCause(code) + "  The earlier data are unchanged."; }

  void expectPreviousDataKept() const {
    const DataSnapshot now = snapshot();
    EXPECT_EQ(now.tables, previous.tables);
    EXPECT_EQ(now.tableList, previous.tableList);
    EXPECT_EQ(now.Tables_Created, previous.Tables_Created);
    EXPECT_EQ(now.Model_Code, previous.Model_Code);
    EXPECT_EQ(now.Download_Title, previous.Download_Title);
    EXPECT_EQ(testsupport::storedRows("P617", "RDNUM").size(), 3);
    EXPECT_FALSE(QFile::exists(folder.path(platform::ProgramFiles::DatabaseBackup)));
  }

  // After a download that ended in an error: the welcome page again, ready
  // for another try.
  void expectBackOnTheWelcomePage(const char* panelText) const {
    EXPECT_EQ(wizard->Wizard_Step, 0);
    EXPECT_EQ(wizard->Connection_Panel->text(), panelText);
    EXPECT_TRUE(wizard->Recieving_Frame->isHidden());
    EXPECT_TRUE(next().isEnabled());
    EXPECT_EQ(next().text(), "Next");
    EXPECT_TRUE(wizard->Com_Select[0]->isEnabled());
    EXPECT_TRUE(wizard->Device_Select[3]->isEnabled());
    expectTimersStopped();
    if (wizard->Time_Panel != nullptr) EXPECT_TRUE(wizard->Time_Panel->isHidden());
    EXPECT_TRUE(host.tabEnabled(0));
    EXPECT_FALSE(host.tabEnabled(1));
    EXPECT_TRUE(host.checkTimerRunning);
    EXPECT_FALSE(host.programState.longWork.running());
  }

  // After a download that succeeded: the done page, the new data registered.
  void expectDownloaded(int Model_Code, const QString& tables, const QString& titlePrefix,
                        int Download_Status = status::Ok) const {
    const instrument::ProgramState& state = host.programState;
    EXPECT_EQ(state.Download_Status, Download_Status);
    EXPECT_EQ(wizard->Wizard_Step, 7);
    EXPECT_EQ(message(0), "Gauge data import complete!");
    EXPECT_EQ(next().text(), "Finished");
    EXPECT_TRUE(next().isEnabled());
    EXPECT_TRUE(done().isHidden());
    EXPECT_EQ(wizard->Connection_Panel->text(), "Download Complete ");
    EXPECT_TRUE(wizard->Time_Panel->isHidden());
    EXPECT_TRUE(wizard->Recieving_Frame->isHidden());
    expectTimersStopped();
    EXPECT_TRUE(wizard->Com_Select[0]->isEnabled());

    EXPECT_EQ(state.Model_Code, Model_Code);
    EXPECT_EQ(host.comm.Tables_Created, tables);
    EXPECT_EQ(host.tree, tables);
    const QString title =
        titlePrefix + QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat) + ")";
    EXPECT_EQ(state.Download_Title, title);
    EXPECT_EQ(host.treeTitle, title);
    EXPECT_EQ(host.savedTitle, title);
    EXPECT_EQ(host.infoSaves, 1);
    EXPECT_TRUE(state.New_Data);
    EXPECT_TRUE(state.New_Download);
    EXPECT_TRUE(state.Table_Name.isEmpty());
    EXPECT_EQ(state.Test_Name, "NONE");
    EXPECT_EQ(fileBytes(folder.path(TableList)),
              QString("%1\r\n\"%2\"\r\n").arg(Model_Code).arg(tables).toLatin1());
    EXPECT_FALSE(QFile::exists(folder.path(platform::ProgramFiles::DatabaseBackup)));

    EXPECT_TRUE(host.tabEnabled(0));
    EXPECT_FALSE(host.tabEnabled(1));
    EXPECT_FALSE(host.tabEnabled(2));
    EXPECT_TRUE(host.checkTimerRunning);
    EXPECT_FALSE(host.control->portOpen());
    EXPECT_FALSE(state.longWork.running());
  }

  speed_t lineSpeed() const {
    const termios line = pty.slaveSettings();
    return cfgetispeed(&line);
  }

  testsupport::TempProgramFolder folder;
  testsupport::PseudoTerminal pty;
  std::shared_ptr<testsupport::ShiftedClock> clock = std::make_shared<testsupport::ShiftedClock>();
  std::shared_ptr<testsupport::QuickProbeWait> wait = std::make_shared<testsupport::QuickProbeWait>(*clock);
  testsupport::WizardTestHost host;
  platform::ui::ScriptedDialogs dialogs;
  platform::ui::ScopedDialogSeam seam{dialogs};
  QPointer<ImportWizard> wizard;
  DataSnapshot previous;
  speed_t speed = 0;
};

TEST_F(DownloadDriverTest, LoadFrameSingleDownloadShowsItsTestInTheTree) {
  makePreviousData();
  walkToPrepare(0);
  // What the start page shows while the driver waits.
  QString startText, waitingText, timeText;
  bool indicatorShown = false, optionsDisabled = false, busy = false, tabsDisabled = false;
  const auto lookAtStartPage = [&] {
    startText = message(0);
    waitingText = message(1);
    timeText = wizard->Time_Panel->text();
    indicatorShown = !wizard->Recieving_Frame->isHidden();
    optionsDisabled = !wizard->Com_Select[0]->isEnabled() && !wizard->Device_Select[0]->isEnabled();
    busy = host.programState.longWork.running() && !host.checkTimerRunning;
    tabsDisabled = !host.tabEnabled(0) && !host.tabEnabled(1) && !host.tabEnabled(2);
  };
  download(testsupport::readData("lx9100/wizard_single.txt"), lookAtStartPage);

  EXPECT_EQ(startText,
            "Select PRINT DATA from the LX9100. NOTE:  Gauge may finish transmitting before program has finished "
            "processing data.Please wait...");
  EXPECT_EQ(waitingText, "Waiting to recieve data from Gauge");
  EXPECT_EQ(timeText, "Timeout in 29 Seconds ");
  EXPECT_TRUE(indicatorShown);
  EXPECT_TRUE(optionsDisabled);
  EXPECT_TRUE(busy);
  EXPECT_TRUE(tabsDisabled);
  EXPECT_EQ(speed, static_cast<speed_t>(B19200));
  EXPECT_EQ(wizard->Text1->text(), "C");

  expectDownloaded(0, "CBR_LBR1 ", "Tests (Dwnld:");
  // It ends at the first test's END: whatever followed is not known.
  expectEndNote(
      "The download is complete.  Tests kept: CBR_LBR1.  A Single Download keeps the first test of the printout.");
  EXPECT_EQ(testsupport::storedTables(), QStringList{"CBR_LBR1"});
  const auto rows = testsupport::storedRows("CBR_LBR1", "READNUMBER");
  ASSERT_EQ(rows.size(), 3);
  EXPECT_DOUBLE_EQ(rows[2].value("CH1").toDouble(), 2.0);
  EXPECT_EQ(rows[0].value("CH1NAME").toString(), "(LOAD)");
  EXPECT_EQ(wizard->StatusBar1->panelCount(), 5);
  EXPECT_EQ(wizard->Time_Panel->key(), "Time_Status");
  EXPECT_EQ(wizard->Time_Panel->minWidthTwips(), 2500);
}

TEST_F(DownloadDriverTest, N2600ADownloadEndsAtItsEndMarker) {
  walkToPrepare(1);
  download(testsupport::readData("n2600a/wizard_report.txt") + EndMarker);
  EXPECT_EQ(speed, static_cast<speed_t>(B1200));
  expectDownloaded(1, "731 8.2 ", "Projects (Dwnld:");
  EXPECT_EQ(testsupport::storedTables(), (QStringList{"P731", "P82"}));
  EXPECT_EQ(testsupport::storedRows("P731", "RDNUM").size(), 2);
  const auto asphalt = testsupport::storedRows("P82", "RDNUM");
  ASSERT_EQ(asphalt.size(), 1);
  EXPECT_EQ(asphalt[0].value("SERNUM").toInt(), 24680);
}

TEST_F(DownloadDriverTest, N2600BXDownloadEndsAtTheReportsLastLine) {
  walkToPrepare(2);
  EXPECT_EQ(message(0),
            "Start Infared Download from Gauge.  From the Main Menu of the Gauge select Data(F1) and then select "
            "PROJECTS(F3). ");
  download(testsupport::readData("n2600bx/wizard_report.txt"));
  EXPECT_EQ(speed, static_cast<speed_t>(B1200));
  expectDownloaded(2, "61.7 ", "Projects (Dwnld:");
  EXPECT_EQ(testsupport::storedRows("P617", "RDNUM").size(), 3);
}

TEST_F(DownloadDriverTest, StiffnessGaugeAsksItsLineSpeed) {
  for (const auto answer : {platform::ui::MessageAnswer::No, platform::ui::MessageAnswer::Yes}) {
    SCOPED_TRACE(answer == platform::ui::MessageAnswer::Yes ? "Yes" : "No");
    dialogs.answers.enqueue(answer);
    dialogs.messages.clear();
    host.infoSaves = 0;
    walkToPrepare(3);
    download(testsupport::readData("t7310/wizard_runs.txt") + EndMarker);

    ASSERT_EQ(dialogs.messages.size(), 1);
    const platform::ui::MessageRequest& question = dialogs.messages[0];
    EXPECT_EQ(question.title, "Plintora Question");
    EXPECT_EQ(question.text,
              "Did you receive your Plintora or has this Plintora been updated by Quorvane after January 1, 2007?"
              "\r\n\r\nClick Yes if this is true, otherwise click No.");
    EXPECT_EQ(question.buttons, platform::ui::MessageButtons::YesNo);
    EXPECT_EQ(question.icon, platform::ui::MessageIcon::Question);
    EXPECT_EQ(host.comm.Baud_Rate(), answer == platform::ui::MessageAnswer::Yes ? 1200 : 4800);
    EXPECT_EQ(speed, answer == platform::ui::MessageAnswer::Yes ? static_cast<speed_t>(B1200)
                                                                      : static_cast<speed_t>(B4800));
    expectDownloaded(3, "RUN4 RUN5 ", "Run Number (Dwnld:");
    EXPECT_EQ(testsupport::storedRows("RUN4", "BIN_NUMBER").size(), 3);

    // Finished closes the wizard; the next download has a new one.
    next().click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(wizard.isNull());
    openWizard();
  }
}

TEST_F(DownloadDriverTest, ContinuousLoadFrameDownloadTakesThreeTestsUntilDone) {
  makePreviousData();
  // The three tests of the printout, each with its END and line ends.
  const QByteArray whole = testsupport::readData("lx9100/wizard_continuous.txt");
  const QByteArray testEnd = "END\r\n\r\n";
  QList<QByteArray> printouts;
  for (qsizetype from = 0, end = 0; (end = whole.indexOf(testEnd, from)) >= 0; from = end + testEnd.size())
    printouts.append(whole.mid(from, end + testEnd.size() - from));
  ASSERT_EQ(printouts.size(), 3);

  walkToPrepare(0, 1);
  // The instrument runs a test each time the wizard waits for one, and the
  // user presses Done after the third.
  int sent = 0;
  bool doneWhileReceiving = false, waitingTexts = true;
  QTimer user;
  user.setInterval(20);
  QObject::connect(&user, &QTimer::timeout, [&] {
    if (!wizard->driver().timers().Timer4.isActive()) return;
    if (!host.comm.Finished_) {
      doneWhileReceiving |= done().isEnabled() && message(1) == "Recieving Information from Gauge";
      return;
    }
    // Waiting for the next test: the poll of the continuous download has
    // enabled Done.
    if (host.comm.parser().retrn_message().count(' ') != sent || !done().isEnabled() ||
        wizard->Time_Panel->text() != "Waiting to Recieve...")
      return;
    waitingTexts &= message(1) == "Waiting to recieve data from Gauge" && done().text() == "Done";
    if (sent < printouts.size()) {
      pty.sendPaced(printouts[sent++], PlayBaud, 0);
    } else {
      done().click();
      user.stop();
    }
  });
  user.start();
  // Should Done never become usable, the test ends instead of waiting.
  QTimer::singleShot(20000, wizard, [&] { host.comm.Halt_ = true; });
  download({});

  EXPECT_EQ(sent, 3);
  EXPECT_FALSE(doneWhileReceiving);
  EXPECT_TRUE(waitingTexts);
  expectDownloaded(0, "MARSHALL1 UC1 TRIAXIAL1 ", "Tests (Dwnld:");
  EXPECT_EQ(testsupport::storedTables(), (QStringList{"MARSHALL1", "TRIAXIAL1", "UC1"}));
  EXPECT_EQ(testsupport::storedRows("TRIAXIAL1", "READNUMBER").size(), 3);
  EXPECT_EQ(host.longWorks, 1);
}

TEST_F(DownloadDriverTest, AnExitAskedForDuringAContinuousDownloadEndsItAtTheNextWait) {
  makePreviousData();
  walkToPrepare(0, 1);
  const QByteArray whole = testsupport::readData("lx9100/wizard_continuous.txt");
  const QByteArray firstTest = whole.left(whole.indexOf("END\r\n\r\n") + 7);
  bool sent = false;
  QTimer user;
  user.setInterval(20);
  QObject::connect(&user, &QTimer::timeout, [&] {
    if (!wizard->driver().timers().Timer4.isActive()) return;
    if (!sent) {
      pty.sendPaced(firstTest, PlayBaud, 0);
      sent = true;
    } else if (host.comm.Finished_ && host.comm.parser().retrn_message() == "MARSHALL1 ") {
      // The exit comes while the wizard waits for the next data set (the
      // loop also counts as finished before the first one arrives).
      host.programState.longWork.closeRequested = true;
    }
  });
  user.start();
  QTimer::singleShot(20000, wizard, [&] { host.comm.Halt_ = true; });
  download({});
  expectDownloaded(0, "MARSHALL1 ", "Tests (Dwnld:");
}

TEST_F(DownloadDriverTest, DonePressedBeforeAnyDataKeepsTheOldDataAsTheyWere) {
  makePreviousData();
  walkToPrepare(0, 1);
  download({}, [&] { done().click(); });
  expectPreviousDataKept();
  EXPECT_EQ(host.infoSaves, 0);
  expectBackOnTheWelcomePage("Not Connected ");
  EXPECT_FALSE(host.control->portOpen());
}

TEST_F(DownloadDriverTest, TimeoutLeavesTheDataAndASecondDownloadAddsNoPanel) {
  makePreviousData();
  walkToPrepare(2);
  const int treeBuilds = host.treeBuilds;
  download({}, [&] { timeOut(); });
  EXPECT_EQ(host.programState.Download_Status, status::PortError);
  expectBackOnTheWelcomePage("Communication Error ");
  expectPreviousDataKept();
  EXPECT_EQ(host.treeBuilds, treeBuilds);
  EXPECT_EQ(wizard->StatusBar1->panelCount(), 5);
  // The cause, shown until the user moves on.
  expectEndNote(failedNote(status::PortError));
  EXPECT_FALSE(wizard->End_Note->isHidden());

  walkToPrepare(2);
  EXPECT_TRUE(wizard->End_Note->isHidden());
  download(testsupport::readData("n2600bx/wizard_report.txt"));
  expectDownloaded(2, "61.7 ", "Projects (Dwnld:");
  EXPECT_EQ(wizard->StatusBar1->panelCount(), 5);
}

TEST_F(DownloadDriverTest, ClosingWhileWaitingAbandonsTheDownloadAndClosesAfterwards) {
  makePreviousData();
  walkToPrepare(1);
  bool refused = false, stillShown = false;
  download({}, [&] {
    refused = !wizard->close();
    stillShown = wizard->isVisible();
  });
  EXPECT_TRUE(refused);
  EXPECT_TRUE(stillShown);
  EXPECT_EQ(host.programState.Download_Status, status::PortError);
  expectPreviousDataKept();
  // Hidden when the driver has returned, and released by the event loop.
  ASSERT_FALSE(wizard.isNull());
  EXPECT_FALSE(wizard->isVisible());
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(wizard.isNull());
  EXPECT_TRUE(host.tabEnabled(0));
  EXPECT_TRUE(host.checkTimerRunning);
}

TEST_F(DownloadDriverTest, ClosingWhileReceivingPutsThePreviousDataBack) {
  makePreviousData();
  walkToPrepare(1);
  QObject::connect(&host.comm, &Communication::firstTextReceived, wizard,
                   [&] { QTimer::singleShot(0, wizard, [&] { wizard->close(); }); });
  download(testsupport::readData("n2600a/wizard_report.txt") + EndMarker);
  EXPECT_EQ(host.programState.Download_Status, status::Halted);
  expectPreviousDataKept();
  EXPECT_EQ(host.tree, previous.Tables_Created);
  EXPECT_EQ(host.statusText,
            "Status: The download was stopped when the wizard closed.  The earlier data are unchanged.");
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(wizard.isNull());
}

TEST_F(DownloadDriverTest, AFailedDownloadPutsThePreviousDataTreeAndListBack) {
  makePreviousData();
  const struct {
    QByteArray printout;
    int status;
    const char* panel;
  } failures[] = {
      // A character the instrument never sends, in the middle of a test.
      {testsupport::readData("lx9100/wizard_single.txt").insert(60, '\x80'), status::ForeignCharacter,
       "Communication Error "},
      // The end marker with nothing before it: the database file is deleted.
      {EndMarker, status::NoTablesCreated, "No Tables Created "},
  };
  for (const auto& failure : failures) {
    SCOPED_TRACE(failure.status);
    host.tree.clear();
    walkToPrepare(0);
    download(failure.printout);
    EXPECT_EQ(host.programState.Download_Status, failure.status);
    expectBackOnTheWelcomePage(failure.panel);
    // The end mark alone is an empty printout, whatever the model chosen.
    expectEndNote(failure.status == status::NoTablesCreated
                      ? "The printout was empty: its end came before any data.  The earlier data are unchanged."
                      : failedNote(failure.status));
    expectPreviousDataKept();
    EXPECT_EQ(host.tree, previous.Tables_Created);
  }
}

TEST_F(DownloadDriverTest, ALockedDatabaseIsNotTouched) {
  makePreviousData();
  // Another program's lock, as Qt's lock files hold it.
  QLockFile otherProgram(folder.path(platform::ProgramFiles::DatabaseLock));
  ASSERT_TRUE(otherProgram.tryLock(0));
  walkToPrepare(2);
  pty.readMaster(10);
  download({});
  EXPECT_EQ(host.programState.Download_Status, status::DatabaseLocked);
  expectBackOnTheWelcomePage("Database Connection Error ");
  EXPECT_TRUE(wizard->End_Note->text().contains(QStringLiteral("is in use by another running program")));
  EXPECT_EQ(wizard->Time_Panel, nullptr);
  EXPECT_FALSE(host.control->portOpen());
  EXPECT_TRUE(pty.readMaster(50).isEmpty());
  otherProgram.unlock();
  expectPreviousDataKept();
}

TEST_F(DownloadDriverTest, ADownloadWithNoRoomForTheCopyOfThePreviousDataIsRefused) {
  makePreviousData();
  walkToPrepare(2);
  pty.readMaster(10);
  {
    const testsupport::FileSizeLimit noRoom(1024);
    // Should the port open after all, the wait ends at once.
    download({}, [&] { timeOut(); });
  }
  // Refused as a locked database is: the port is never opened.
  EXPECT_EQ(host.programState.Download_Status, status::BackupFailed);
  expectBackOnTheWelcomePage("Database Error ");
  EXPECT_EQ(wizard->Time_Panel, nullptr);
  EXPECT_FALSE(host.control->portOpen());
  EXPECT_TRUE(pty.readMaster(50).isEmpty());
  expectEndNote(failedNote(status::BackupFailed));
  expectPreviousDataKept();
}

TEST_F(DownloadDriverTest, AProjectFileBeingReadCountsAsALockedDatabase) {
  makePreviousData();
  {
    const instrument::LongWorkScope reading(host.programState.longWork);
    walkToPrepare(2);
    pty.readMaster(10);
    download({});
  }
  EXPECT_EQ(host.programState.Download_Status, status::DatabaseLocked);
  expectBackOnTheWelcomePage("Database Connection Error ");
  EXPECT_TRUE(wizard->End_Note->text().startsWith("The download was not started.  The program was reading"));
  EXPECT_FALSE(host.control->portOpen());
  expectPreviousDataKept();
}

TEST_F(DownloadDriverTest, ADownloadIsRefusedWhileTheProgramCannotHoldItsFolder) {
  makePreviousData();
  host.programFolderHeld = false;
  walkToPrepare(2);
  pty.readMaster(10);
  download({});
  EXPECT_EQ(host.programState.Download_Status, status::DatabaseLocked);
  EXPECT_TRUE(wizard->End_Note->text().startsWith("The download was not started.  The program could not claim"));
  EXPECT_FALSE(host.control->portOpen());
  expectPreviousDataKept();
}

TEST_F(DownloadDriverTest, APortThatDoesNotOpenIsReported) {
  makePreviousData();
  walkToPrepare(2);
  qputenv("QUORVANE_COM1", MissingPort);
  download({});
  EXPECT_EQ(host.programState.Download_Status, status::PortError);
  EXPECT_EQ(dialogs.messageTexts(), QStringList{"Error with Port"});
  EXPECT_EQ(dialogs.messages[0].buttons, platform::ui::MessageButtons::Ok);
  EXPECT_EQ(wizard->Wizard_Step, 0);
  EXPECT_EQ(wizard->Connection_Panel->text(), "Communication Error ");
  EXPECT_TRUE(wizard->Time_Panel->isHidden());
  EXPECT_TRUE(next().isEnabled());
  expectPreviousDataKept();
  expectEndNote(
      "Error with Port COM1.  COM1 = /dev/quorvane-no-such-port (from the environment variable QUORVANE_COM1): "
      "there is no such device.  Check that the cable or USB adapter is plugged in, or map COM1 to its device in "
      "info/ComPorts.qvt.  The earlier data are unchanged.");
}

// After a failed try the port page offers only the ports that are there, and
// the line-speed question of the next try shows nothing of the last one.
TEST_F(DownloadDriverTest, ANewTryShowsNothingOfAFailedOne) {
  walkToPrepare(3);
  qputenv("QUORVANE_COM1", MissingPort);
  download({});
  ASSERT_EQ(wizard->Connection_Panel->text(), "Communication Error ");
  wizard->Time_Panel->setText("Time: 0 min 15 sec");
  next().click();
  // The failed try's panel goes with its note.
  EXPECT_EQ(wizard->Connection_Panel->text(), "Not Connected ");
  for (QRadioButton* port : wizard->Com_Select) EXPECT_FALSE(port->isEnabled());
  // The port chosen for the failed try is gone: it is no longer chosen.
  EXPECT_FALSE(wizard->Com_Select[0]->isChecked());
  EXPECT_FALSE(next().isEnabled());

  // Plugged in again: back and on, the port page offers it.
  qputenv("QUORVANE_COM1", pty.slavePath().toLocal8Bit());
  wizard->Import_Button[1]->click();
  QStringList behindTheQuestion;
  dialogs.onMessage = [&](const platform::ui::MessageRequest&) {
    behindTheQuestion = {wizard->Connection_Panel->text(), wizard->Time_Panel->text()};
  };
  walkToPrepare(3);
  download({}, [&] { timeOut(); });
  EXPECT_EQ(behindTheQuestion, (QStringList{"Not Connected ", "Timeout in 29 Seconds "}));
}

// Start-up refused the table list, or it named no tables: the download starts
// with an empty list over a database that holds tables, and fails before any
// data.
TEST_F(DownloadDriverTest, ADownloadFailingBeforeAnyDataKeepsADatabaseWithARefusedOrEmptyList) {
  makePreviousData();
  const QByteArray refusedList = "2\r\n\"P617 \"\r\n" + QByteArray(platform::SettingsFileLimit, ' ');
  for (const QByteArray& list : {refusedList, QByteArray("2\r\n")}) {
    SCOPED_TRACE(list.size());
    QFile file(folder.path(TableList));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(list) == list.size());
    file.close();
    host.comm.Tables_Created.clear();
    previous = snapshot();
    walkToPrepare(2);
    if (list != refusedList) qputenv("QUORVANE_COM1", MissingPort);
    download({}, [&] { timeOut(); });
    EXPECT_EQ(host.programState.Download_Status, status::PortError);
    expectPreviousDataKept();
  }
}

// --- A port that goes away, tests back to back, a close that keeps tests ----

// The first test of the continuous printout and, when given, the start of the
// second: its test-type line and a little more.
QByteArray continuousPrintout(qsizetype ofSecond) {
  const QByteArray whole = testsupport::readData("lx9100/wizard_continuous.txt");
  return whole.left(whole.indexOf("END\r\n\r\n") + 7 + ofSecond);
}

TEST_F(DownloadDriverTest, APortLostHalfWayFailsASingleDownloadAndPutsThePreviousDataBack) {
  makePreviousData();
  walkToPrepare(0);
  const QByteArray printout = testsupport::readData("lx9100/wizard_single.txt");
  // The cable comes out after the first half of the printout.
  QObject::connect(&host.comm, &Communication::firstTextReceived, wizard,
                   [&] { QTimer::singleShot(300, wizard, [&] { pty.hangUp(); }); });
  download(printout.left(printout.size() / 2));
  EXPECT_EQ(host.programState.Download_Status, status::PortLost);
  expectBackOnTheWelcomePage("Communication Error ");
  // What became of the earlier data is said too, not "Waiting for data".
  expectEndNote(failedNote(status::PortLost));
  expectPreviousDataKept();
  EXPECT_EQ(host.tree, previous.Tables_Created);
}

// The instrument plays printout as the continuous download starts; act runs at
// the first tick of the user's timer where ready holds.
void playContinuous(testsupport::PseudoTerminal& pty, ImportWizard& wizard, const QByteArray& printout,
                    const std::function<bool()>& ready, const std::function<void()>& act) {
  bool sent = false;
  auto* user = new QTimer(&wizard);
  user->setInterval(20);
  QObject::connect(user, &QTimer::timeout, [&pty, &wizard, printout, ready, act, sent, user]() mutable {
    if (!wizard.driver().timers().Timer4.isActive()) return;
    if (!sent) {
      pty.sendPaced(printout, PlayBaud, 0);
      sent = true;
    } else if (ready()) {
      user->stop();
      act();
    }
  });
  user->start();
  // Should the moment never come, the test ends instead of waiting.
  QTimer::singleShot(20000, &wizard, [user] { user->stop(); });
}

TEST_F(DownloadDriverTest, APortLostHalfWayKeepsTheCompleteTestsOfAContinuousDownload) {
  makePreviousData();
  walkToPrepare(0, 1);
  playContinuous(
      pty, *wizard, continuousPrintout(40),
      [&] { return host.comm.parser().retrn_message() == "MARSHALL1 UC1 " && !host.comm.Finished_; },
      [&] { pty.hangUp(); });
  QTimer::singleShot(25000, wizard, [&] { host.comm.Halt_ = true; });
  download({});

  expectDownloaded(0, "MARSHALL1 ", "Tests (Dwnld:", status::PortLost);
  EXPECT_EQ(testsupport::storedTables(), QStringList{"MARSHALL1"});
  EXPECT_EQ(testsupport::storedRows("MARSHALL1", "READNUMBER").size(), 2);
  EXPECT_EQ(wizard->End_Note->text(),
            failureCause(status::PortLost) + "  Tests kept: MARSHALL1.  The test in progress was dropped.");
  EXPECT_FALSE(wizard->End_Note->isHidden());
}

TEST_F(DownloadDriverTest, TestsSentBackToBackAreAllStoredAndDoneComesAfterTheLast) {
  makePreviousData();
  walkToPrepare(0, 1);
  bool donePressed = false;
  // Timer4 enables Done at its next tick after the last test.
  playContinuous(
      pty, *wizard, testsupport::readData("lx9100/back_to_back.txt"),
      [&] { return host.comm.Finished_ && host.comm.parser().retrn_message().count(' ') == 2 && done().isEnabled(); },
      [&] {
        donePressed = true;
        done().click();
      });
  QTimer::singleShot(25000, wizard, [&] { host.comm.Halt_ = true; });
  download({});

  EXPECT_TRUE(donePressed);
  expectDownloaded(0, "UC1 MARSHALL1 ", "Tests (Dwnld:");
  EXPECT_EQ(wizard->End_Note->text(), "The download was ended with Done.  Tests kept: UC1, MARSHALL1.");
  EXPECT_EQ(testsupport::storedRows("UC1", "READNUMBER").size(), 2);
  EXPECT_EQ(testsupport::storedRows("MARSHALL1", "READNUMBER").size(), 3);
}

TEST_F(DownloadDriverTest, ClosingAContinuousDownloadKeepsItsCompleteTests) {
  makePreviousData();
  // Closed while the wizard waits for the next test, and while the next test
  // arrives (that one is cut off and goes).
  for (const qsizetype ofSecond : {0, 40}) {
    SCOPED_TRACE(ofSecond);
    walkToPrepare(0, 1);
    bool refused = false;
    playContinuous(
        pty, *wizard, continuousPrintout(ofSecond),
        [&] {
          const QString made = host.comm.parser().retrn_message();
          return ofSecond == 0 ? made == "MARSHALL1 " && host.comm.Finished_ : made == "MARSHALL1 UC1 ";
        },
        [&] { refused = !wizard->close(); });
    QTimer::singleShot(25000, wizard, [&] { host.comm.Halt_ = true; });
    download({});

    EXPECT_TRUE(refused);
    EXPECT_EQ(host.programState.Download_Status, status::Ok);
    EXPECT_EQ(host.comm.Tables_Created, "MARSHALL1 ");
    EXPECT_EQ(host.statusText, QString("Status: The download was stopped when the wizard closed.  Tests kept: "
                                       "MARSHALL1.") +
                                   (ofSecond == 0 ? "" : "  The test in progress was dropped."));
    EXPECT_EQ(host.tree, "MARSHALL1 ");
    EXPECT_EQ(testsupport::storedTables(), QStringList{"MARSHALL1"});
    EXPECT_EQ(fileBytes(folder.path(TableList)), "0\r\n\"MARSHALL1 \"\r\n");
    EXPECT_FALSE(QFile::exists(folder.path(platform::ProgramFiles::DatabaseBackup)));
    EXPECT_FALSE(host.control->portOpen());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(wizard.isNull());
    openWizard();
  }
}

}  // namespace
}  // namespace download
