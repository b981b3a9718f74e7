// Downloads over pseudo-terminals: a thread plays the instrument on the master
// side at the pace of the model's line speed, the program opens the slave side
// as COM1 with the real COM port control, clock and wait.

#include <QTimer>
#include <gtest/gtest.h>

#include "DownloadTestSupport.h"
#include "download/Communication.h"
#include "instrument/DeviceType.h"
#include "instrument/StatusCodes.h"
#include "platform/serial/CommControl.h"
#include "platform/serial/PseudoTerminal.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

namespace {

namespace status = instrument::status;
namespace DeviceType = instrument::DeviceType;
using download::Communication;

const QByteArray EndMarker("\xFD", 1);
const char* const PortVariables[] = {"QUORVANE_COM1", "QUORVANE_COM2", "QUORVANE_COM3", "QUORVANE_COM4"};

class EndToEndDownload : public ::testing::Test {
 protected:
  void SetUp() override {
    // None left by an earlier test of this process (see TearDown).
    for (const char* name : PortVariables) EXPECT_FALSE(qEnvironmentVariableIsSet(name)) << name;
    ASSERT_TRUE(pty.ok());
    qputenv("QUORVANE_COM1", pty.slavePath().toLocal8Bit());
    comm.setComm_Object(&control);
    comm.setSerial_Port(1);
    comm.setWait(wait);
  }
  void TearDown() override {
    comm.Close_Port();
    // Every port a test named, also after an assertion ended it early: a
    // variable left naming a closed pseudo-terminal would have the next probe
    // in this process send to whatever terminal of the computer gets its
    // number next.
    for (const char* name : PortVariables) qunsetenv(name);
  }

  int download(const QByteArray& printout, int baudRate, int device_type, bool Disable_Timer = false) {
    comm.setBaud_Rate(baudRate);
    EXPECT_EQ(comm.RunTest(), status::Ok);
    // Started once the loop waits: what came before it would be thrown away.
    wait->onceWaiting = [this, printout, baudRate] { pty.sendPaced(printout, baudRate, 0); };
    const int result = comm.GetData(device_type, Disable_Timer);
    pty.waitSent();
    return result;
  }

  // The terminal as the program set it up: the speed, 8 data bits, no
  // parity, one stop bit, XON/XOFF both ways.
  void expectLineSettings(speed_t speed) {
    const termios line = pty.slaveSettings();
    EXPECT_EQ(cfgetispeed(&line), speed);
    EXPECT_EQ(cfgetospeed(&line), speed);
    EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_FALSE(line.c_cflag & PARENB);
    EXPECT_FALSE(line.c_cflag & CSTOPB);
    EXPECT_TRUE(line.c_iflag & IXON);
    EXPECT_TRUE(line.c_iflag & IXOFF);
  }

  testsupport::TempProgramFolder folder;
  testsupport::PseudoTerminal pty;
  platform::CommControl control;
  std::shared_ptr<testsupport::CuedWait> wait = std::make_shared<testsupport::CuedWait>();
  int Download_Status = 0;
  Communication comm{&Download_Status};
};

TEST_F(EndToEndDownload, LoadFrameSingleDownloadEndsWithTheFirstTest) {
  EXPECT_EQ(download(testsupport::readData("lx9100/several_tests.txt"), 19200, DeviceType::LoadFrameSingle),
            status::Ok);
  expectLineSettings(B19200);
  EXPECT_EQ(comm.Tables_Created, "CBR_LBR1 ");
  comm.Close_Port();
  const auto rows = testsupport::storedRows("CBR_LBR1", "READNUMBER");
  ASSERT_EQ(rows.size(), 3);
  EXPECT_DOUBLE_EQ(rows[2].value("CH1").toDouble(), 25.75);
  EXPECT_EQ(rows[2].value("CH2NAME").toString(), "(PEN)");
  EXPECT_EQ(rows[2].value("TIME").toString(), "00:00:03");
}

TEST_F(EndToEndDownload, LoadFrameContinuousDownloadTakesEveryTestUntilDone) {
  // The wizard's poll: Done once the fourth test is in and the loop waits.
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (comm.Finished_ && comm.parser().retrn_message().count(' ') == 4) comm.Stop_ = true;
  });
  poll.start();
  EXPECT_EQ(download(testsupport::readData("lx9100/several_tests.txt"), 19200, DeviceType::LoadFrameContinuous, true),
            status::Ok);
  EXPECT_EQ(comm.Tables_Created, "CBR_LBR1 MARSHALL1 CBR_LBR2 UC1 ");
  EXPECT_EQ(Download_Status, status::ParseComplete);
  comm.Close_Port();
  EXPECT_EQ(testsupport::storedRows("CBR_LBR1", "READNUMBER").size(), 3);
  EXPECT_EQ(testsupport::storedRows("MARSHALL1", "READNUMBER").size(), 2);
  EXPECT_EQ(testsupport::storedRows("CBR_LBR2", "READNUMBER").size(), 1);
  EXPECT_EQ(testsupport::storedRows("UC1", "READNUMBER").size(), 1);
}

