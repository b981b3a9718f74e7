#include <gtest/gtest.h>

#include <QDir>

#include "platform/core/IgnoreErrors.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/Twips.h"
#include "support/TempProgramFolder.h"

#include <stdexcept>

TEST(ProgramFolder, TemporaryFolderIsUsedAndRestored) {
  const QString before = platform::ProgramFolder::root();
  {
    testsupport::TempProgramFolder folder;
    EXPECT_EQ(platform::ProgramFolder::path(platform::ProgramFiles::Database),
              QDir(folder.root()).filePath("info/KORVIS.qvd"));
    EXPECT_TRUE(QDir(folder.path("info")).exists());
  }
  EXPECT_EQ(platform::ProgramFolder::root(), before);
}

TEST(Twips, RoundTripAtScreenResolution) {
  EXPECT_EQ(platform::twipsToPixels(1440, 96), 96);
  EXPECT_EQ(platform::twipsToPixels(15, 96), 1);
  EXPECT_DOUBLE_EQ(platform::pixelsToTwips(96, 96), 1440.0);
}

TEST(IgnoreErrors, FailingStepIsSkippedAndReported) {
  int steps = 0;
  EXPECT_FALSE(platform::ignoringErrors([&] { throw std::runtime_error("x"); }));
  EXPECT_TRUE(platform::ignoringErrors([&] { ++steps; }));
  EXPECT_EQ(steps, 1);
}
