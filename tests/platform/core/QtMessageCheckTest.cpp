// The test main every test program shares: Qt's warnings fail the test that
// provoked them, bar the few it expects.
#include <QString>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

TEST(QtMessageCheck, AWarningFailsTheRunningTestAndAnExpectedOneDoesNot) {
  EXPECT_NONFATAL_FAILURE((void)QStringLiteral("%1").arg(1).arg(2),
                          "QString::arg: Argument missing");
  qWarning("QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime-test'");
}
