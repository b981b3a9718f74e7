#include "download/Communication.h"

#include <QDir>
#include <gtest/gtest.h>

#include "DownloadTestSupport.h"
#include "instrument/DeviceType.h"
#include "instrument/StatusCodes.h"
#include "platform/serial/CommCodes.h"
#include "platform/serial/CommControl.h"
#include "platform/serial/ScriptedSerialDevice.h"
#include "support/FileSizeLimit.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

namespace {

namespace status = instrument::status;
namespace DeviceType = instrument::DeviceType;
using download::Communication;
using platform::ScriptedLine;

const QByteArray LoadFrameTest =
    "CBR/LBR TEST\r\nRD #, TIME, (LOAD), (), (), ()\r\n1, 00:00:05, 1.23456, 2, 3, 4\r\nEND\r\n";
const QByteArray SecondLoadFrameTest = "MARSHALL TEST\r\n1, 00:00:07, 5, 6, 7, 8\r\n2, 00:00:08, 9, 1, 2, 3\r\nEND\r\n";
const QByteArray EndMarker("\xFD", 1);

// Communication on a scripted COM1, with a clock and wait that the test runs.
class CommunicationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    comm.setComm_Object(&control);
    comm.setClock(clock);
    comm.setWait(wait);
    comm.setSerial_Port(1);
    comm.setBaud_Rate(19200);
  }

  // The line of COM1, with the one silent poll that ends the discard of stale
  // input at the start of GetData.
  ScriptedLine& script() { return line->silence(); }

  // Another download of the same test on a line of its own, so that nothing
  // of the last script is left to read and its polls count from 0.
  void useFreshLine(int port) {
    line = devices->line(port);
    comm.setSerial_Port(port);
  }

  int download(int device_type, bool Disable_Timer = false) {
    EXPECT_EQ(comm.RunTest(), status::Ok);
    return comm.GetData(device_type, Disable_Timer);
  }

  // Runs action once, at the first pause of the loop where condition holds.
  // The callback stays installed and only marks itself spent: clearing
  // onPause from inside would destroy the closure that is running.
  void atPause(std::function<bool()> condition, std::function<void()> action) {
    wait->onPause = [condition, action, spent = false]() mutable {
      if (spent || !condition()) return;
      spent = true;
      action();
    };
  }

  testsupport::TempProgramFolder folder;
  std::shared_ptr<platform::ScriptedDeviceProvider> devices = std::make_shared<platform::ScriptedDeviceProvider>();
  std::shared_ptr<ScriptedLine> line = devices->line(1);
  platform::CommControl control{devices};
  std::shared_ptr<testsupport::FakeClock> clock = std::make_shared<testsupport::FakeClock>();
  std::shared_ptr<testsupport::ScriptedWait> wait = std::make_shared<testsupport::ScriptedWait>(*clock);
  int Download_Status = -100;
  Communication comm{&Download_Status};
};

// --- Port probe and opening ---------------------------------------------

TEST_F(CommunicationTest, ProbeTellsFreeModemBusyAndMissingPortsAndClosesThem) {
  devices->line(2)->answerOutputWith("ATI1\r\r\nOK\r\n");
  devices->line(3)->setPresence(ScriptedLine::Presence::InUse);
  EXPECT_EQ(comm.AvailablePorts(), "1mox");
  for (int port : {1, 2}) {
    EXPECT_FALSE(devices->line(port)->isOpen()) << port;
    EXPECT_EQ(devices->line(port)->sent(), "ATI1\r") << port;
    EXPECT_EQ(devices->line(port)->settings()->toString(), "9600,N,8,1") << port;
  }
  EXPECT_FALSE(control.portOpen());
  // A free port is given two seconds to answer; the modem answers at once.
  EXPECT_NEAR(clock->now, 2.0, 0.06);
  EXPECT_EQ(wait->idles + wait->yields, 0);  // the probe does not yield
}

