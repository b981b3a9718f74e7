#include "download/ComSummary.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

#include "download/ComSummaryCaptions.h"
#include "support/TempProgramFolder.h"

namespace download {
namespace {

TEST(ComSummaryCaptionsTest, OneCaptionPerPortByStateCharacter) {
  EXPECT_EQ(comStatusCaptions(QStringLiteral("1234")),
            (QStringList{"COM1: AVAILABLE", "COM2: AVAILABLE", "COM3: AVAILABLE", "COM4: AVAILABLE"}));
  EXPECT_EQ(comStatusCaptions(QStringLiteral("1mox")),
            (QStringList{"COM1: AVAILABLE", "COM2: MODEM", "COM3: IN USE", "COM4: UNAVAILABLE"}));
  EXPECT_EQ(comStatusCaptions(QStringLiteral("MO")),
            (QStringList{"COM1: UNAVAILABLE", "COM2: UNAVAILABLE", "COM3: UNAVAILABLE", "COM4: UNAVAILABLE"}));
  EXPECT_EQ(comStatusCaptions(QString()).last(), QStringLiteral("COM4: UNAVAILABLE"));
}

TEST(ComSummaryTest, TextListsTheCaptionsUnderItsHeading) {
  const QStringList captions = comStatusCaptions(QStringLiteral("1mox"));
  EXPECT_EQ(ComSummary::summaryText(captions),
            QStringLiteral("Comm port information:\r\n\r\nCOM1: AVAILABLE\r\nCOM2: MODEM\r\n"
                           "COM3: IN USE\r\nCOM4: UNAVAILABLE\r\n"));
}

TEST(ComSummaryTest, ShowsTheDeviceOfEachPortUnderTheStates) {
  const testsupport::TempProgramFolder folder;
  qputenv("QUORVANE_COM4", "/dev/pts/9");
  const QStringList captions = comStatusCaptions(QStringLiteral("1mox"));
  const ComSummary summary(captions, nullptr);
  qunsetenv("QUORVANE_COM4");
  EXPECT_EQ(summary.Cominfo->text(), ComSummary::summaryText(captions));
  EXPECT_TRUE(summary.Device_Info->text().endsWith(
      "\nCOM4 = /dev/pts/9 (from the environment variable QUORVANE_COM4)"));
  EXPECT_EQ(summary.Device_Info->text().count('\n'), 3);
}

TEST(ComSummaryTest, BlocksItsOwnerUntilClosedByOkOrCloseBox) {
  QWidget owner;
  owner.show();
  for (bool byOk : {true, false}) {
    ComSummary* summary = ComSummary::showFor(comStatusCaptions(QStringLiteral("12")), owner);
    EXPECT_EQ(summary->windowTitle(), QStringLiteral("Communication Summary"));
    EXPECT_EQ(summary->OKbutton->text(), QStringLiteral("Ok"));
    EXPECT_EQ(QApplication::activeModalWidget(), summary);
    EXPECT_TRUE(summary->OKbutton->isEnabled());
    if (byOk)
      summary->OKbutton->click();
    else
      summary->close();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(owner.isEnabled());
  }
}

}  // namespace
}  // namespace download
