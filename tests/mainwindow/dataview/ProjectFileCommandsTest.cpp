#include "mainwindow/dataview/ProjectFileCommands.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <sys/stat.h>

#include "../DataViewFixture.h"
#include "instrument/DBTablesFile.h"
#include "instrument/StatusCodes.h"
#include "mainwindow/window/MainMenus.h"
#include "platform/core/ProgramFiles.h"
#include "platform/db/Database.h"
#include "report/page/header/CompanyInfoSave.h"
#include "support/FileSizeLimit.h"

namespace mainwindow {
namespace {

using platform::ui::FileDialogKind;
using platform::ui::MessageAnswer;
using platform::ui::MessageButtons;

class ProjectFileCommandsTest : public DataViewFixture {
 protected:
  QString outPath(const char* name) const { return folder.path(QStringLiteral("out/") + QLatin1String(name)); }
  void SetUp() override {
    DataViewFixture::SetUp();
    QDir(folder.root()).mkpath(QStringLiteral("out"));
  }
  static void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  static QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  QStringList tablesInDatabase() const {
    platform::db::Database db;
    if (!db.open(folder.path(platform::ProgramFiles::Database))) return {};
    QStringList names = db.tableNames();
    names.sort();
    return names;
  }
  bool controlsEnabled() {
    return data().Load_DB->isEnabled() && data().Save_DB->isEnabled() && data().save_selected->isEnabled() &&
           data().TreeView1->isEnabled() && main().MainTab->isTabEnabled(DataTab);
  }
  // A load-frame file long enough that its replay gives the event loop turns.
  QString longLoadFrameFile() const {
    QByteArray text = " 0 \r\nCBR/LBR TEST\r\nRD #, TIME, (LOAD), (PEN), (), ()\r\n";
    for (int i = 1; i <= 20000; ++i) text += QByteArray::number(i) + ", 00:00:05, " + QByteArray::number(i) + ", 2, 3, 4\r\n";
    text += "END\r\n";
    const QString path = outPath("long.txt");
    writeFile(path, text);
    return path;
  }
};

TEST_F(ProjectFileCommandsTest, OpenSetsModelTitleTableListAndTree) {
  openProject("n2600bx_two_projects.txt");
  const instrument::ProgramState& state = main().state();
  EXPECT_EQ(state.Model_Code, 2);
  EXPECT_EQ(main().Comm().Tables_Created, QStringLiteral("12.5 7 "));
  EXPECT_TRUE(main().Comm().Finished_);
  EXPECT_EQ(state.Download_Title, QStringLiteral("Projects (n2600bx_two_projects.txt)"));
  EXPECT_EQ(root()->text(0), QStringLiteral("Projects (n2600bx_two_projects.txt)"));
  qint32 model = -1;
  EXPECT_EQ(instrument::DBTables_File(instrument::DBTablesMode::Read, QString(), model), QStringLiteral("12.5 7 "));
  EXPECT_EQ(model, 2);
  EXPECT_EQ(state.Last_Path, QFileInfo(projectPath("x")).absolutePath());
  EXPECT_EQ(dialogs.fileRequests.size(), 1);
  EXPECT_EQ(dialogs.fileRequests[0].filter, QStringLiteral("Text File (*.txt);;All Files (*)"));
  EXPECT_EQ(dialogs.fileRequests[0].kind, FileDialogKind::Open);
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_TRUE(controlsEnabled());
  EXPECT_FALSE(main().MainTab->isTabEnabled(GraphTab));
  EXPECT_EQ(main().statusText(), QStringLiteral("Status: OK"));

  openProject("t7310_runs_1_to_25.txt");
  EXPECT_EQ(root()->text(0), QStringLiteral("Run Number (t7310_runs_1_to_25.txt)"));
  openProject("lx9100_two_tests.txt");
  EXPECT_EQ(root()->text(0), QStringLiteral("Tests (lx9100_two_tests.txt)"));
  EXPECT_TRUE(main().MainTab->isTabEnabled(GraphTab));
  EXPECT_EQ(tablesInDatabase(), (QStringList{QStringLiteral("CBR_LBR1"), QStringLiteral("MARSHALL1")}));
}

// A start that could not take the folder's claim (a full disk) beside a
// second start that did, then another program holding the database.
TEST_F(ProjectFileCommandsTest, AnOpenWaitsForTheFolderClaimAndADatabaseNoOtherProgramHolds) {
  platform::ProgramFolderLock secondStart;
  ASSERT_EQ(secondStart.take(), platform::ProgramFolderLock::Claim::Taken);
  openProject("n2600bx_two_projects.txt");
  EXPECT_EQ(dialogs.messageTexts(),
            QStringList{QStringLiteral("The working database was not replaced. The program is also running on the "
                                       "folder \"%1\" in another window. Use that window, or close it and try again.")
                            .arg(folder.root())});
  EXPECT_TRUE(tablesInDatabase().isEmpty());

  secondStart.release();
  QLockFile otherProgram(folder.path(platform::ProgramFiles::DatabaseLock));
  ASSERT_TRUE(otherProgram.tryLock(0));
  dialogs.messages.clear();
  openProject("n2600bx_two_projects.txt");
  ASSERT_EQ(dialogs.messageTexts().size(), 1);
  EXPECT_TRUE(dialogs.messageTexts()[0].startsWith(ProjectFileCommands::NotOpened + "The working database"))
      << dialogs.messageTexts()[0].toStdString();
  EXPECT_TRUE(main().Comm().Tables_Created.isEmpty());

  otherProgram.unlock();
  QFile otherComputer(folder.path(platform::ProgramFiles::DatabaseLock));
  ASSERT_TRUE(otherComputer.open(QIODevice::WriteOnly) && otherComputer.write("4242\nquorvane\nlab-pc-7\n") > 0);
  otherComputer.close();
  dialogs.messages.clear();
  openProject("n2600bx_two_projects.txt");
  ASSERT_EQ(dialogs.messageTexts().size(), 1);
  EXPECT_TRUE(dialogs.messageTexts()[0].contains("\"lab-pc-7\". If that program is no longer running, delete the "
                                                 "file \"" + otherComputer.fileName()))
      << dialogs.messageTexts()[0].toStdString();

  ASSERT_TRUE(otherComputer.remove());
  openProject("n2600bx_two_projects.txt");
  EXPECT_EQ(main().Comm().Tables_Created, QStringLiteral("12.5 7 "));
  // The claim is now this program's: a further start is refused.
  EXPECT_EQ(platform::ProgramFolderLock().take(), platform::ProgramFolderLock::Claim::HeldElsewhere);
}

TEST_F(ProjectFileCommandsTest, CancelAndMissingFilesChangeNothing) {
  openProject("lx9100_two_tests.txt");
  click({QStringLiteral("CBR_LBR1")});
  dialogs.fileRequests.clear();

  const QString missing = folder.path(QStringLiteral("elsewhere/none.txt"));
  dialogs.files.enqueue(missing);
  main().dataView().files().Load_DB_Click();  // then the dialog is cancelled
  EXPECT_EQ(dialogs.messageTexts(),
            QStringList{QStringLiteral("Selected File does not exist.  Check file name and path.")});
  ASSERT_EQ(dialogs.fileRequests.size(), 2);
  EXPECT_EQ(dialogs.fileRequests[1].folder, folder.path(QStringLiteral("elsewhere")));

  // A pipe would be waited on: it is named as what it is, and not read.
  const QString pipe = outPath("pipe.txt");
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  dialogs.messages.clear();
  dialogs.files.enqueue(pipe);
  main().dataView().files().Load_DB_Click();
  EXPECT_EQ(dialogs.messageTexts(),
            QStringList{pipe + QStringLiteral(" is no regular file (a folder, a device, a pipe or a socket).  Check "
                                              "file name and path.")});
  EXPECT_EQ(root()->text(0), QStringLiteral("Tests (lx9100_two_tests.txt)"));
  EXPECT_EQ(view().Rows_Recordset.recordCount(), 3);
  EXPECT_TRUE(controlsEnabled());
  EXPECT_TRUE(main().MainTab->isTabEnabled(GraphTab));
  EXPECT_TRUE(main().MainTab->isTabEnabled(ReportTab));
}

TEST_F(ProjectFileCommandsTest, AFileThatIsNotAProjectFileIsRefused) {
  openProject("lx9100_two_tests.txt");
  click({QStringLiteral("MARSHALL1")});
  const QString notes = outPath("notes.txt");
  for (const QByteArray& text : {QByteArray("Site notes, day one\r\nCBR/LBR TEST\r\n"), QByteArray("abc\r\n"),
                                 QByteArray(" 7 \r\n"), QByteArray(), QByteArray(" 0 \r\n")}) {
    writeFile(notes, text);
    dialogs.messages.clear();
    open(notes);
    ASSERT_EQ(dialogs.messages.size(), 1) << text.toStdString();
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(QStringLiteral("The project file was not opened: ")));
    EXPECT_EQ(main().state().Model_Code, 0);
    EXPECT_EQ(main().Comm().Tables_Created, QStringLiteral("CBR_LBR1 MARSHALL1 "));
    EXPECT_EQ(root()->text(0), QStringLiteral("Tests (lx9100_two_tests.txt)"));
    EXPECT_EQ(tablesInDatabase(), (QStringList{QStringLiteral("CBR_LBR1"), QStringLiteral("MARSHALL1")}));
    // The grids show the selection again.
    EXPECT_EQ(view().Rows_Recordset.recordCount(), 2);
    EXPECT_TRUE(controlsEnabled());
  }
}

TEST_F(ProjectFileCommandsTest, AReadThatFailsPartWayKeepsThePreviousData) {
  openProject("n2600bx_two_projects.txt");
  const QString cut = outPath("cut.txt");
  writeFile(cut, " 0 \r\nCBR/LBR TEST\r\nRD #, TIME, (LOAD), (), (), ()\r\n1, 00:00:05, 1");
  open(cut);
  EXPECT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(main().state().Model_Code, 2);
  EXPECT_EQ(main().Comm().Tables_Created, QStringLiteral("12.5 7 "));
  EXPECT_EQ(tablesInDatabase(), (QStringList{QStringLiteral("P125"), QStringLiteral("P7")}));
  qint32 model = -1;
  EXPECT_EQ(instrument::DBTables_File(instrument::DBTablesMode::Read, QString(), model), QStringLiteral("12.5 7 "));
  EXPECT_FALSE(QFile::exists(folder.path(platform::ProgramFiles::DatabaseBackup)));
  click({QStringLiteral("7"), QStringLiteral("Soil")});
  EXPECT_EQ(view().Rows_Recordset.recordCount(), 1);
}

// The working database outgrows the disk part-way through the file.
TEST_F(ProjectFileCommandsTest, AReadThatFillsTheDiskSaysSoAndKeepsThePreviousData) {
  openProject("n2600bx_two_projects.txt");
  const QString path = longLoadFrameFile();
  {
    const testsupport::FileSizeLimit full(160 * 1024);
    open(path);
  }
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_TRUE(dialogs.messageTexts().first().contains(QStringLiteral("disk"))) << dialogs.messageTexts().first().toStdString();
  EXPECT_EQ(main().state().Download_Status, instrument::status::DatabaseWriteFailed);
  EXPECT_EQ(main().Comm().Tables_Created, QStringLiteral("12.5 7 "));
  EXPECT_EQ(tablesInDatabase(), (QStringList{QStringLiteral("P125"), QStringLiteral("P7")}));
  EXPECT_FALSE(QFile::exists(folder.path(platform::ProgramFiles::ReplacementMark)));
}

// Here a folder stands where the file would be written.
TEST_F(ProjectFileCommandsTest, AnOpenWhoseTitleCannotBeSavedSaysSo) {
  ASSERT_TRUE(QDir().mkpath(folder.path(platform::ProgramFiles::CompanyInfo)));
  main().reportFlags().Info_Changed = true;
  openProject("lx9100_two_tests.txt");
  EXPECT_EQ(root()->text(0), QStringLiteral("Tests (lx9100_two_tests.txt)"));
  EXPECT_EQ(dialogs.messageTexts(), QStringList{report::TitleNotSaved});
  EXPECT_TRUE(main().reportFlags().Info_Changed);  // the edited texts are still not on disk
}

TEST_F(ProjectFileCommandsTest, CompanyTextsTheOpenWroteAreNotAskedAboutAtExit) {
  main().reportFlags().Info_Changed = true;
  main().companyInfo().CInfo[0] = QStringLiteral("Acme Testing");
  openProject("lx9100_two_tests.txt");
  EXPECT_TRUE(readFile(folder.path(platform::ProgramFiles::CompanyInfo)).contains("Acme Testing"));
  dialogs.messages.clear();
  main().close();
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(ProjectFileCommandsTest, SaveAllAsksBeforeOverwritingAndReopensToTheSameTree) {
  openProject("n2600bx_two_projects.txt");
  click({QStringLiteral("12.5"), QStringLiteral("Soil")});
  const QString path = outPath("all.txt");
  writeFile(path, "old");
  dialogs.fileRequests.clear();

  // No: the dialog again; Cancel: nothing written.
  dialogs.files << path << path;
  dialogs.answers << MessageAnswer::No << MessageAnswer::Cancel;
  main().dataView().files().Save_DB_Click();
  EXPECT_EQ(dialogs.fileRequests.size(), 2);
  ASSERT_EQ(dialogs.messages.size(), 2);
  EXPECT_EQ(dialogs.messages[0].text, path + QStringLiteral(" already exists.  Do you want to overwrite?"));
  EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(dialogs.fileRequests[0].kind, FileDialogKind::Save);
  EXPECT_EQ(readFile(path), QByteArray("old"));

  // Yes: written, reported, and the grids still show the selection.
  dialogs.messages.clear();
  dialogs.files << path;
  dialogs.answers << MessageAnswer::Yes;
  main().dataView().files().Save_DB_Click();
  ASSERT_EQ(dialogs.messages.size(), 2);
  EXPECT_EQ(dialogs.messages[1].text, QStringLiteral("Project(s) Saved to ") + path + QLatin1Char('.'));
  EXPECT_EQ(dialogs.messages[1].title, QStringLiteral("Quorvane Download Save Results"));
  EXPECT_TRUE(readFile(path).startsWith(" 2 \r\n"));
  EXPECT_EQ(view().Rows_Recordset.recordCount(), 2);
  EXPECT_TRUE(view().isOpen());

  open(path);
  EXPECT_EQ(main().Comm().Tables_Created, QStringLiteral("12.5 7 "));
  EXPECT_EQ(childTexts(root()), (QStringList{QStringLiteral("12.5"), QStringLiteral("7")}));
  click({QStringLiteral("12.5"), QStringLiteral("Thin")});
  EXPECT_EQ(view().Rows_Recordset.recordCount(), 1);
}

TEST_F(ProjectFileCommandsTest, SaveSelectedWritesOnlyTheSelectedTable) {
  openProject("lx9100_two_tests.txt");
  click({QStringLiteral("MARSHALL1")});
  const QString path = outPath("one.txt");
  dialogs.files << path;
  main().dataView().files().save_selected_Click();
  EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("Project(s) Saved to ") + path + QLatin1Char('.')});
  open(path);
  EXPECT_EQ(main().Comm().Tables_Created, QStringLiteral("MARSHALL1 "));
  EXPECT_EQ(root()->text(0), QStringLiteral("Tests (one.txt)"));
  click({QStringLiteral("MARSHALL1")});
  EXPECT_EQ(main().state().Row_Count, 2);
}