TEST_F(CommunicationTest, ProbeLeavesTheRunningDownloadAlone) {
  for (int port : {2, 3, 4}) devices->line(port);
  ASSERT_EQ(comm.RunTest(), status::Ok);
  EXPECT_EQ(comm.AvailablePorts(), "o234");
  EXPECT_TRUE(control.portOpen());
  EXPECT_EQ(control.commPort(), 1);
  EXPECT_EQ(control.settings(), "19200,N,8,1");
  EXPECT_EQ(line->opens(), 1);
  EXPECT_TRUE(line->sent().isEmpty());

  // Once the port is closed the probe uses the control again.
  comm.Close_Port();
  EXPECT_EQ(comm.AvailablePorts(), "1234");
  EXPECT_FALSE(control.portOpen());
}

TEST_F(CommunicationTest, RunTestOpensThePortForADownload) {
  comm.setBaud_Rate(1200);
  comm.Stop_ = comm.Halt_ = true;
  ASSERT_EQ(comm.RunTest(), status::Ok);
  EXPECT_EQ(line->settings()->toString(), "1200,N,8,1");
  EXPECT_EQ(line->handshaking(), platform::Handshaking::XonXoff);
  EXPECT_EQ(control.inputLen(), 1);
  EXPECT_EQ(control.inBufferSize(), 20242);
  EXPECT_FALSE(comm.Stop_);
  EXPECT_FALSE(comm.Halt_);
  EXPECT_TRUE(comm.Finished_);

  // Opening again closes the port first.
  ASSERT_EQ(comm.RunTest(), status::Ok);
  EXPECT_EQ(line->opens(), 2);
  EXPECT_EQ(comm.Close_Port(), 0);
  EXPECT_FALSE(line->isOpen());
  EXPECT_EQ(comm.Comm_Object(), &control);
}

TEST_F(CommunicationTest, PortErrors) {
  comm.setSerial_Port(4);  // no device
  EXPECT_EQ(comm.RunTest(), status::PortError);
  comm.setSerial_Port(1);
  comm.setBaud_Rate(0);  // not a line speed
  EXPECT_EQ(comm.RunTest(), status::PortError);

  Communication unattached;
  EXPECT_EQ(unattached.RunTest(), status::PortError);
  EXPECT_EQ(unattached.AvailablePorts(), "xxxx");
  EXPECT_EQ(unattached.Close_Port(), platform::CommError::ObjectNotSet);
}

// --- Waiting for the first character ------------------------------------

TEST_F(CommunicationTest, NoFirstCharacterWithinThirtySeconds) {
  comm.Tables_Created = "OLD1 ";
  EXPECT_EQ(download(DeviceType::LoadFrameSingle), status::PortError);
  EXPECT_GT(clock->now, 30.0);
  EXPECT_LT(clock->now, 30.01);
  EXPECT_EQ(comm.Tables_Created, "OLD1 ");
  EXPECT_TRUE(comm.Finished_);

  // A first character just in time starts the download.
  comm.Close_Port();
  clock->now = 0;
  script().silence(29998).chars(LoadFrameTest);
  EXPECT_EQ(download(DeviceType::LoadFrameSingle), status::Ok);
  EXPECT_EQ(comm.Tables_Created, "CBR_LBR1 ");
}

TEST_F(CommunicationTest, WithoutTimerTheWaitLastsUntilStopOrHalt) {
  comm.Tables_Created = "OLD1 ";
  atPause([&] { return clock->now > 100.0; }, [&] { comm.Stop_ = true; });
  EXPECT_EQ(download(DeviceType::LoadFrameContinuous, true), status::Ok);
  EXPECT_EQ(comm.Tables_Created, "OLD1 ");

  atPause([&] { return clock->now > 40.0; }, [&] { comm.Halt_ = true; });
  comm.setSerial_Port(1);
  ASSERT_EQ(comm.RunTest(), status::Ok);
  clock->now = 0;
  EXPECT_EQ(comm.GetData(DeviceType::LoadFrameContinuous, true), status::PortError);
}

TEST_F(CommunicationTest, StaleInputAndLineEndsBeforeTheFirstCharacterAreSkipped) {
  QString firstText;
  QObject::connect(&comm, &Communication::firstTextReceived, [&](const QString& text) { firstText = text; });
  line->chars("STALE").silence().chars("\r\n\n\r").chars(LoadFrameTest);
  EXPECT_EQ(download(DeviceType::LoadFrameSingle), status::Ok);
  EXPECT_EQ(firstText, "C");
  EXPECT_EQ(comm.Tables_Created, "CBR_LBR1 ");
}

