#include "support/QtMessageCheck.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

namespace testsupport {
namespace {

// A warning the test run expects: in the test named (suite.name; empty: in
// any test and outside tests), a message that contains the text.
struct AllowedWarning {
  const char* test;
  const char* text;
  const char* reason;
};

constexpr AllowedWarning AllowedWarnings[] = {
    {"", "This plugin does not support",
     "the offscreen platform plugin the window tests run on cannot do every window operation (propagateSizeHints, "
     "grabbing, raising) that a desktop can"},
    {"", "QStandardPaths: ",
     "the test machine's session (no XDG_RUNTIME_DIR, or one of other rights), not the program: Qt falls back to "
     "a folder of its own"},
    {"ReportPrintCommandTest.AFailedPrintSaysSoAndStillShowsTheColumnsAgain", "QPainter::begin(): Returned false",
     "the test prints into a missing folder on purpose; Qt's painter says it could not start, the program says "
     "the print failed"},
};

std::atomic<int> warningsOutsideTests{0};
// Set once the exit check has run: a warning after it ends the program there.
std::atomic<bool> exitChecked{false};

// Qt's platform layer (fonts, screens, input) speaks of the machine the
// tests run on, which differs between a desktop, a container and CI.
bool isPlatformNoise(const char* category) { return category != nullptr && qstrncmp(category, "qt.qpa", 6) == 0; }

QByteArray runningTestName() {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  if (test == nullptr) return {};
  return QByteArray(test->test_suite_name()) + '.' + test->name();
}

bool isAllowed(const QString& text) {
  const QByteArray test = runningTestName();
  for (const AllowedWarning& allowed : AllowedWarnings) {
    if (qstrlen(allowed.test) > 0 && test != allowed.test) continue;
    if (text.contains(QString::fromUtf8(allowed.text))) return true;
  }
  return false;
}

[[noreturn]] void failRun() {
  std::fprintf(stderr, "Qt warned %d time(s) while no test ran (see above)\n", warningsOutsideTests.load());
  std::fflush(nullptr);
  std::_Exit(1);
}

// Runs at exit after main's objects (the application among them) and every
// static made after the check was installed are gone: the last moments a
// test's leftovers can warn.
void checkAtExit() {
  exitChecked = true;
  if (warningsOutsideTests > 0) failRun();
}

bool failsTest(QtMsgType type) { return type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg; }

void checkMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  const QByteArray local = text.toLocal8Bit();
  std::fprintf(stderr, "%s\n", local.constData());
  if (!failsTest(type) || isPlatformNoise(context.category) || isAllowed(text)) return;
  if (::testing::UnitTest::GetInstance()->current_test_info() == nullptr) {
    ++warningsOutsideTests;
    if (exitChecked) failRun();
    return;
  }
  ADD_FAILURE() << "Qt warned (" << (context.category ? context.category : "") << "): " << local.constData();
}

}  // namespace

void failTestsOnQtWarnings() {
  qInstallMessageHandler(checkMessage);
  std::atexit(checkAtExit);
}

}  // namespace testsupport
