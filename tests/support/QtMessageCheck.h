#pragma once

// Every warning Qt reports while a test runs (a QString::arg with a missing
// argument, a signal connected to nothing, a file opened twice) fails that
// test, unless it is one of the few the allow-list expects. Qt's own platform
// layer (categories "qt.qpa.*": fonts, the offscreen plugin) says what the
// machine lacks, not what the program did, and never fails a test.
namespace testsupport {
void failTestsOnQtWarnings();

// How many warnings came while no test ran (set-up and tear-down of the test
// program): the test program fails with them, as no test can.
int qtWarningsOutsideTests();
}  // namespace testsupport