TEST_F(ProjectFileCommandsTest, AFailedSaveSaysSoAndLeavesNoFile) {
  openProject("lx9100_two_tests.txt");
  const QString path = folder.path(QStringLiteral("no-such-folder/all.txt"));
  dialogs.files << path;
  main().dataView().files().Save_DB_Click();
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_TRUE(dialogs.messages[0].text.startsWith(QStringLiteral("The project file was not saved: ")));
  EXPECT_EQ(dialogs.messages[0].icon, platform::ui::MessageIcon::Critical);
  EXPECT_FALSE(QFile::exists(path));
}

TEST_F(ProjectFileCommandsTest, ExitDuringAReadWaitsAndOtherCommandsAreRefused) {
  openProject("lx9100_two_tests.txt");
  const QString path = longLoadFrameFile();
  bool sawProgress = false;
  bool controlsOffDuringRead = false;
  QTimer::singleShot(0, &main(), [&] {
    sawProgress = main().statusText().startsWith(QStringLiteral("Status: Reading project file... "));
    controlsOffDuringRead = !data().Load_DB->isEnabled() && !data().TreeView1->isEnabled() &&
                            !main().MainTab->isTabEnabled(DataTab);
    main().menus().ImportWizard->trigger();
    main().menus().Check_Ports->trigger();
    main().menus().File_Exit->trigger();
    EXPECT_TRUE(main().isVisible());  // not while the read runs
  });
  open(path);
  EXPECT_TRUE(sawProgress);
  EXPECT_TRUE(controlsOffDuringRead);
  EXPECT_NE(main().statusText(), QStringLiteral("Status: Waiting for data from Wizard."));
  EXPECT_FALSE(main().isVisible());
  EXPECT_FALSE(view().isOpen());
  // The read was stopped: the previous data stay.
  EXPECT_EQ(tablesInDatabase(), (QStringList{QStringLiteral("CBR_LBR1"), QStringLiteral("MARSHALL1")}));
  qint32 model = -1;
  EXPECT_EQ(instrument::DBTables_File(instrument::DBTablesMode::Read, QString(), model),
            QStringLiteral("CBR_LBR1 MARSHALL1 "));
}

TEST_F(ProjectFileCommandsTest, ShutdownClosesTheDataViewConnection) {
  openProject("lx9100_two_tests.txt");
  click({QStringLiteral("CBR_LBR1")});
  ASSERT_TRUE(view().isOpen());
  main().close();
  EXPECT_FALSE(view().isOpen());
  EXPECT_EQ(view().Rows_Recordset.rowCount(), 0);
}

}  // namespace
}  // namespace mainwindow
