#include "report/page/compose/ReportAreaPopOut.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTabWidget>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <memory>

#include "../FakeReportPageHost.h"
#include "platform/core/Twips.h"
#include "platform/ui/Functions.h"
#include "report/page/compose/ReportEdit.h"
#include "report/page/ReportTabPage.h"

namespace report {
namespace {

class ReportAreaPopOutTest : public ::testing::Test {
 protected:
  ReportAreaPopOutTest() {
    auto* layout = new QVBoxLayout(&main);
    page = new ReportTabPage;
    layout->addWidget(page);
    main.resize(800, 600);
    main.move(40, 30);
    main.show();
    // What the window layout sees of the pop-out at each pass.
    host.onResize = [this] { loadedAtResize = platform::ui::Form_Loaded(QStringLiteral("ReportEdit")); };
    popOut = std::make_unique<ReportAreaPopOut>(host, *page);
  }

  ~ReportAreaPopOutTest() override {
    if (popOut->window() != nullptr) popOut->window()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void doubleClickPanel() {
    const QPointF inside(2, 2);
    QMouseEvent event(QEvent::MouseButtonDblClick, inside, page->Picture1->mapToGlobal(inside), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(page->Picture1, &event);
  }

  bool panelAtHome() const {
    return page->Picture1->parentWidget() == page && page->layout()->indexOf(page->Picture1) == 1;
  }

  int pixels(double twips) const { return platform::twipsToPixels(twips, page->logicalDpiX()); }

  testing::FakeReportPageHost host;
  QWidget main;
  ReportTabPage* page = nullptr;
  std::unique_ptr<ReportAreaPopOut> popOut;
  bool loadedAtResize = false;
};

TEST_F(ReportAreaPopOutTest, ADoubleClickPopsThePanelOutBesideTheMainWindow) {
  const QSize panel = page->Picture1->size();
  doubleClickPanel();
  ASSERT_TRUE(popOut->poppedOut());
  ReportEdit* window = popOut->window();
  EXPECT_EQ(window->objectName(), QStringLiteral("ReportEdit"));
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Modify Report"));
  EXPECT_EQ(page->Picture1->window(), window);
  EXPECT_EQ(window->size(), QSize(panel.width() + pixels(100), panel.height() + pixels(700)));
  EXPECT_EQ(window->pos(), main.pos() + QPoint(pixels(250), pixels(250)));
  EXPECT_TRUE(loadedAtResize);  // the report tabs take the panel's height
  EXPECT_TRUE(page->ReportTab->isEnabled());
}

TEST_F(ReportAreaPopOutTest, ASecondDoubleClickPutsThePanelBackAboveTheReportTabs) {
  doubleClickPanel();
  doubleClickPanel();
  EXPECT_FALSE(popOut->poppedOut());
  EXPECT_TRUE(panelAtHome());
  EXPECT_FALSE(page->Picture1->isHidden());
  EXPECT_FALSE(loadedAtResize);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(popOut->window(), nullptr);
  EXPECT_FALSE(platform::ui::Form_Loaded(QStringLiteral("ReportEdit")));

  doubleClickPanel();  // and out again
  EXPECT_TRUE(popOut->poppedOut());
}

}  // namespace
}  // namespace report
