#include "download/FailureCause.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "instrument/StatusCodes.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "support/TempProgramFolder.h"

namespace download {
namespace {

namespace status = instrument::status;

TEST(FailureCauseTest, EachReceiveFailureSaysWhatToCheck) {
  EXPECT_TRUE(failureCause(status::PortError).contains(QStringLiteral("within 30 seconds")));
  EXPECT_TRUE(failureCause(status::PortError).contains(QStringLiteral("cable")));
  EXPECT_TRUE(failureCause(status::ForeignCharacter).contains(QStringLiteral("line speed")));
  EXPECT_TRUE(failureCause(status::ReceiveOverflow).contains(QStringLiteral("faster")));
  EXPECT_EQ(failureCause(status::OverflowWaiting), failureCause(status::ReceiveOverflow));
  // A vanished port is no overflow and no timeout.
  EXPECT_TRUE(failureCause(status::PortLost).contains(QStringLiteral("port was lost")));
}

TEST(FailureCauseTest, AFailureOnTheDiskNamesTheFolderOfTheWorkingDatabase) {
  const QString folder = QDir::toNativeSeparators(
      QFileInfo(platform::ProgramFolder::path(platform::ProgramFiles::Database)).absolutePath());
  for (int code : {status::CreateFailed, status::DatabaseMissing, status::DatabaseWriteFailed, status::BackupFailed}) {
    EXPECT_TRUE(failureCause(code).contains(folder)) << code;
    EXPECT_TRUE(failureCause(code).contains(QStringLiteral("disk"))) << code;
  }
  EXPECT_TRUE(failureCause(status::BackupFailed).contains(QStringLiteral("not started")));
}

// A device that exists but does not open (here one the map file names): in
// use or not permitted.
TEST(FailureCauseTest, APortThatExistsButDoesNotOpenSaysWhatToCheck) {
  const testsupport::TempProgramFolder folder;
  QFile map(folder.path(platform::ProgramFiles::ComPortMap));
  ASSERT_TRUE(map.open(QIODevice::WriteOnly));
  map.write("COM2 = /dev/null\n");
  map.close();
  qunsetenv("QUORVANE_COM2");
  EXPECT_EQ(portErrorCause(2),
            "COM2 = /dev/null (from info/ComPorts.qvt) could not be opened.  Check that no other program uses it "
            "and that this user may open it (on Linux, membership of the dialout group), or map COM2 to another "
            "device in info/ComPorts.qvt.");
}

TEST(FailureCauseTest, OutcomesThatNeedNoWordsHaveNone) {
  // Success, the user's own halt, and failures that the panel or a message
  // already names.
  for (int code : {status::Ok, status::Halted, status::DatabaseLocked, status::NoTablesCreated})
    EXPECT_TRUE(failureCause(code).isEmpty()) << code;
}

}  // namespace
}  // namespace download
