#include "report/page/settings/HeaderLayoutFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <gtest/gtest.h>

#include "instrument/DeviceType.h"
#include "instrument/ProgramState.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/SettingsFile.h"
#include "platform/report/ReportNames.h"
#include "platform/report/ReportObject.h"
#include "platform/report/ReportSection.h"
#include "platform/report/ReportTypes.h"
#include "platform/report/TextObject.h"
#include "platform/ui/ScriptedDialogs.h"
#include "report/builder/HeaderRoom.h"
#include "report/builder/ReportDesigners.h"
#include "report/builder/ReportFlags.h"
#include "report/page/settings/LayoutCommands.h"
#include "report/page/header/LogoCommands.h"
#include "support/TempProgramFolder.h"

namespace report {
namespace {

using platform::HorAlignment::Centred;
using platform::HorAlignment::Left;
using platform::HorAlignment::Right;

class HeaderLayoutFileTest : public ::testing::Test {
 protected:
  void SetUp() override { layout.setResizeReportFont([this](int size) { resizes.append(size); }); }

  QString picture() const {
    const QString path = folder.path(QStringLiteral("images/logo.bmp"));
    QImage image(30, 30, QImage::Format_RGB32);
    image.fill(Qt::blue);
    EXPECT_TRUE(image.save(path, "BMP"));
    return path;
  }
  void writeFile(int model, const QByteArray& text) const {
    QFile file(headerLayoutPath(model));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  QByteArray readFile(int model) const {
    QFile file(headerLayoutPath(model));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  platform::ObjectRef member(const char* name) const { return designers.Report->member(QLatin1String(name)); }
  int reportPictures() const {
    platform::ReportSection* header = designers.Report->section(platform::ReportNames::section(1));
    int count = 0;
    for (int i = 1; i <= header->objectCount(); ++i)
      count += header->object(i)->kind() == platform::ReportObjectKind::Picture ? 1 : 0;
    return count;
  }
  // A report rebuilt for a new selection: fresh designers and state.
  void rebuild() {
    designers.recreate();
    flags = ReportFlags{};
  }

  testsupport::TempProgramFolder folder;
  platform::ui::ScriptedDialogs dialogs;
  platform::ui::ScopedDialogSeam seam{dialogs};
  ReportDesigners designers;
  ReportFlags flags;
  instrument::ProgramState state;
  int redraws = 0;
  LogoCommands logo{{designers, flags, state, nullptr, {}}};
  LayoutCommands layout{{designers, flags, state, logo, nullptr, [this] { ++redraws; }}};
  QList<int> resizes;
};

TEST_F(HeaderLayoutFileTest, EachModelWritesItsOwnFileWithItsOwnLines) {
  flags.Report_Font_Size = 10;
  for (int model : {0, 1, 2, 3}) {
    state.Model_Code = model;
    layout.Save_Layout_Click();
  }
  EXPECT_EQ(readFile(instrument::ModelCode::LX9100),
            QByteArray("TitleP = 1\r\nCInfoP = 1\r\nTime_1 = 3\r\nTime_2 = 3\r\nTime_3 = 3\r\nFontSZ = 10\r\n"));
  EXPECT_EQ(readFile(instrument::ModelCode::N2600BX),
            QByteArray("TitleP = 1\r\nCInfoP = 1\r\nTime_1 = 3\r\nTime_2 = 3\r\nTime_3 = 3\r\n"
                       "MachNO = 1\r\nTestBy = 1\r\nProjNM = 1\r\nFontSZ = 10\r\n"));
  EXPECT_TRUE(QFileInfo::exists(folder.path(platform::ProgramFiles::HeaderLayoutN2600A)));
  EXPECT_EQ(readFile(instrument::ModelCode::T7310), readFile(instrument::ModelCode::LX9100));
  EXPECT_EQ(dialogs.messageTexts(), QStringList(4, QLatin1String(LayoutSaved)));
}

TEST_F(HeaderLayoutFileTest, RoundTripPerModelBringsBackAlignmentsLogoAndFontSize) {
  const QString logoFile = picture();
  for (int model : {0, 1, 2, 3}) {
    SCOPED_TRACE(model);
    rebuild();
    state.Model_Code = model;
    member("Company").setHorAlignment(Left);
    member("Companyinfo").setHorAlignment(Right);
    member("Text8").setHorAlignment(Centred);
    member("ProjNameText").setHorAlignment(Right);
    ASSERT_TRUE(insertLogo(designers, flags, model, logoFile));
    flags.Report_Font_Size = 11;
    layout.Save_Layout_Click();

    rebuild();
    resizes.clear();
    layout.Load_Layout_Click();
    EXPECT_EQ(member("Company").horAlignment(), Left);
    EXPECT_EQ(member("Companyinfo").horAlignment(), Right);
    EXPECT_EQ(member("Text8").horAlignment(), Centred);
    // The project name line belongs to the density gauges' files only.
    const bool densityGauge = model == 1 || model == 2;
    EXPECT_EQ(member("ProjNameText").horAlignment(), densityGauge ? Right : Left);
    EXPECT_TRUE(flags.Logo_Loaded);
    EXPECT_EQ(flags.Logo_Path, logoFile);
    EXPECT_EQ(member(flags.Logo_Object.toLatin1()).left(), LogoLeft);
    EXPECT_EQ(designers.Report->textObject(QStringLiteral("Company"))->leftIndent(), LogoIndent);
    EXPECT_EQ(flags.Stiffy_Logo_Object.isEmpty(), model != instrument::ModelCode::T7310);
    EXPECT_EQ(resizes, QList<int>{11});
  }
  EXPECT_GT(redraws, 0);
}

TEST_F(HeaderLayoutFileTest, APictureLineReplacesTheLogoSoDeleteLeavesNone) {
  const QString logoFile = picture();
  writeFile(0, "PicObj = " + logoFile.toUtf8() + "\r\nFontSZ = 9\r\n");
  layout.Load_Layout_Click();
  layout.Load_Layout_Click();
  EXPECT_EQ(reportPictures(), 1);
  logo.DLogo_Click();
  EXPECT_EQ(reportPictures(), 0);
  EXPECT_FALSE(flags.Logo_Loaded);
}

TEST_F(HeaderLayoutFileTest, ABrokenFileKeepsWhatItCannotReadAndLoadsOtherSizesAs9) {
  member("Companyinfo").setHorAlignment(Centred);
  writeFile(1,
            "TitleP = 3\r\n"
            "CInfoP = x\r\n"            // not a number: ignored
            "Bogus! = 2\r\n"            // unknown key
            "PicObj = /no/such.bmp\r\n"  // unreadable picture
            "short\r\n"
            "FontSZ = 14\r\n"
            "FontSZ = ab\r\n"
            "FontSZ = 12");             // last line without its end
  state.Model_Code = 1;
  layout.Load_Layout_Click();
  EXPECT_EQ(member("Company").horAlignment(), Right);
  EXPECT_EQ(member("Companyinfo").horAlignment(), Centred);
  EXPECT_FALSE(flags.Logo_Loaded);
  EXPECT_EQ(reportPictures(), 0);
  EXPECT_EQ(resizes, (QList<int>{9, 9, 12}));
  ASSERT_EQ(dialogs.messageTexts().size(), 1);
  EXPECT_TRUE(dialogs.messageTexts().first().startsWith(QLatin1String(PictureUnreadable)));
}

// 8-bit text, as older installations wrote it: the accented letter is one byte.
TEST_F(HeaderLayoutFileTest, ALogoPathWithAnAccentedLetterSurvivesAsLatin1) {
  const QString logoFile = folder.path(QStringLiteral("images/log\u00e9.bmp"));
  ASSERT_TRUE(QFile::rename(picture(), logoFile));
  ASSERT_TRUE(insertLogo(designers, flags, 0, logoFile));
  layout.Save_Layout_Click();
  EXPECT_TRUE(readFile(0).contains("log\xe9.bmp\r\n"));
  rebuild();
  layout.Load_Layout_Click();
  EXPECT_TRUE(flags.Logo_Loaded);
  EXPECT_EQ(flags.Logo_Path, logoFile);
}

TEST_F(HeaderLayoutFileTest, AFileTooLargeForASettingsFileIsRefusedWithAMessage) {
  member("Company").setHorAlignment(Centred);
  writeFile(0, "TitleP = 3\r\n" + QByteArray(platform::SettingsFileLimit, ' '));
  layout.Load_Layout_Click();
  EXPECT_EQ(member("Company").horAlignment(), Centred);
  EXPECT_EQ(dialogs.messageTexts().size(), 1);
}

TEST_F(HeaderLayoutFileTest, AMissingFileChangesNothingAndSaysNothing) {
  member("Company").setHorAlignment(Centred);
  layout.Load_Layout_Click();
  EXPECT_EQ(member("Company").horAlignment(), Centred);
  EXPECT_TRUE(resizes.isEmpty());
  EXPECT_TRUE(dialogs.messageTexts().isEmpty());
  EXPECT_EQ(redraws, 0);
}

TEST_F(HeaderLayoutFileTest, AFailedWriteIsNotReportedSaved) {
  // A folder where the file should be: the rename into place cannot succeed.
  ASSERT_TRUE(QDir(folder.root()).mkpath(platform::ProgramFiles::HeaderLayoutLoadFrame + "/kept"));
  layout.Save_Layout_Click();
  ASSERT_EQ(dialogs.messageTexts().size(), 1);
  EXPECT_TRUE(dialogs.messageTexts().first().startsWith(QLatin1String(LayoutNotSaved)));
  EXPECT_TRUE(QFileInfo(headerLayoutPath(0) + "/kept").isDir());
}

TEST_F(HeaderLayoutFileTest, AColumnLayoutThatFailsIsNotReportedSaved) {
  QStringList order;
  layout.setColumnLayoutFile({[&](QString* error) {
                                order.append("columns");
                                *error = QStringLiteral("disk full");
                                return false;
                              },
                              [&] { order.append("columns loaded"); }});
  layout.Save_Layout_Click();
  EXPECT_EQ(dialogs.messageTexts().value(0), QStringLiteral("%1\ndisk full").arg(QLatin1String(LayoutNotSaved)));
  EXPECT_FALSE(QFileInfo::exists(headerLayoutPath(0)));
  writeFile(0, "FontSZ = 10\r\n");
  layout.Load_Layout_Click();
  EXPECT_EQ(order, (QStringList{"columns", "columns loaded"}));
  EXPECT_EQ(resizes, QList<int>{10});
}

}  // namespace
}  // namespace report
