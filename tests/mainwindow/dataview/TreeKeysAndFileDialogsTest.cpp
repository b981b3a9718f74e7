// A user's road through the data tab: the tree walked with the keyboard,
// the project-file dialogs and saving with nothing to save.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>

#include "../DataViewFixture.h"
#include "mainwindow/dataview/ProjectFileCommands.h"

namespace mainwindow {
namespace {

using platform::ui::FileDialogKind;

class TreeKeysAndFileDialogsTest : public DataViewFixture {
 protected:
  void SetUp() override {
    DataViewFixture::SetUp();
    QDir(folder.root()).mkpath(QStringLiteral("out"));
  }
  QString outPath(const QString& name) const { return folder.path(QStringLiteral("out/") + name); }
  void press(Qt::Key key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(data().TreeView1, &event);
  }
};

TEST_F(TreeKeysAndFileDialogsTest, TheHighlightedRunIsShownAndSaved) {
  openProject("t7310_runs_1_to_25.txt");
  click({QStringLiteral("RUN1")});
  press(Qt::Key_Down);
  press(Qt::Key_Down);
  EXPECT_EQ(data().TreeView1->currentItem()->text(0), QStringLiteral("RUN3"));
  EXPECT_EQ(main().state().Table_Name, QStringLiteral("RUN3"));
  EXPECT_EQ(view().Header_Recordset.value(0, u"RUN_NUMBER").toInt(), 3);

  const QString path = outPath(QStringLiteral("run3.txt"));
  dialogs.files << path;
  main().dataView().files().save_selected_Click();
  open(path);
  EXPECT_EQ(main().Comm().Tables_Created, QStringLiteral("RUN3 "));

  // Home and End select as well.
  openProject("t7310_runs_1_to_25.txt");
  click({QStringLiteral("RUN2")});
  press(Qt::Key_End);
  EXPECT_EQ(main().state().Table_Name, QStringLiteral("RUN21"));
  EXPECT_TRUE(data().DataGrid1->isHidden());
}

TEST_F(TreeKeysAndFileDialogsTest, ArrowKeysWalkTheSampleTypesOfAProject) {
  openProject("n2600bx_two_projects.txt");
  click({QStringLiteral("12.5"), QStringLiteral("Asphalt")});
  press(Qt::Key_Down);
  EXPECT_EQ(main().state().Test_Name, QStringLiteral("SOIL"));
  EXPECT_EQ(view().Rows_Recordset.recordCount(), 2);
}

TEST_F(TreeKeysAndFileDialogsTest, AfterTheWizardClosedTheViewTheHighlightedTestShowsAgain) {
  openProject("lx9100_two_tests.txt");
  click({QStringLiteral("CBR_LBR1")});
  // A download that failed before its first character leaves the tree as it
  // was, with the grids closed.
  main().dataView().closeDatabaseObjects();
  EXPECT_EQ(view().Rows_Recordset.recordCount(), 0);
  emit data().TreeView1->itemClicked(data().TreeView1->currentItem(), 0);
  EXPECT_EQ(view().Rows_Recordset.recordCount(), 3);
}

TEST_F(TreeKeysAndFileDialogsTest, ASavedNameWithoutExtensionIsListedByTheOpenDialog) {
  openProject("lx9100_two_tests.txt");
  dialogs.fileRequests.clear();
  dialogs.files << outPath(QStringLiteral("saved1"));
  main().dataView().files().Save_DB_Click();
  EXPECT_TRUE(QFile::exists(outPath(QStringLiteral("saved1.txt"))));
  EXPECT_FALSE(QFile::exists(outPath(QStringLiteral("saved1"))));
  EXPECT_EQ(dialogs.messageTexts().last(),
            QStringLiteral("Project(s) Saved to ") + outPath(QStringLiteral("saved1.txt")) + QLatin1Char('.'));

  // A name with an extension of its own keeps it.
  dialogs.files << outPath(QStringLiteral("saved2.prj"));
  main().dataView().files().Save_DB_Click();
  EXPECT_TRUE(QFile::exists(outPath(QStringLiteral("saved2.prj"))));

  open(outPath(QStringLiteral("saved1.txt")));
  ASSERT_EQ(dialogs.fileRequests.size(), 3);
  for (const auto& request : dialogs.fileRequests) {
    EXPECT_TRUE(request.filter.startsWith(QStringLiteral("Text File (*.txt);;"))) << request.filter.toStdString();
    EXPECT_TRUE(request.filter.contains(QStringLiteral("(*)"))) << request.filter.toStdString();
  }
  EXPECT_EQ(dialogs.fileRequests[2].kind, FileDialogKind::Open);
  EXPECT_EQ(main().Comm().Tables_Created, QStringLiteral("CBR_LBR1 MARSHALL1 "));
}

TEST_F(TreeKeysAndFileDialogsTest, AnEmptyDatabaseHasNothingToSave) {
  ASSERT_TRUE(main().Comm().Tables_Created.isEmpty());
  dialogs.files << outPath(QStringLiteral("empty.txt"));
  main().dataView().files().Save_DB_Click();
  main().dataView().files().save_selected_Click();
  EXPECT_TRUE(dialogs.fileRequests.isEmpty());
  EXPECT_EQ(dialogs.messageTexts(),
            QStringList(2, QStringLiteral("There are no projects to save.")));
  EXPECT_FALSE(QFile::exists(outPath(QStringLiteral("empty.txt"))));
}

}  // namespace
}  // namespace mainwindow
