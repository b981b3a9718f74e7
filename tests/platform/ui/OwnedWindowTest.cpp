#include "platform/ui/OwnedWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

namespace platform::ui {
namespace {

TEST(OwnedWindowTest, OpensCentredOnItsOwnerAndStaysOnTheScreen) {
  QWidget owner;
  owner.setGeometry(100, 100, 400, 300);
  owner.show();
  QWidget window(&owner);
  makeOwnedDialog(window);
  window.resize(200, 100);
  centreOnOwner(window);
  window.show();
  EXPECT_LE((window.frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(), 10);

  // An owner near the screen's edge: the window is pulled back onto the screen.
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  owner.move(area.left() - 150, area.top());
  centreOnOwner(window);
  EXPECT_EQ(window.x(), area.left());
}

TEST(OwnedWindowTest, ADialogOfItsOwnerWithACloseBoxOnly) {
  QWidget owner;
  QWidget window(&owner);
  makeOwnedDialog(window);
  EXPECT_TRUE(window.isWindow());
  EXPECT_EQ(window.windowType(), Qt::Dialog);
  EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

  window.setWindowTitle(QStringLiteral("Communication Summary"));
  keepTitleReadable(window);
  EXPECT_GT(window.minimumWidth(), window.fontMetrics().horizontalAdvance(window.windowTitle()));
}

}  // namespace
}  // namespace platform::ui
