#include "platform/ui/Functions.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace platform::ui {
namespace {

TEST(FolderOfTest, CutsTheLastFolderOffBackslashPaths) {
  EXPECT_EQ(Folder_Of(QStringLiteral("C:\\data\\run.txt")), QStringLiteral("C:\\data"));
  EXPECT_EQ(Folder_Of(QStringLiteral("C:\\run.txt")), QStringLiteral("C:"));
  EXPECT_EQ(Folder_Of(QStringLiteral("C:\\data\\")), QStringLiteral("C:\\data"));
  EXPECT_EQ(Folder_Of(QStringLiteral("run.txt")), QString());
  EXPECT_EQ(Folder_Of(QString()), QString());
}

TEST(FolderOfTest, ForwardSlashesSeparateFoldersToo) {
  EXPECT_EQ(Folder_Of(QStringLiteral("/home/lab/jobs/site4.txt")), QStringLiteral("/home/lab/jobs"));
  EXPECT_EQ(Folder_Of(QStringLiteral("/home/lab/")), QStringLiteral("/home/lab"));
  EXPECT_EQ(Folder_Of(QStringLiteral("C:/data\\sub/run.txt")), QStringLiteral("C:/data\\sub"));
  EXPECT_EQ(Folder_Of(QStringLiteral("/run.txt")), QStringLiteral("/"));
}

struct Options {
  QWidget parent;
  std::array<QRadioButton*, 4> buttons{};
  Options() {
    for (auto& button : buttons) {
      button = new QRadioButton(&parent);
      button->setAutoExclusive(false);
    }
  }
  QList<QAbstractButton*> list() const { return {buttons.begin(), buttons.end()}; }
};

TEST(SelectedOptionTest, FirstCheckedOptionOr999) {
  Options options;
  EXPECT_EQ(Selected_Option(options.list()), NoOptionSelected);
  options.buttons[2]->setChecked(true);
  EXPECT_EQ(Selected_Option(options.list()), 2);
  options.buttons[1]->setChecked(true);
  EXPECT_EQ(Selected_Option(options.list()), 1);
  QList<QAbstractButton*> withGap = options.list();
  withGap[0] = nullptr;
  EXPECT_EQ(Selected_Option(withGap), 0);
}

TEST(EnableArrayTest, SetsEveryElementOrTheSingleControl) {
  QWidget parent;
  auto* a = new QPushButton(&parent);
  auto* b = new QPushButton(&parent);
  Enable_Array({a, b}, false);
  EXPECT_FALSE(a->isEnabled());
  EXPECT_FALSE(b->isEnabled());
  Enable_Array(*a, true);
  EXPECT_TRUE(a->isEnabled());
  EXPECT_FALSE(b->isEnabled());
}

TEST(FormLoadedTest, MatchesTheWindowNameExactly) {
  auto window = std::make_unique<QWidget>();
  window->setObjectName(QStringLiteral("Add_Info"));
  EXPECT_TRUE(Form_Loaded(QStringLiteral("Add_Info")));
  EXPECT_FALSE(Form_Loaded(QStringLiteral("Add_info")));
  window.reset();
  EXPECT_FALSE(Form_Loaded(QStringLiteral("Add_Info")));
}

TEST(SetTopMostTest, ChangesBandKeepingPlaceAndSize) {
  QWidget window;
  window.setGeometry(100, 120, 300, 200);
  window.show();
  Set_TopMost(window, true);
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.size(), QSize(300, 200));
  Set_TopMost(window, false);
  EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.size(), QSize(300, 200));
}

TEST(SetTopMostTest, AWindowNotYetShownIsStillSizedAndCentredWhenShown) {
  QWidget owner;
  owner.setGeometry(300, 200, 900, 700);
  owner.show();
  QDialog box(&owner);
  box.setMinimumSize(320, 240);
  Set_TopMost(box, true);
  box.show();
  QApplication::processEvents();
  EXPECT_TRUE(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  // Placed over its owner, not at the screen's corner.
  EXPECT_TRUE(owner.geometry().contains(box.geometry().center()));
  EXPECT_GE(box.height(), box.sizeHint().height());
}

TEST(SelectTextTest, SelectsTheWholeTextOfTheFocusedBox) {
  QWidget window;
  auto* box = new QLineEdit(QStringLiteral("12.5"), &window);
  window.show();
  box->setFocus();
  QApplication::processEvents();
  if (QApplication::focusWidget() != box) GTEST_SKIP() << "no keyboard focus on this platform";
  box->deselect();
  Select_Text();
  EXPECT_EQ(box->selectedText(), QStringLiteral("12.5"));
}

}  // namespace
}  // namespace platform::ui
