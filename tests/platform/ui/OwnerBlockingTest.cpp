#include "platform/ui/OwnerBlocking.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <gtest/gtest.h>

namespace platform::ui {
namespace {

TEST(OwnerBlockingTest, BlocksTheOwnerButLeavesItsOtherWindowsEnabled) {
  QWidget owner;
  owner.show();
  auto* ownedTool = new QDialog(&owner);  // another window the owner owns
  ownedTool->show();
  auto* dialog = new QDialog(&owner);
  auto* ok = new QPushButton(dialog);
  showBlockingOwner(*dialog);
  EXPECT_EQ(QApplication::activeModalWidget(), dialog);
  EXPECT_TRUE(ok->isEnabled());
  EXPECT_TRUE(ownedTool->isEnabled());
  EXPECT_TRUE(owner.isEnabled());
  dialog->close();
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace platform::ui
