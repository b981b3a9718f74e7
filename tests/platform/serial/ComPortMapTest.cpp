#include <gtest/gtest.h>

#include <QFile>

#include "platform/core/ProgramFiles.h"
#include "platform/serial/ComPortMap.h"
#include "support/TempProgramFolder.h"

using platform::ComPortMap;

namespace {

void writeMap(const testsupport::TempProgramFolder& folder, const QByteArray& text) {
  QFile file(folder.path(platform::ProgramFiles::ComPortMap));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
}

// Clears the overrides a developer's shell may hold, and restores nothing:
// tests set what they need.
void clearOverrides() {
  for (int port = ComPortMap::FirstPort; port <= ComPortMap::LastPort; ++port)
    qunsetenv(ComPortMap::environmentVariable(port).toLatin1().constData());
}

}  // namespace

TEST(ComPortMap, DefaultsWithoutFile) {
  testsupport::TempProgramFolder folder;
  clearOverrides();
  EXPECT_EQ(ComPortMap::devicePath(1), "/dev/ttyS0");
  EXPECT_EQ(ComPortMap::devicePath(4), "/dev/ttyS3");
  EXPECT_EQ(ComPortMap::devicePath(0), "");
  EXPECT_EQ(ComPortMap::devicePath(5), "");
}

TEST(ComPortMap, FileNamesDevicesAndEnvironmentOverridesIt) {
  testsupport::TempProgramFolder folder;
  clearOverrides();
  writeMap(folder, "COM1 = /dev/ttyUSB0\r\ncom3=/dev/ttyACM1  \r\nCOM2 =\r\nCOM5 = /dev/x\r\nnonsense\r\n");
  EXPECT_EQ(ComPortMap::devicePath(1), "/dev/ttyUSB0");
  EXPECT_EQ(ComPortMap::devicePath(2), "/dev/ttyS1");  // an empty value keeps the default
  EXPECT_EQ(ComPortMap::devicePath(3), "/dev/ttyACM1");
  EXPECT_EQ(ComPortMap::devicePath(4), "/dev/ttyS3");

  qputenv("QUORVANE_COM3", "/dev/pts/7");
  EXPECT_EQ(ComPortMap::devicePath(3), "/dev/pts/7");
  qunsetenv("QUORVANE_COM3");
}

TEST(ComPortMap, LaterLineWins) {
  const auto ports = ComPortMap::parse("COM1 = /dev/a\nCOM1 = /dev/b\n  COM4\t=\t/dev/c d\n");
  EXPECT_EQ(ports.value(1), "/dev/b");
  EXPECT_EQ(ports.value(4), "/dev/c d");
  EXPECT_EQ(ports.size(), 2);
}
