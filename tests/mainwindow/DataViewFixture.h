#pragma once

#include <QStringList>
#include <QTableView>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>

#include "mainwindow/dataview/DataTabPage.h"
#include "mainwindow/dataview/DataView.h"
#include "mainwindow/MainWindow.h"
#include "PortProbeWait.h"
#include "platform/core/ProgramFolderLock.h"
#include "platform/core/Twips.h"
#include "platform/ui/ScriptedDialogs.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

namespace mainwindow {

// A main window on a temporary program folder, shown off screen, with
// scripted dialogs and project files of tests/data/projects-view.
class DataViewFixture : public ::testing::Test {
 protected:
  void SetUp() override { start(); }

  MainWindow& start() {
    MainWindow::Options options;
    // COM1 free, the others missing.
    options.portProbe = [] { return QStringLiteral("1xxx"); };
    // Not taken yet, as after a start that could not make the lock file.
    options.programFolder = &programFolder;
    window = std::make_unique<MainWindow>(options);
    window->Form_Load();
    waitForPortProbe(window->comPortStatus());
    window->resize(900, 700);
    window->show();
    return *window;
  }
  MainWindow& main() { return *window; }
  DataTabPage& data() { return window->dataTab(); }
  ViewConnection& view() { return window->dataView().view(); }

  static QString projectPath(const char* name) {
    return testsupport::dataPath(QStringLiteral("projects-view/") + QLatin1String(name));
  }
  // "Open Project(s)" with the file chosen in the dialog.
  void open(const QString& path) {
    dialogs.files.enqueue(path);
    window->dataView().files().Load_DB_Click();
  }
  void openProject(const char* name) { open(projectPath(name)); }

  QTreeWidgetItem* root() const { return window->dataTab().TreeView1->topLevelItem(0); }
  QStringList childTexts(const QTreeWidgetItem* item) const {
    QStringList texts;
    for (int i = 0; item != nullptr && i < item->childCount(); ++i) texts << item->child(i)->text(0);
    return texts;
  }
  // The node reached from the root by texts; nullptr when there is none.
  QTreeWidgetItem* node(const QStringList& path) const {
    QTreeWidgetItem* item = root();
    for (const QString& text : path) {
      QTreeWidgetItem* next = nullptr;
      for (int i = 0; item != nullptr && i < item->childCount(); ++i)
        if (item->child(i)->text(0) == text) next = item->child(i);
      item = next;
    }
    return item;
  }
  // Selects the node and clicks the tree as the user does.
  void click(const QStringList& path) {
    QTreeWidgetItem* item = path.isEmpty() ? root() : node(path);
    ASSERT_NE(item, nullptr) << path.join(QLatin1Char('/')).toStdString();
    data().TreeView1->setCurrentItem(item);
    window->dataView().selection().TreeView1_Click();
  }
  static QStringList shownColumns(const QTableView& grid) {
    QStringList names;
    for (int c = 0; grid.model() != nullptr && c < grid.model()->columnCount(); ++c)
      if (!grid.isColumnHidden(c)) names << grid.model()->headerData(c, Qt::Horizontal).toString();
    return names;
  }
  double twips(int pixels) const { return platform::pixelsToTwips(pixels, window->logicalDpiX()); }

  testsupport::TempProgramFolder folder;
  platform::ProgramFolderLock programFolder;
  platform::ui::ScriptedDialogs dialogs;
  platform::ui::ScopedDialogSeam seam{dialogs};
  std::unique_ptr<MainWindow> window;
};

// Twips measured from pixels are within a pixel of the rule.
#define EXPECT_TWIPS(actual, expected) EXPECT_NEAR((actual), (expected), twips(1) + 0.01)

}  // namespace mainwindow
