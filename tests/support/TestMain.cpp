#include "support/TestMain.h"

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

}  // namespace testsupport
