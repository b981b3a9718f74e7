#include "download/StatusPanel.h"

#include <QApplication>
#include <QFontMetrics>
#include <gtest/gtest.h>

#include "download/PanelStatusBar.h"
#include "platform/core/Twips.h"

namespace download {
namespace {

TEST(StatusPanelTest, APanelIsNeverNarrowerThanItsText) {
  QWidget window;
  auto* bar = new PanelStatusBar(&window);
  StatusPanel* type = bar->addPanel(QStringLiteral("Setup_status3"), 1500, QStringLiteral("DL Type: None"));
  const int least = platform::twipsToPixels(1500, type->logicalDpiX());
  EXPECT_EQ(type->minimumWidth(), least);

  const QString longer = QStringLiteral("DL Type: Continuous Download");
  type->setText(longer);
  EXPECT_GT(type->minimumWidth(), type->fontMetrics().horizontalAdvance(longer));
  // Back to a short text: back to the twips.
  type->setText(QStringLiteral("DL Type: N/A"));
  EXPECT_EQ(type->minimumWidth(), least);

}

}  // namespace
}  // namespace download
