#include "support/TestMain.h"

#include <gtest/gtest.h>

#include "support/QtMessageCheck.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace testsupport {
bool onlyListingTests(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--gtest_list_tests") == 0) return true;
  return false;
}

void defaultToOffscreen() {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

int runAllTestsFailingOnQtWarnings() {
  const int result = RUN_ALL_TESTS();
  const int outside = qtWarningsOutsideTests();
  if (outside == 0) return result;
  std::fprintf(stderr, "Qt warned %d time(s) while no test ran (see above)\n", outside);
  return 1;
}
}  // namespace testsupport
