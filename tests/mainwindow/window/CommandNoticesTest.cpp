// Commands that cannot do their work say why instead of doing nothing.
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>

#include "../DataViewFixture.h"
#include "mainwindow/window/MenuCommands.h"
#include "platform/ui/ReportViewer.h"
#include "report/page/ReportTabPage.h"

namespace mainwindow {
namespace {

using CommandNoticesTest = DataViewFixture;

TEST_F(CommandNoticesTest, TheHelpKeyWithoutAHelpFileSaysThereIsNone) {
  QShortcut* helpKey = nullptr;
  for (QShortcut* shortcut : main().findChildren<QShortcut*>())
    if (shortcut->key() == QKeySequence(QKeySequence::HelpContents)) helpKey = shortcut;
  ASSERT_NE(helpKey, nullptr);
  emit helpKey->activated();
  EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("No Help File Found")});
}

TEST_F(CommandNoticesTest, PrintAndExportWithoutAReportSayHowToGetOne) {
  // A project is open but no table has been chosen, so no report is built.
  openProject("lx9100_two_tests.txt");
  report::ReportTabPage& page = main().reportTab();
  dialogs.messages.clear();
  emit page.CRViewer1[0]->printButtonClicked();
  emit page.CRViewer1[1]->exportButtonClicked();
  emit page.Export->clicked();
  EXPECT_EQ(dialogs.messageTexts(), QStringList(3, MenuCommands::NoReportYet));
}

}  // namespace
}  // namespace mainwindow
