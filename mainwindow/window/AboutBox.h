#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;

namespace mainwindow {

// The about box "frmAbout": program name, version, a notice, the maker's
// contact lines and legal notice. It stays on top and keeps the main window
// from taking input while it is open.
class AboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit AboutBox(QWidget* owner);

  // Shows a new about box over the owner; it deletes itself when closed.
  static AboutBox* showFor(QWidget& owner);

  // The version line, "Version 2.6.3".
  static QString versionLine();

  void cmdOK_Click();
  void cmdSysInfo_Click() { StartSysInfo(); }
  // The system-information program of the original platform does not exist
  // here; the user is told so.
  void StartSysInfo();

  QLabel* picIcon = nullptr;
  QLabel* lblTitle = nullptr;
  QLabel* lblVersion = nullptr;
  QLabel* lblDisclaimer = nullptr;
  QTextEdit* contactText = nullptr;
  QTextEdit* legalText = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdSysInfo = nullptr;

 private:
  void Form_Load();
};

}  // namespace mainwindow