TEST_F(CommunicationTest, OverflowWhileWaitingKeepsThePreviousData) {
  script().chars(LoadFrameTest);
  ASSERT_EQ(download(DeviceType::LoadFrameSingle), status::Ok);
  comm.Close_Port();

  script().arrive(QByteArray(20243, '\n'));
  EXPECT_EQ(download(DeviceType::LoadFrameSingle), status::OverflowWaiting);
  comm.Close_Port();
  EXPECT_EQ(comm.Tables_Created, "CBR_LBR1 ");
  EXPECT_EQ(testsupport::storedTables(), QStringList{"CBR_LBR1"});
}

// --- Reception -----------------------------------------------------------

TEST_F(CommunicationTest, EndMarkerAfterAPrintoutCompletesIt) {
  script().chars(LoadFrameTest).chars(EndMarker);
  // The load frame's END alone completes a single download.
  EXPECT_EQ(download(DeviceType::LoadFrameSingle), status::Ok);
  comm.Close_Port();

  // A stiffness printout ends with the end marker.
  script().chars("R#,  5,M:, 1.5,CF:, 0.98,D:, 06/01/2004,T:, 10:20:30\r\n1,100,1,2,3,4,5,6,7,8,0,0,12.5 13.2\r\n")
      .chars(EndMarker)
      .chars("Z");
  EXPECT_EQ(download(DeviceType::T7310), status::Ok);
  EXPECT_EQ(comm.Tables_Created, "RUN5 ");
  EXPECT_TRUE(comm.Finished_);
  EXPECT_EQ(testsupport::storedTables(), QStringList{"RUN5"});
  EXPECT_EQ(testsupport::storedRows("RUN5", "BIN_NUMBER").size(), 2);
}

TEST_F(CommunicationTest, OnlyPrintableUpperCaseTextAndCarriageReturnsReachTheParser) {
  // Lower case, codes 91 to 127 and line feeds inside the fields would spoil
  // the test-type line and the numbers if they were passed on.
  script().chars(
      "CBR/L\nBR T[E]ST\r\n"
      "RD #, TIME, (LOAD), (), (), ()\r\n"
      "1, 00:00:05, 1.2\x7F" "3_4`5{6|}~, 2, 3, 4abc\r\n"
      "END\r\n");
  ASSERT_EQ(download(DeviceType::LoadFrameSingle), status::Ok);
  comm.Close_Port();
  const auto rows = testsupport::storedRows("CBR_LBR1", "READNUMBER");
  ASSERT_EQ(rows.size(), 1);
  EXPECT_DOUBLE_EQ(rows[0].value("CH1").toDouble(), 1.2346);
  EXPECT_DOUBLE_EQ(rows[0].value("CH4").toDouble(), 4.0);
  EXPECT_EQ(rows[0].value("TIME").toString(), "00:00:05");
}

TEST_F(CommunicationTest, EmptyReadsAfterACarriageReturnAreFedAsEmptyText) {
  // An N2600BX report without its closing line ends after 1001 empty calls.
  // (Only after a carriage return: after CR LF the last code is a line feed,
  // which is not passed on, so its lines end in CR alone here.)
  QByteArray report = testsupport::readData("n2600bx/one_project.txt");
  report.truncate(report.lastIndexOf(" B"));
  report.replace("\r\n", "\r");
  script().chars(report).silence(5000);
  ASSERT_EQ(download(DeviceType::N2600BX), status::Ok);
  EXPECT_EQ(comm.Tables_Created, "4.5 ");
  EXPECT_EQ(line->polls(), 1 + report.size() + 1001);
  // A silence, not the report's closing line: the end line claims no more.
  EXPECT_EQ(comm.receiveEnd(), Communication::ReceiveEnd::SilenceLimit);

  // A character that is not passed on stops the empty calls: the report does
  // not end, and a density gauge that falls silent overflows.
  comm.Close_Port();
  script().chars(report).chars("x").silence(40000);
  EXPECT_EQ(download(DeviceType::N2600BX), status::ReceiveOverflow);
}

