#pragma once

// Every warning Qt reports while a test runs (a QString::arg with a missing
// argument, a signal connected to nothing, a file opened twice) fails that
// test, unless it is one of the few the allow-list expects. Qt's own platform
// layer (categories "qt.qpa.*": fonts, the offscreen plugin) says what the
// machine lacks, not what the program did, and never fails a test.
namespace testsupport {
void failTestsOnQtWarnings();

// A warning while no test runs (set-up and tear-down of the test program, a
// destructor at exit after the last test) fails the test program, as no test
// can: it ends with exit code 1 once the last object that could warn is gone.
}  // namespace testsupport
