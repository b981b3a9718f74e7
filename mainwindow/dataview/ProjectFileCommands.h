#pragma once

#include <QObject>
#include <QString>

#include <optional>

namespace mainwindow {

class DataView;
class MainWindow;

// The data tab's three project-file buttons: "Open Project(s)" replaces the
// working database with a saved project file, "Save All Projects" writes
// every table of the table list to one file and "Save Selected Project" only
// the table selected in the tree. The file dialogs start in the folder of the
// last one (Last_Path).
//
// An open keeps a copy of the working database and the table list until the
// file has been read completely: a file that is not a project file, or one
// that fails part-way, leaves the previous data, tree and table list as they
// were. While the file is read the tree, the tabs and the buttons are
// disabled, the status bar shows the progress and an Exit is carried out
// when the read has stopped.
class ProjectFileCommands : public QObject {
  Q_OBJECT

 public:
  ProjectFileCommands(MainWindow& main, DataView& dataView);

  void Load_DB_Click();
  void Save_DB_Click();
  void save_selected_Click();

  // Project files first; any other file can still be chosen.
  inline static const QString FileFilter = QStringLiteral("Text File (*.txt);;All Files (*)");
  // Given to a saved name that has no extension, so the Open dialog lists it.
  inline static const QString ProjectSuffix = QStringLiteral(".txt");
  inline static const QString FileMissing = QStringLiteral("Selected File does not exist.  Check file name and path.");
  // %1: what noRegularFileText says of the file chosen.
  inline static const QString FileNotRegular = QStringLiteral("%1.  Check file name and path.");
  inline static const QString OverwriteQuestion = QStringLiteral(" already exists.  Do you want to overwrite?");
  inline static const QString SavedTo = QStringLiteral("Project(s) Saved to ");
  inline static const QString SaveTitle = QStringLiteral("Quorvane Download Save Results");
  inline static const QString OpenFailed = QStringLiteral("The project file was not opened: ");
  inline static const QString NotOpened = QStringLiteral("The project file was not opened. ");
  inline static const QString TableListNotWritten =
      QStringLiteral("its table list could not be written; the disk may be full.");
  inline static const QString SaveFailed = QStringLiteral("The project file was not saved: ");
  inline static const QString NothingToSave = QStringLiteral("There are no projects to save.");
  inline static const QString NoBackup =
      QStringLiteral("The working database could not be copied aside, so it was left as it is.");
  inline static const QString ReadingProgress = QStringLiteral("Status: Reading project file... %1%");
  inline static const QString StatusOk = QStringLiteral("Status: OK");

 private:
  std::optional<QString> chooseFileToOpen();
  std::optional<QString> chooseFileToSave();
  void rememberFolder(const QString& path);
  void openProject(const QString& path);
  void opened(const QString& path, const QString& tables, int model);
  void save(const QString& singleTable);
  void setControlsEnabled(bool enabled);
  void restoreWindow();

  MainWindow& main_;
  DataView& dataView_;
};

}  // namespace mainwindow