TEST_F(CommunicationTest, EmptyReadLimitOfDensityGauges) {
  const QByteArray start = "COMPACTION CONTROL DATA REPORT   NS-2600A SERIAL: 12345   CALIBRATION DATE:01/15/05\r\n";
  script().chars(start).chars("A").silence(30000).chars("B").silence(30001).chars("C");
  EXPECT_EQ(download(DeviceType::N2600A), status::ReceiveOverflow);
  // Told apart from an overflow of the port, which the same status means.
  EXPECT_EQ(comm.receiveEnd(), Communication::ReceiveEnd::SilenceLimit);
  EXPECT_EQ(line->polls(), 1 + start.size() + 1 + 30000 + 1 + 30001);
  EXPECT_EQ(comm.Download_Status(), status::Ok);  // left by Initit
}

TEST_F(CommunicationTest, SilenceEndsASingleLoadFrameOrStiffnessDownloadWithItsTables) {
  // A test cut off before its END.
  script().chars("CBR/LBR TEST\r\n1, 00:00:05, 1, 2, 3, 4\r\n").silence(30000).chars("2").silence(30001).chars("9");
  EXPECT_EQ(download(DeviceType::LoadFrameSingle), status::Ok);
  EXPECT_EQ(comm.Tables_Created, "CBR_LBR1 ");
  EXPECT_EQ(comm.recordUnfinished(), "CBR_LBR1");
  comm.Close_Port();
  EXPECT_EQ(testsupport::storedRows("CBR_LBR1", "READNUMBER").size(), 1);
}

TEST_F(CommunicationTest, SilenceBeforeAnyTableIsNoSuccess) {
  comm.Tables_Created = "OLD1 ";
  script().chars("NOT A PRINTOUT\r\n").silence(30001);
  EXPECT_EQ(download(DeviceType::T7310), status::NoTablesCreated);
  EXPECT_EQ(comm.Tables_Created, "");
  EXPECT_FALSE(testsupport::databaseExists());
}

TEST_F(CommunicationTest, EndMarkersWithoutTables) {
  // 202 as the very first character: an empty printout.
  script().chars("\xCA").chars("AB");
  EXPECT_EQ(download(DeviceType::N2600A), status::NoTablesCreated);
  EXPECT_FALSE(testsupport::databaseExists());
  EXPECT_TRUE(comm.printoutEmpty());
  comm.Close_Port();

  script().chars("JUNK\r\n").chars(EndMarker).chars("Z");
  EXPECT_EQ(download(DeviceType::N2600BX), status::NoTablesCreated);
  EXPECT_FALSE(testsupport::databaseExists());
  EXPECT_FALSE(comm.printoutEmpty());
}

TEST_F(CommunicationTest, ForeignCharacters) {
  script().chars("CBR/LBR TEST\r\n\xC8").chars(LoadFrameTest);
  EXPECT_EQ(download(DeviceType::LoadFrameSingle), status::ForeignCharacter);
  comm.Close_Port();
  // 202 later than the first character is foreign too.
  script().chars("CBR/LBR TEST\r\n\xCA");
  EXPECT_EQ(download(DeviceType::LoadFrameSingle), status::ForeignCharacter);
}

TEST_F(CommunicationTest, HaltDuringReceptionAbandonsTheDownload) {
  script().chars("CBR/LBR TEST\r\n1, 00:00:05, 1, 2, 3, 4\r\n").silence(100);
  atPause([&] { return !comm.Finished_ && line->polls() > 30; }, [&] { comm.Halt_ = true; });
  EXPECT_EQ(download(DeviceType::LoadFrameSingle), status::Halted);
  EXPECT_EQ(comm.Tables_Created, "");
  EXPECT_EQ(comm.parser().retrn_message(), "CBR_LBR1 ");
}

