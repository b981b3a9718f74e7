// The test main every test program shares: Qt's warnings fail the test that
// provoked them, bar the few it expects.
#include <QCoreApplication>
#include <QProcess>
#include <QString>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

TEST(QtMessageCheck, AWarningFailsTheRunningTestAndAnExpectedOneDoesNot) {
  EXPECT_NONFATAL_FAILURE((void)QStringLiteral("%1").arg(1).arg(2),
                          "QString::arg: Argument missing");
  qWarning("QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime-test'");
}

namespace {

const char* const WarnAtExitVariable = "KORVIS_TEST_WARN_AT_EXIT";

// A leftover of a test that warns only when it is destroyed at exit, after
// the last test. Run in a process of its own by the test below; on its own
// it does nothing.
TEST(QtMessageCheckAtExit, LeavesAnObjectThatWarnsAtExit) {
  if (!qEnvironmentVariableIsSet(WarnAtExitVariable)) return;
  static const struct WarnsAtExit {
    ~WarnsAtExit() { qWarning("a test's leftover warns at exit"); }
  } leftover;
  (void)leftover;
}

TEST(QtMessageCheck, AWarningAfterTheLastTestFailsTheRun) {
  QProcess run;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QString::fromLatin1(WarnAtExitVariable), QStringLiteral("1"));
  run.setProcessEnvironment(environment);
  run.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=QtMessageCheckAtExit.*")});
  ASSERT_TRUE(run.waitForFinished(60000));
  EXPECT_EQ(run.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(run.exitCode(), 1) << run.readAllStandardError().toStdString();
}

}  // namespace
