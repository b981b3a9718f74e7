// The wizard and the dialogs belong to the main window.
#include <QAction>
#include <QApplication>

#include "../DataViewFixture.h"
#include "download/ComSummary.h"
#include "download/ImportWizard.h"
#include "mainwindow/window/AboutBox.h"
#include "mainwindow/window/MainMenus.h"
#include "mainwindow/window/MenuCommands.h"

namespace mainwindow {
namespace {

class OwnedWindowsTest : public DataViewFixture {
 protected:
  QAction* action(const char* name) const { return window->findChild<QAction*>(QLatin1String(name)); }
  QWidget* topLevel(const char* name) const {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (widget->objectName() == QLatin1String(name) && widget->isVisible()) return widget;
    return nullptr;
  }
  // Owned by the main window, a dialog-type window with a close box and no
  // minimise or maximise button.
  void expectOwnedDialog(const QWidget* shown, const QString& title) {
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->parentWidget(), window.get());
    EXPECT_EQ(shown->windowType(), Qt::Dialog);
    const Qt::WindowFlags flags = shown->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(shown->windowTitle(), title);
  }
};

TEST_F(OwnedWindowsTest, WizardSummaryAndAboutBoxAreDialogsOfTheMainWindow) {
  action("ImportWizard")->trigger();
  QWidget* wizard = topLevel("IWizard");
  expectOwnedDialog(wizard, QStringLiteral("Import Wizard"));
  ASSERT_NE(wizard, nullptr);
  wizard->close();

  action("Check_Ports")->trigger();
  waitForPortProbe(main().comPortStatus());
  QWidget* summary = topLevel("ComSummary");
  expectOwnedDialog(summary, QStringLiteral("Communication Summary"));
  ASSERT_NE(summary, nullptr);
  EXPECT_GT(summary->minimumWidth(), summary->fontMetrics().horizontalAdvance(summary->windowTitle()));
  summary->close();

  action("About")->trigger();
  expectOwnedDialog(topLevel("frmAbout"), QStringLiteral("About Quorvane IR Download"));
}

}  // namespace
}  // namespace mainwindow