TEST_F(CommunicationTest, OverflowDuringReceptionLeavesAnEmptyDatabase) {
  script().chars("CBR/LBR TEST\r\n1, 00:00:05, 1, 2, 3, 4\r\n").arrive(QByteArray(30000, '5'));
  EXPECT_EQ(download(DeviceType::LoadFrameSingle), status::ReceiveOverflow);
  comm.Close_Port();
  EXPECT_TRUE(testsupport::databaseExists());
  EXPECT_EQ(testsupport::storedTables(), QStringList{});
}

TEST_F(CommunicationTest, StiffnessPrintoutRejected) {
  script().chars("R#,  5,M:, 1.5,CF:, 0.98,D:, 06/01/2004,T:, 10:20:30\r\n1,100,99999999999,2\r\n");
  EXPECT_EQ(download(DeviceType::T7310), status::StiffnessRejected);
}

TEST_F(CommunicationTest, StopDuringReceptionFinishesWithTheTablesSoFar) {
  script().chars("CBR/LBR TEST\r\n1, 00:00:05, 1, 2, 3, 4\r\n").silence(100);
  atPause([&] { return line->polls() > 30; }, [&] { comm.Stop_ = true; });
  EXPECT_EQ(download(DeviceType::LoadFrameSingle), status::Ok);
  EXPECT_EQ(comm.Tables_Created, "CBR_LBR1 ");
}

