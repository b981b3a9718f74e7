#include <QApplication>
#include <gtest/gtest.h>

#include "support/QtMessageCheck.h"
#include "support/TestMain.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (testsupport::onlyListingTests(argc, argv)) return RUN_ALL_TESTS();
  testsupport::defaultToOffscreen();
  testsupport::failTestsOnQtWarnings();
  QApplication app(argc, argv);
  // Qt's warnings fail the test that provoked them; one while no test runs,
  // up to the last destructor at exit, fails the run (failTestsOnQtWarnings).
  return RUN_ALL_TESTS();
}
