// Opens the report tab of an off-screen main window whose company information
// file is just under the settings-file limit (a company name of about 1 MB),
// after a small load-frame project is opened and its test selected.
// Prints the time the tab takes to set up and how long the longest company
// text kept is.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTabWidget>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>

#include "mainwindow/MainWindow.h"
#include "mainwindow/dataview/DataTabPage.h"
#include "mainwindow/dataview/DataView.h"
#include "mainwindow/dataview/TreeSelection.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/SettingsFile.h"
#include "platform/ui/ScriptedDialogs.h"
#include "support/BenchMainWindow.h"
#include "support/BenchSupport.h"

namespace {

// The whole record in the company name, the text a report wraps.
QByteArray nearLimitInfoFile() {
  const qint64 name = platform::SettingsFileLimit - 8;
  return "\"" + QByteArray(name, 'A') + "\r\"\r\n";
}

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

const QByteArray ProjectFile =
    " 0 \r\nCBR/LBR TEST\r\n\r\nRD #, TIME, (LOAD), (PEN), (DEF), ()\r\n"
    "1, 00:00:01, 1.5, 2.5, 3.5, 0.0\r\n2, 00:00:02, 1.6, 2.6, 3.6, 0.0\r\nEND\r\n";

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const benchsupport::BenchProgramFolder folder({"info", "images", "help"});
  const QByteArray info = nearLimitInfoFile();
  const QString project = folder.filePath(QStringLiteral("readings.txt"));
  if (!writeFile(platform::ProgramFolder::path(platform::ProgramFiles::CompanyInfo), info) ||
      !writeFile(project, ProjectFile))
    return 1;

  benchsupport::BenchMainWindow shown;
  platform::ui::ScriptedDialogs& dialogs = shown.dialogs;
  mainwindow::MainWindow& window = shown.window;

  dialogs.files.enqueue(project);
  window.dataView().files().Load_DB_Click();
  QTreeWidget& tree = *window.dataTab().TreeView1;
  QTreeWidgetItem* test = tree.topLevelItem(0) != nullptr ? tree.topLevelItem(0)->child(0) : nullptr;
  if (test == nullptr) return 2;
  tree.setCurrentItem(test);
  window.dataView().selection().TreeView1_Click();
  app.processEvents();

  QElapsedTimer clock;
  clock.start();
  window.MainTab->setCurrentIndex(mainwindow::ReportTab);
  app.processEvents();
  const qint64 tabMs = clock.elapsed();

  qsizetype longest = 0;
  for (const QString& text : window.companyInfo().CInfo) longest = std::max(longest, text.size());
  std::printf("company information file: %lld bytes\n", static_cast<long long>(info.size()));
  std::printf("longest company text kept: %lld characters\n", static_cast<long long>(longest));
  std::printf("report tab set-up: %lld ms\n", static_cast<long long>(tabMs));
  return window.MainTab->currentIndex() == mainwindow::ReportTab ? 0 : 3;
}