TEST_F(CommunicationTest, DatabaseFailureEndsTheDownloadWithItsStatus) {
  // The info folder is a file: no database can be made.
  comm.Tables_Created = "OLD1 ";
  QDir(folder.path("info")).removeRecursively();
  QFile blocker(folder.path("info"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  script().chars(LoadFrameTest).chars(EndMarker);
  const int result = download(DeviceType::LoadFrameSingle);
  EXPECT_TRUE(result == status::CreateFailed || result == status::DatabaseMissing) << result;
  EXPECT_EQ(Download_Status, result);
  EXPECT_EQ(comm.Tables_Created, "OLD1 ");
}

// The database outgrows the room left on the disk part-way through the
// printout: what was stored is not all of it, so the download fails.
TEST_F(CommunicationTest, ADiskThatFillsDuringTheDownloadFailsItWithADatabaseStatus) {
  QByteArray printout = "CBR/LBR TEST\r\nRD #, TIME, (A), (B), (C), (D)\r\n";
  for (int i = 1; i <= 5000; ++i) printout += QByteArray::number(i) + ", 00:00:01, 1.5, 2.5, 3.5, 4.5\r\n";
  script().chars(printout + "END\r\n").chars(EndMarker);
  comm.Tables_Created = QStringLiteral("OLD1 ");
  int result = 0;
  {
    const testsupport::FileSizeLimit full(96 * 1024);
    result = download(DeviceType::LoadFrameSingle);
  }
  EXPECT_EQ(result, status::DatabaseWriteFailed);
  EXPECT_EQ(comm.Tables_Created, "OLD1 ");
}

// --- A port that goes away ---------------------------------------------------

TEST_F(CommunicationTest, ALostPortEndsASingleDownloadAtOnceAsAFailure) {
  const struct {
    int device_type;
    QByteArray printout;
  } cutOff[] = {
      {DeviceType::LoadFrameSingle, "CBR/LBR TEST\r\n1, 00:00:05, 1, 2, 3, 4\r\n"},
      {DeviceType::T7310, testsupport::readData("t7310/three_runs.txt").left(120)},
      // A density gauge used to run into its empty-read limit: an overflow.
      {DeviceType::N2600A, testsupport::readData("n2600a/dotted_ids.txt").left(80)},
      // Gone before the first character.
      {DeviceType::N2600BX, {}},
  };
  for (const auto& cut : cutOff) {
    SCOPED_TRACE(cut.device_type);
    comm.Tables_Created = "OLD1 ";
    clock->now = 0;
    script().chars(cut.printout).lose();
    EXPECT_EQ(download(cut.device_type), status::PortLost);
    EXPECT_LT(clock->now, 1.0);
    EXPECT_FALSE(control.portOpen());
    EXPECT_EQ(comm.Tables_Created, "OLD1 ");
    EXPECT_FALSE(comm.keptCompleteTests());
    comm.Close_Port();
    line->setPresence(ScriptedLine::Presence::Present);
  }
}

// The stiffness gauge has no end mark: after its last line the download only
// waits for the silence that ends it. Whether the line is quiet is measured by
// the clock, however slowly the loop passes on a busy computer.
TEST_F(CommunicationTest, APortLostOnAQuietLineEndsAStiffnessDownloadAsItsSilenceWould) {
  const QByteArray runs = testsupport::readData("t7310/three_runs.txt");
  wait->idleSeconds = 0.002;
  // Lost 2.9 s after the last character, while the line may still bring
  // data: a failure, the earlier data kept.
  comm.Tables_Created = "OLD1 ";
  script().chars(runs).silence(1450).lose();
  EXPECT_EQ(download(DeviceType::T7310), status::PortLost);
  EXPECT_EQ(comm.Tables_Created, "OLD1 ");
  EXPECT_FALSE(comm.endedAsSilence());
  comm.Close_Port();
  line->setPresence(ScriptedLine::Presence::Present);

  // Lost 4 s after it, in 2000 slow passes.
  script().chars(runs).silence(2000).lose();
  EXPECT_EQ(download(DeviceType::T7310), status::Ok);
  EXPECT_TRUE(comm.endedAsSilence());
  EXPECT_EQ(comm.Tables_Created, "RUN1 RUN2 RUN3 ");
  comm.Close_Port();
  EXPECT_EQ(testsupport::storedTables(), (QStringList{"RUN1", "RUN2", "RUN3"}));
}

// A pause inside a printout is no end of it: the port lost after a long
// quiet ends the download as its silence would only between runs.
TEST_F(CommunicationTest, APortLostAfterAPrintoutCutInsideARunIsAFailure) {
  const QByteArray runs = testsupport::readData("t7310/three_runs.txt");
  const qsizetype run2Bins = runs.indexOf("1,100,220");
  comm.Tables_Created = "OLD1 ";
  script().chars(runs.left(run2Bins + 12)).silence(8000).lose();
  EXPECT_EQ(download(DeviceType::T7310), status::PortLost);
  EXPECT_FALSE(comm.endedAsSilence());
  EXPECT_EQ(comm.Tables_Created, "OLD1 ");
  comm.Close_Port();
  line->setPresence(ScriptedLine::Presence::Present);

  // Cut where run 2 ends, before run 3's header.
  script().chars(runs.left(runs.indexOf("Run#"))).silence(8000).lose();
  EXPECT_EQ(download(DeviceType::T7310), status::Ok);
  EXPECT_TRUE(comm.endedAsSilence());
  EXPECT_EQ(comm.Tables_Created, "RUN1 RUN2 ");
  comm.Close_Port();
  line->setPresence(ScriptedLine::Presence::Present);

  // Cut right after run 3's header line: run 3 goes, and is named.
  const qsizetype run3Header = runs.indexOf("Run#");
  script().chars(runs.left(runs.indexOf("\r\n", run3Header) + 2)).silence(8000).lose();
  EXPECT_EQ(download(DeviceType::T7310), status::Ok);
  EXPECT_EQ(comm.recordDropped(), "RUN3");
  EXPECT_EQ(comm.Tables_Created, "RUN1 RUN2 ");
}

// The wizard shows the wait for the end of the printout after a second of
// silence; a close from then on ends the download as that silence would.
TEST_F(CommunicationTest, AHaltOnceTheEndWaitShowsEndsAStiffnessDownloadAsItsSilenceWould) {
  script().chars(testsupport::readData("t7310/three_runs.txt")).silence(Communication::EmptyReadLimit + 1);
  atPause([&] { return comm.silenceSecondsLeft().has_value(); }, [&] { comm.Halt_ = true; });
  EXPECT_EQ(download(DeviceType::T7310), status::Ok);
  EXPECT_TRUE(comm.endedAsSilence());
  EXPECT_EQ(comm.Tables_Created, "RUN1 RUN2 RUN3 ");
}

// A single load-frame test ends at its END: one halted in the wait before
// that is cut off, and nothing of it is kept.
TEST_F(CommunicationTest, AHaltDuringTheEndWaitOfASingleLoadFrameTestAbandonsIt) {
  comm.Tables_Created = "OLD1 ";
  script().chars(LoadFrameTest.left(LoadFrameTest.indexOf("END"))).silence(Communication::EmptyReadLimit + 1);
  atPause([&] { return comm.silenceSecondsLeft() && *comm.silenceSecondsLeft() <= 25; }, [&] { comm.Halt_ = true; });
  EXPECT_EQ(download(DeviceType::LoadFrameSingle), status::Halted);
  EXPECT_FALSE(comm.endedAsSilence());
  EXPECT_EQ(comm.Tables_Created, "OLD1 ");
}

// From the 21st run on only headers are stored: a run cut in its header is
// named as dropped all the same, so the rest is not taken for the whole
// printout.
TEST_F(CommunicationTest, AHaltOnAQuietLineNamesAHeaderOnlyRunCutInItsHeader) {
  const QByteArray runs = testsupport::readData("t7310/runs_1_to_25.txt");
  script().chars(runs.left(runs.indexOf("Run#,  23") + 20)).silence(Communication::EmptyReadLimit + 1);
  atPause([&] { return comm.silenceSecondsLeft() && *comm.silenceSecondsLeft() <= 25; }, [&] { comm.Halt_ = true; });
  EXPECT_EQ(download(DeviceType::T7310), status::Ok);
  EXPECT_TRUE(comm.endedAsSilence());
  EXPECT_EQ(comm.recordDropped(), "RUN23");
  EXPECT_TRUE(comm.Tables_Created.startsWith("RUN1 RUN2 "));
  EXPECT_TRUE(comm.Tables_Created.endsWith("RUN20 RUN21 "));
  comm.Close_Port();
  EXPECT_EQ(testsupport::storedTables().size(), 21);
}

TEST_F(CommunicationTest, ALostPortKeepsTheCompleteTestsOfAContinuousDownload) {
  script().chars(LoadFrameTest).chars(SecondLoadFrameTest.left(30)).lose();
  EXPECT_EQ(download(DeviceType::LoadFrameContinuous, true), status::PortLost);
  EXPECT_TRUE(comm.keptCompleteTests());
  EXPECT_EQ(comm.Tables_Created, "CBR_LBR1 ");
  EXPECT_TRUE(comm.Finished_);
  comm.Close_Port();
  // The test cut off leaves no table behind.
  EXPECT_EQ(testsupport::storedTables(), QStringList{"CBR_LBR1"});
  EXPECT_EQ(testsupport::storedRows("CBR_LBR1", "READNUMBER").size(), 1);

  // Lost during the first test: nothing to keep.
  comm.Tables_Created.clear();
  script().chars(LoadFrameTest.left(40)).lose();
  EXPECT_EQ(download(DeviceType::LoadFrameContinuous, true), status::PortLost);
  EXPECT_FALSE(comm.keptCompleteTests());
  EXPECT_TRUE(comm.Tables_Created.isEmpty());
}

TEST_F(CommunicationTest, ContinuousDownloadOfTwoTestsAndAStop) {
  std::vector<std::pair<bool, int>> betweenTests;
  script()
      .chars(LoadFrameTest)
      .chars("  ")  // dropped with the line end
      .silence(40000)
      .chars(SecondLoadFrameTest)
      .silence(100);
  wait->onPause = [&] {
    // Waiting for the next test: Finished_ and the test's 89.
    if (comm.Finished_ && line->polls() == 1 + LoadFrameTest.size() + 2 + 20000)
      betweenTests.emplace_back(comm.Finished_, Download_Status);
    if (comm.parser().retrn_message() == "CBR_LBR1 MARSHALL1 " && comm.Finished_) comm.Stop_ = true;
  };
  EXPECT_EQ(download(DeviceType::LoadFrameContinuous, true), status::Ok);
  EXPECT_EQ(comm.Tables_Created, "CBR_LBR1 MARSHALL1 ");
  EXPECT_EQ(betweenTests, (std::vector<std::pair<bool, int>>{{true, status::ParseComplete}}));
  comm.Close_Port();
  EXPECT_EQ(testsupport::storedRows("MARSHALL1", "READNUMBER").size(), 2);
  EXPECT_EQ(testsupport::storedRows("CBR_LBR1", "READNUMBER").size(), 1);
}

TEST_F(CommunicationTest, ContinuousTestInProgressHasNoSilenceLimit) {
  script().chars("CBR/LBR TEST\r\n1, 00:00:05, 1, 2, 3, 4\r\n").silence(45000).chars("2, 00:00:06, 1, 2, 3, 4\r\nEND\r\n");
  atPause([&] { return comm.Finished_ && Download_Status == status::ParseComplete; }, [&] { comm.Stop_ = true; });
  EXPECT_EQ(download(DeviceType::LoadFrameContinuous, true), status::Ok);
  comm.Close_Port();
  EXPECT_EQ(testsupport::storedRows("CBR_LBR1", "READNUMBER").size(), 2);
}

TEST_F(CommunicationTest, ContinuousLineEndThatArrivesLateIsDroppedWithTheTest) {
  script().chars(LoadFrameTest.left(LoadFrameTest.size() - 2)).silence(5).chars("\r\n").silence(1000);
  bool finishedAfterTest = true;
  int pausesAfterTest = 0;
  wait->onPause = [&] {
    if (Download_Status != status::ParseComplete) return;
    finishedAfterTest = finishedAfterTest && comm.Finished_;
    if (++pausesAfterTest == 500) comm.Stop_ = true;
  };
  EXPECT_EQ(download(DeviceType::LoadFrameContinuous, true), status::Ok);
  EXPECT_TRUE(finishedAfterTest);
  EXPECT_EQ(comm.Tables_Created, "CBR_LBR1 ");
}

TEST_F(CommunicationTest, ContinuousDownloadGoesOnAfterAnEndMarker) {
  script().chars(LoadFrameTest).chars("  ").chars(EndMarker).chars("Z").silence();
  EXPECT_EQ(download(DeviceType::LoadFrameContinuous, true), status::Ok);
  EXPECT_TRUE(comm.Finished_);
  EXPECT_EQ(comm.Tables_Created, "CBR_LBR1 ");

  // The driver calls again while Stop_ is not set: the next test joins the
  // same database.
  line->silence().chars(SecondLoadFrameTest).silence(10);
  atPause([&] { return comm.parser().retrn_message().contains("MARSHALL1") && Download_Status == status::ParseComplete; },
          [&] { comm.Stop_ = true; });
  EXPECT_EQ(comm.GetData(DeviceType::LoadFrameContinuous, true), status::Ok);
  EXPECT_EQ(comm.Tables_Created, "CBR_LBR1 MARSHALL1 ");
  comm.Close_Port();
  EXPECT_EQ(testsupport::storedRows("MARSHALL1", "READNUMBER").size(), 2);
}

TEST_F(CommunicationTest, ATestSentRightBehindTheLastKeepsItsFirstLetters) {
  // Straight after END, after its line end, and after a blank line.
  int port = 0;
  for (const QByteArray& between : {QByteArray(), QByteArray("\r\n"), QByteArray("\r\n \r\n")}) {
    SCOPED_TRACE(between.size());
    useFreshLine(++port);
    comm.Tables_Created.clear();
    script().chars(LoadFrameTest.chopped(2)).chars(between).chars(SecondLoadFrameTest).silence(100);
    // The parser's list of the last download stays until the first character.
    atPause(
        [&] {
          return line->polls() > LoadFrameTest.size() && comm.parser().retrn_message() == "CBR_LBR1 MARSHALL1 " &&
                 comm.Finished_;
        },
        [&] { comm.Stop_ = true; });
    EXPECT_EQ(download(DeviceType::LoadFrameContinuous, true), status::Ok);
    EXPECT_EQ(comm.Tables_Created, "CBR_LBR1 MARSHALL1 ");
    comm.Close_Port();
    EXPECT_EQ(testsupport::storedRows("MARSHALL1", "READNUMBER").size(), 2);
  }
}

}  // namespace
