#include "mainwindow/dataview/ProjectFileCommands.h"

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QTreeWidget>

#include "instrument/DBTablesFile.h"
#include "instrument/DeviceType.h"
#include "instrument/WorkingDatabaseBackup.h"
#include "instrument/writeout.h"
#include "mainwindow/dataview/DataTabPage.h"
#include "mainwindow/dataview/DataView.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/ProgramInfo.h"
#include "mainwindow/tree/SelectionQueries.h"
#include "platform/core/IgnoreErrors.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/RegularFile.h"
#include "platform/db/DatabaseLockFile.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Functions.h"
#include "report/page/header/CompanyInfoSave.h"
#include "report/page/compose/ReportPage.h"

namespace mainwindow {
namespace {

using platform::ui::Dialogs;
using platform::ui::FileDialogKind;
using platform::ui::MessageAnswer;
using platform::ui::MessageButtons;
using platform::ui::MessageIcon;

const QString TestsTitle = QStringLiteral("Tests (");
const QString RunNumberTitle = QStringLiteral("Run Number (");
const QString ProjectsTitle = QStringLiteral("Projects (");
const QString TitleEnd = QStringLiteral(")");
constexpr int PercentScale = 100;

// The hourglass for the lifetime of the object.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

QString titlePrefix(int Model_Code) {
  if (Model_Code == instrument::ModelCode::LX9100) return TestsTitle;
  if (Model_Code == instrument::ModelCode::T7310) return RunNumberTitle;
  return ProjectsTitle;
}

}  // namespace

ProjectFileCommands::ProjectFileCommands(MainWindow& main, DataView& dataView)
    : main_(main), dataView_(dataView) {
  DataTabPage& data = main_.dataTab();
  connect(data.Load_DB, &QPushButton::clicked, this, &ProjectFileCommands::Load_DB_Click);
  connect(data.Save_DB, &QPushButton::clicked, this, &ProjectFileCommands::Save_DB_Click);
  connect(data.save_selected, &QPushButton::clicked, this, &ProjectFileCommands::save_selected_Click);
}

void ProjectFileCommands::rememberFolder(const QString& path) {
  const QString folder = platform::ui::Folder_Of(path);
  if (folder != main_.state().Last_Path) main_.state().Last_Path = folder;
}

std::optional<QString> ProjectFileCommands::chooseFileToOpen() {
  for (;;) {
    const auto path = Dialogs::chooseFile({&main_, FileDialogKind::Open, QString(), main_.state().Last_Path, FileFilter});
    if (!path) return std::nullopt;
    rememberFolder(*path);
    if (QFileInfo(*path).isFile()) return path;
    // A pipe or a device would be waited on, or never end.
    const bool there = QFileInfo::exists(*path);
    Dialogs::inform(&main_, there ? FileNotRegular.arg(platform::noRegularFileText(*path)) : FileMissing, ProgramTitle);
  }
}

std::optional<QString> ProjectFileCommands::chooseFileToSave() {
  for (;;) {
    auto path = Dialogs::chooseFile({&main_, FileDialogKind::Save, QString(), main_.state().Last_Path, FileFilter});
    if (!path) return std::nullopt;
    if (QFileInfo(*path).suffix().isEmpty()) *path += ProjectSuffix;
    rememberFolder(*path);
    if (!QFileInfo::exists(*path)) return path;
    const MessageAnswer answer =
        Dialogs::message({&main_, *path + OverwriteQuestion, ProgramTitle, MessageButtons::YesNoCancel, MessageIcon::None});
    if (answer == MessageAnswer::Yes) return path;
    if (answer == MessageAnswer::Cancel) return std::nullopt;
  }
}

void ProjectFileCommands::Load_DB_Click() {
  // A download or another read owns the working database until it ends.
  if (main_.state().longWork.running()) return;
  setControlsEnabled(false);
  const auto path = chooseFileToOpen();
  if (!path) {
    restoreWindow();
    return;
  }
  main_.runLongWork([&] {
    platform::ignoringErrors([&] { openProject(*path); });
    restoreWindow();
  });
}

void ProjectFileCommands::openProject(const QString& path) {
  instrument::ProgramState& state = main_.state();
  const BusyCursor busy;
  dataView_.closeDatabaseObjects();
  // Another instance of the program on this folder would lose what it writes
  // under the replacement.
  if (!main_.holdProgramFolder()) return;
  const QString inUse =
      platform::db::DatabaseLockFile::inUse(platform::ProgramFolder::path(platform::ProgramFiles::Database));
  if (!inUse.isEmpty()) {
    Dialogs::message({&main_, NotOpened + inUse, ProgramTitle, MessageButtons::Ok, MessageIcon::Warning});
    return;
  }
  instrument::WorkingDatabaseBackup backup;
  if (!backup.take()) {
    const QString why = backup.refusal().isEmpty() ? NoBackup : NotOpened + backup.refusal();
    Dialogs::message({&main_, why, ProgramTitle, MessageButtons::Ok, MessageIcon::Warning});
    return;
  }
  instrument::writeout reader(&state.Download_Status);
  connect(&reader, &instrument::writeout::replayProgress, this, [&](qint64 done, qint64 total) {
    if (total > 0) main_.setStatusText(ReadingProgress.arg(done * PercentScale / total));
    // Exit asked for: stop reading; the previous data come back below.
    if (state.longWork.closeRequested) reader.stopReplay();
  });
  main_.Comm().Finished_ = false;
  const std::optional<QString> tables = reader.Get_tables(path, main_.Comm().Tables_Created);
  main_.Comm().Finished_ = true;
  main_.setStatusText(StatusOk);
  // The new data are complete only with their table list written.
  const bool listed = tables && instrument::writeTableList(*tables, reader.FoundDevice);
  if (!listed) {
    backup.restore();
    dataView_.reloadSelection();
    const QString why = tables ? TableListNotWritten : reader.message();
    if (reader.replayStatus() != instrument::ReplayStatus::Stopped)
      Dialogs::message({&main_, OpenFailed + why, ProgramTitle, MessageButtons::Ok, MessageIcon::Warning});
    return;
  }
  backup.discard();
  opened(path, *tables, reader.FoundDevice);
}

void ProjectFileCommands::opened(const QString& path, const QString& tables, int model) {
  instrument::ProgramState& state = main_.state();
  state.Model_Code = model;
  main_.Comm().Tables_Created = tables;
  state.Download_Title = titlePrefix(state.Model_Code) + QFileInfo(path).fileName() + TitleEnd;
  report::saveDataSetTitle(&main_, main_.companyInfo(), state.Download_Title, main_.reportFlags());
  // Nothing of the new data is selected yet.
  state.Table_Name.clear();
  state.projectId.clear();
  state.Test_Name = NoTestName;
  state.New_Download = true;
  state.New_Data = true;
  dataView_.clearGrids();
  main_.reportPage().MainTab_Click(DataTab);
}

void ProjectFileCommands::Save_DB_Click() { save(QString()); }

void ProjectFileCommands::save_selected_Click() { save(main_.state().Table_Name); }

void ProjectFileCommands::save(const QString& singleTable) {
  if (main_.state().longWork.running()) return;
  // Without a table there is nothing to write; no file is made.
  if (main_.Comm().Tables_Created.trimmed().isEmpty()) {
    Dialogs::inform(&main_, NothingToSave, SaveTitle);
    return;
  }
  const auto path = chooseFileToSave();
  if (!path) return;
  instrument::SaveStatus status = instrument::SaveStatus::Saved;
  QString failure;
  {
    const BusyCursor busy;
    instrument::writeout writer(&main_.state().Download_Status);
    status = writer.writeout_(*path, main_.Comm().Tables_Created, static_cast<qint16>(main_.state().Model_Code),
                              singleTable);
    failure = writer.message();
  }
  if (status == instrument::SaveStatus::Saved) {
    Dialogs::inform(&main_, SavedTo + *path + QLatin1Char('.'), SaveTitle);
    return;
  }
  Dialogs::message({&main_, SaveFailed + failure, SaveTitle, MessageButtons::Ok, MessageIcon::Critical});
}

void ProjectFileCommands::setControlsEnabled(bool enabled) {
  for (int tab : {DataTab, ReportTab, GraphTab}) main_.setMainTabEnabled(tab, enabled);
  DataTabPage& data = main_.dataTab();
  for (QWidget* control : {static_cast<QWidget*>(data.Load_DB), static_cast<QWidget*>(data.Save_DB),
                           static_cast<QWidget*>(data.save_selected), static_cast<QWidget*>(data.TreeView1)})
    control->setEnabled(enabled);
}

void ProjectFileCommands::restoreWindow() {
  setControlsEnabled(true);
  const instrument::ProgramState& state = main_.state();
  main_.setMainTabEnabled(ReportTab, !state.Table_Name.isEmpty());
  main_.setMainTabEnabled(GraphTab, state.Model_Code == instrument::ModelCode::LX9100);
}

}  // namespace mainwindow
