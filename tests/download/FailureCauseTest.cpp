#include "download/FailureCause.h"

#include <gtest/gtest.h>

#include "instrument/StatusCodes.h"

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
  EXPECT_TRUE(keptTestsNote().contains(QStringLiteral("kept")));
}

TEST(FailureCauseTest, OutcomesThatNeedNoWordsHaveNone) {
  // Success, the user's own halt, and failures that the panel or a message
  // already names.
  for (int code : {status::Ok, status::Halted, status::DatabaseLocked, status::NoTablesCreated})
    EXPECT_TRUE(failureCause(code).isEmpty()) << code;
}

}  // namespace
}  // namespace download
