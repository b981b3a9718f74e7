#include "mainwindow/window/Startup.h"

#include <QApplication>

#include <memory>

#include "mainwindow/MainWindow.h"
#include "mainwindow/ProgramIcon.h"
#include "mainwindow/ProgramInfo.h"
#include "mainwindow/window/SplashWindow.h"
#include "mainwindow/window/StartupFiles.h"
#include "platform/core/ProgramFolderLock.h"

namespace mainwindow {
namespace {

constexpr int AlreadyRunningExit = 1;

}  // namespace

int runProgram(QApplication& app) {
  // The name is left as the application name only: a display name set here
  // would be appended to every window title.
  QApplication::setApplicationName(ProgramTitle);
  QApplication::setApplicationVersion(
      QStringLiteral("%1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision));
  // Every window of the program shows the program's icon unless it sets its own.
  QApplication::setWindowIcon(programIcon());
  // Held until the program ends.
  platform::ProgramFolderLock programFolder;
  if (!claimProgramFolder(programFolder)) return AlreadyRunningExit;
  removeWriterLeftovers(programFolder);

  std::unique_ptr<MainWindow> main;
  SplashWindow splash([&main, &programFolder] {
    MainWindow::Options options;
    options.programFolder = &programFolder;
    main = std::make_unique<MainWindow>(options);
    main->Form_Load();
    main->show();
  });
  splash.show();
  const int result = app.exec();
  return result;
}

}  // namespace mainwindow
