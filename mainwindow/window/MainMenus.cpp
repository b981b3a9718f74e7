#include "mainwindow/window/MainMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace mainwindow {
namespace {

QAction* item(QMenu& menu, const QString& caption, const char* name) {
  QAction* action = menu.addAction(caption);
  action->setObjectName(QLatin1String(name));
  return action;
}

QAction* separator(QMenu& menu, const char* name) {
  QAction* action = menu.addSeparator();
  action->setObjectName(QLatin1String(name));
  return action;
}

QMenu* submenu(QWidget& parent, const QString& caption, const char* name) {
  auto* menu = new QMenu(caption, &parent);
  menu->setObjectName(QLatin1String(name));
  menu->menuAction()->setObjectName(QLatin1String(name));
  return menu;
}

}  // namespace

MainMenus::MainMenus(QMenuBar& bar) {
  buildMenuBar(bar);
  buildReportMenu(bar);
}

void MainMenus::buildMenuBar(QMenuBar& bar) {
  File = submenu(bar, QStringLiteral("&File"), "File");
  File_Exit = item(*File, QStringLiteral("E&xit"), "File_Exit");
  bar.addMenu(File);

  ImportWizard = bar.addAction(QStringLiteral("&Import Wizard"));
  ImportWizard->setObjectName(QStringLiteral("ImportWizard"));
  Information = bar.addAction(QStringLiteral("&Lab Info"));
  Information->setObjectName(QStringLiteral("Information"));

  COM_DES = submenu(bar, QStringLiteral("COM Description"), "COM_DES");
  for (int i = 0; i < 4; ++i) {
    COM_STAT[i] = COM_DES->addAction(QString());
    COM_STAT[i]->setObjectName(QStringLiteral("COM_STAT%1").arg(i));
  }
  DivideCom = separator(*COM_DES, "DivideCom");
  Check_Ports = item(*COM_DES, QStringLiteral("Check Ports"), "Check_Ports");
  bar.addMenu(COM_DES);

  Help = submenu(bar, QStringLiteral("&Help"), "Help");
  Contents = item(*Help, QStringLiteral("Contents"), "Contents");
  Weblink = item(*Help, QStringLiteral("Quorvane Web Site"), "Weblink");
  DividerAbout = separator(*Help, "DividerAbout");
  About = item(*Help, QStringLiteral("About"), "About");
  bar.addMenu(Help);
}

void MainMenus::buildReportMenu(QMenuBar& bar) {
  Logo = submenu(bar, QStringLiteral("Modify Report"), "Logo");
  StiffyToggle = item(*Logo, QStringLiteral("View T7310 Report B"), "StiffyToggle");
  DividerReport = separator(*Logo, "DividerReport");

  Edit_text = submenu(*Logo, QStringLiteral("Edit Text"), "Edit_text");
  CN = item(*Edit_text, QStringLiteral("Company Name"), "CN");
  CI = item(*Edit_text, QStringLiteral("Company Information"), "CI");
  Date = item(*Edit_text, QStringLiteral("Date"), "Date");
  MN = item(*Edit_text, QStringLiteral("Machine Number"), "MN");
  PN = item(*Edit_text, QStringLiteral("Project Name"), "PN");
  TB = item(*Edit_text, QStringLiteral("Tested By"), "TB");
  TBD = item(*Edit_text, QStringLiteral("Tested By Date"), "TBD");
  TBD->setVisible(false);
  Remarks = item(*Edit_text, QStringLiteral("Add Remark"), "Edit_Remarks");
  Logo->addMenu(Edit_text);

  LogoOptions = submenu(*Logo, QStringLiteral("Logo Options"), "LogoOptions");
  Ins_Logo = item(*LogoOptions, QStringLiteral("Insert Logo"), "Ins_Logo");
  LJ = item(*LogoOptions, QStringLiteral("Left Justified"), "LJ");
  LR = item(*LogoOptions, QStringLiteral("Right Justified"), "LR");
  DLogo = item(*LogoOptions, QStringLiteral("Delete Logo"), "DLogo");
  for (QAction* action : {LJ, LR, DLogo}) action->setEnabled(false);
  Logo->addMenu(LogoOptions);

  RF = submenu(*Logo, QStringLiteral("Report Font"), "RF");
  const char* fontNames[] = {"Font9", "Font10", "Font11", "Font12"};
  for (int i = 0; i < 4; ++i) Font[i] = item(*RF, QString::number(9 + i), fontNames[i]);
  Logo->addMenu(RF);

  SCons = item(*Logo, QStringLiteral("Edit Stiffness Constants"), "SCons");
}

report::ModifyReportMenu MainMenus::modifyReportMenu() const {
  return {Logo, StiffyToggle, Edit_text, CN, CI, Date, MN, PN, TB, TBD, LogoOptions, Ins_Logo, LJ, LR, DLogo, RF,
          Font, SCons};
}

void MainMenus::enableWindowMenus(bool enabled) {
  ImportWizard->setEnabled(enabled);
  Information->setEnabled(enabled);
  COM_DES->menuAction()->setEnabled(enabled);
}

}  // namespace mainwindow