TEST_F(EndToEndDownload, N2600AEndsAtTheEndMarker) {
  EXPECT_EQ(download(testsupport::readData("n2600a/dotted_ids.txt") + EndMarker, 1200, DeviceType::N2600A), status::Ok);
  expectLineSettings(B1200);
  EXPECT_EQ(comm.Tables_Created, "12.5 125 ");
  EXPECT_TRUE(comm.Finished_);
  const auto rows = testsupport::storedRows("P125", "RDNUM");
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows[0].value("SERNUM").toInt(), 12345);
  EXPECT_EQ(rows[1].value("ID").toString(), "125");
}

TEST_F(EndToEndDownload, N2600BXEndsAtTheReportsLastLine) {
  EXPECT_EQ(download(testsupport::readData("n2600bx/one_project.txt"), 1200, DeviceType::N2600BX), status::Ok);
  EXPECT_EQ(comm.Tables_Created, "4.5 ");
  comm.Close_Port();
  EXPECT_EQ(testsupport::storedTables(), QStringList{"P45"});
  const auto rows = testsupport::storedRows("P45", "RDNUM");
  ASSERT_EQ(rows.size(), 4);
  EXPECT_EQ(rows[0].value("SERNUM").toInt(), 54321);
  EXPECT_EQ(rows[3].value("RDNUM").toInt(), 3);
}

TEST_F(EndToEndDownload, T7310AtTheLaterGaugeSpeed) {
  EXPECT_EQ(download(testsupport::readData("t7310/three_runs.txt") + EndMarker, 4800, DeviceType::T7310), status::Ok);
  expectLineSettings(B4800);
  EXPECT_EQ(comm.Tables_Created, "RUN1 RUN2 RUN3 ");
  EXPECT_EQ(testsupport::storedRows("RUN1", "BIN_NUMBER").size(), 4);
  EXPECT_EQ(testsupport::storedRows("RUN3", "BIN_NUMBER").size(), 3);
}

TEST_F(EndToEndDownload, ProbeReportsFreeMissingBusyAndModemPorts) {
  testsupport::PseudoTerminal busy;
  testsupport::PseudoTerminal modem;
  qputenv("QUORVANE_COM2", "/dev/quorvane-no-such-port");
  qputenv("QUORVANE_COM3", busy.slavePath().toLocal8Bit());
  qputenv("QUORVANE_COM4", modem.slavePath().toLocal8Bit());
  platform::CommControl otherProgram;
  otherProgram.setCommPort(3);
  ASSERT_EQ(otherProgram.setPortOpen(true), 0);
  modem.answerWith("ATI1\r\r\n33600\r\n\r\nOK\r\n");

  EXPECT_EQ(comm.AvailablePorts(), "1xom");
  EXPECT_FALSE(control.portOpen());
  EXPECT_EQ(pty.readMaster(100), "ATI1\r");
}

TEST_F(EndToEndDownload, ProbeDuringADownloadLeavesItsPortReceiving) {
  qputenv("QUORVANE_COM2", "/dev/quorvane-no-such-port");
  comm.setBaud_Rate(19200);
  ASSERT_EQ(comm.RunTest(), status::Ok);
  QString ports;
  // The port status timer fires while the loop waits for data.
  wait->onceWaiting = [&] {
    ports = comm.AvailablePorts();
    pty.sendPaced(testsupport::readData("lx9100/example.txt"), 19200, 0);
  };
  EXPECT_EQ(comm.GetData(DeviceType::LoadFrameSingle), status::Ok);
  EXPECT_EQ(ports.left(2), "ox");
  EXPECT_EQ(comm.Tables_Created, "CBR_LBR1 ");
}

}  // namespace
