// Opens a load-frame project file of 100,000 readings through "Open
// Project(s)" in an off-screen main window, then selects its test in the tree
// (readings grid, header grid, chart and chart picture). Prints the time to
// the tree, the time of the selection, and the longest stretch without an
// event-loop turn during each, as a measure of how long the window would
// stand still.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>

#include "mainwindow/dataview/DataTabPage.h"
#include "mainwindow/dataview/DataView.h"
#include "mainwindow/MainWindow.h"
#include "platform/ui/ScriptedDialogs.h"
#include "support/BenchMainWindow.h"
#include "support/BenchSupport.h"

namespace {

constexpr int Readings = 100000;
constexpr int HeartbeatMs = 5;

QByteArray makeProjectFile() {
  QByteArray text = " 0 \r\nCBR/LBR TEST\r\n\r\nRD #,    TIME,    (LOAD),     (PEN),     (DEF),         ()\r\n";
  text.reserve(Readings * 48);
  for (int i = 1; i <= Readings; ++i) {
    const int s = i % 86400;
    text += QStringLiteral("%1, %2:%3:%4, %5, %6, %7, %8\r\n")
                .arg(i)
                .arg(s / 3600, 2, 10, QLatin1Char('0'))
                .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
                .arg(s % 60, 2, 10, QLatin1Char('0'))
                .arg(i * 0.0125, 0, 'f', 4)
                .arg(i * 0.5, 0, 'f', 4)
                .arg((i % 1000) * 1.25, 0, 'f', 4)
                .arg(0.0, 0, 'f', 4)
                .toLatin1();
  }
  text += "END\r\n";
  return text;
}

// Records the longest gap between ticks of a short timer.
class Heartbeat {
 public:
  Heartbeat() {
    timer_.setInterval(HeartbeatMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      longest_ = std::max(longest_, clock_.restart());
    });
  }
  void start() {
    longest_ = 0;
    clock_.start();
    timer_.start();
  }
  qint64 stop() {
    longest_ = std::max(longest_, clock_.elapsed());
    timer_.stop();
    return longest_;
  }

 private:
  QTimer timer_;
  QElapsedTimer clock_;
  qint64 longest_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const benchsupport::BenchProgramFolder folder({"info", "images", "help"});
  const QString path = folder.filePath(QStringLiteral("readings.txt"));
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(makeProjectFile());
  }
  const qint64 bytes = QFile(path).size();

  benchsupport::BenchMainWindow shown;
  platform::ui::ScriptedDialogs& dialogs = shown.dialogs;
  mainwindow::MainWindow& window = shown.window;

  Heartbeat heartbeat;
  QElapsedTimer clock;
  dialogs.files.enqueue(path);
  heartbeat.start();
  clock.start();
  window.dataView().files().Load_DB_Click();
  const qint64 openMs = clock.elapsed();
  const qint64 openStill = heartbeat.stop();

  QTreeWidget& tree = *window.dataTab().TreeView1;
  QTreeWidgetItem* test = tree.topLevelItem(0) != nullptr ? tree.topLevelItem(0)->child(0) : nullptr;
  if (test == nullptr) {
    std::printf("open failed: %s\n", qPrintable(dialogs.messageTexts().join(QLatin1Char(' '))));
    return 1;
  }
  tree.setCurrentItem(test);
  heartbeat.start();
  clock.start();
  window.dataView().selection().TreeView1_Click();
  app.processEvents();  // the grids and the chart paint
  const qint64 selectMs = clock.elapsed();
  const qint64 selectStill = heartbeat.stop();

  const int rows = window.state().Row_Count;
  std::printf("project file: %d readings, %lld bytes\n", Readings, static_cast<long long>(bytes));
  std::printf("open to tree:        %7lld ms  (%.0f readings/s), longest stand-still %lld ms\n",
              static_cast<long long>(openMs), Readings * 1000.0 / std::max<qint64>(openMs, 1),
              static_cast<long long>(openStill));
  std::printf("select test (grids, chart, picture): %lld ms for %d rows, stand-still %lld ms\n",
              static_cast<long long>(selectMs), rows, static_cast<long long>(selectStill));
  std::printf("ratio select / open: %.3f\n", static_cast<double>(selectMs) / std::max<qint64>(openMs, 1));
  return rows == Readings ? 0 : 2;
}
