#include "mainwindow/window/SplashWindow.h"

#include <QCoreApplication>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "mainwindow/ProgramIcon.h"
#include "platform/core/ProgramFiles.h"
#include "support/PipeWaitGuard.h"
#include "support/TempProgramFolder.h"

namespace mainwindow {
namespace {

TEST(SplashWindowTest, OpensTheMainWindowOnceAfter2500MsAndCloses) {
  int opened = 0;
  auto* splash = new SplashWindow([&opened] { ++opened; });
  splash->setAttribute(Qt::WA_DeleteOnClose, false);
  splash->show();
  EXPECT_EQ(splash->Timer1.interval(), 2500);
  EXPECT_TRUE(splash->Timer1.isSingleShot());
  EXPECT_TRUE(splash->Timer1.isActive());
  EXPECT_EQ(opened, 0);
  // Let the timer run out as it would, without waiting 2.5 s.
  splash->Timer1.setInterval(0);
  splash->Timer1.start();
  for (int i = 0; i < 100 && opened == 0; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_EQ(opened, 1);
  EXPECT_FALSE(splash->isVisible());
  EXPECT_FALSE(splash->Timer1.isActive());
  delete splash;
}

TEST(SplashWindowTest, DrawsItsOwnPicture) {
  const QPixmap picture = SplashWindow::drawSplashPicture();
  EXPECT_FALSE(picture.isNull());
  EXPECT_GT(picture.width(), picture.height());
}

TEST(ProgramIconTest, DrawnWhenTheIconFileIsMissingOrUnreadable) {
  testsupport::TempProgramFolder folder;
  EXPECT_FALSE(programIcon().isNull());
  QFile broken(folder.path(platform::ProgramFiles::Icon));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a picture");
  broken.close();
  EXPECT_FALSE(programIcon().isNull());
  EXPECT_FALSE(programIcon().availableSizes().isEmpty());
}

// A pipe in the icon's place would hold the start until a writer came.
TEST(ProgramIconTest, DrawnWhenAPipeIsInTheIconFilesPlaceWhichIsNeverWaitedOn) {
  testsupport::TempProgramFolder folder;
  ASSERT_EQ(::mkfifo(QFile::encodeName(folder.path(platform::ProgramFiles::Icon)).constData(), 0600), 0);
  testsupport::PipeWaitGuard guard(folder.path(platform::ProgramFiles::Icon));
  const QIcon icon = programIcon();
  EXPECT_FALSE(guard.waited()) << "the start waited on the pipe";
  EXPECT_FALSE(icon.availableSizes().isEmpty());
}

}  // namespace
}  // namespace mainwindow
