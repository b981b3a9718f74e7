#include "report/page/header/LogoCommands.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "instrument/DeviceType.h"
#include "instrument/ProgramState.h"
#include "platform/report/ReportNames.h"
#include "platform/report/ReportTypes.h"
#include "platform/report/TextObject.h"
#include "platform/ui/ScriptedDialogs.h"
#include "report/builder/ReportDesigners.h"
#include "report/builder/ReportFlags.h"
#include "report/page/ReportRefresh.h"
#include "report/reflow/SectionFonts.h"
#include "platform/report/ReportSection.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/TextWidth.h"
#include "report/builder/HeaderRoom.h"
#include "platform/report/ReportObject.h"

namespace report {
namespace {

using platform::HorAlignment::Centred;
using platform::HorAlignment::Left;
using platform::HorAlignment::Right;

class LogoCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    picture = writePicture(QStringLiteral("logo.bmp"));
    menu.Ins_Logo = &insert;
    menu.LJ = &left;
    menu.LR = &right;
    menu.DLogo = &remove;
    commands.connectMenu(menu);
    showItemsForNewReport(menu, state.Model_Code);
  }

  QString writePicture(const QString& name, QSize pixels = {40, 20}) {
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path, "BMP"));
    return path;
  }

  void insertFile(const QString& file) {
    dialogs.files.enqueue(file);
    insert.trigger();
  }

  platform::ObjectRef reportMember(const QString& name) const { return designers.Report->member(name); }
  platform::ObjectRef stiffyMember(const QString& name) const { return designers.StiffyReport->member(name); }
  const platform::TextObject& reportText(const char* name) const {
    return *designers.Report->textObject(QLatin1String(name));
  }
  const platform::TextObject& stiffyText(const char* name) const {
    return *designers.StiffyReport->textObject(QLatin1String(name));
  }
  static int picturesIn(platform::ReportDesigner& designer, int section) {
    const platform::ReportSection* band = designer.section(platform::ReportNames::section(section));
    int count = 0;
    for (int i = 1; i <= band->objectCount(); ++i) count += band->object(i)->kind() == platform::ReportObjectKind::Picture;
    return count;
  }
  bool itemsOn() const { return left.isEnabled() && right.isEnabled() && remove.isEnabled(); }
  bool itemsOff() const { return !left.isEnabled() && !right.isEnabled() && !remove.isEnabled(); }

  QTemporaryDir dir;
  QString picture;
  platform::ui::ScriptedDialogs dialogs;
  platform::ui::ScopedDialogSeam seam{dialogs};
  ReportDesigners designers;
  ReportFlags flags;
  instrument::ProgramState state;
  QList<std::pair<int, bool>> redraws;
  LogoCommands commands{{designers, flags, state, nullptr,
                         [this](int interval, bool busy) { redraws.append({interval, busy}); }}};
  QAction insert, left, right, remove;
  ModifyReportMenu menu;
};

TEST_F(LogoCommandsTest, InsertOnTheStiffnessGaugePutsTheLogoInBothReportsAndIndentsLeftTexts) {
  state.Model_Code = instrument::ModelCode::T7310;
  state.Last_Path = dir.path();
  designers.Report->member(QStringLiteral("Companyinfo")).setHorAlignment(Centred);
  insertFile(picture);

  EXPECT_TRUE(flags.Logo_Loaded);
  EXPECT_EQ(flags.Logo_Path, picture);
  EXPECT_EQ(reportMember(flags.Logo_Object).left(), LogoLeft);
  EXPECT_EQ(reportMember(flags.Logo_Object).top(), LogoTop);
  EXPECT_EQ(stiffyMember(flags.Stiffy_Logo_Object).left(), StiffyLogoLeft);
  EXPECT_EQ(reportText("Company").leftIndent(), LogoIndent);
  EXPECT_EQ(reportText("Companyinfo").leftIndent(), 0);  // centred texts are never indented
  EXPECT_EQ(stiffyText("StiffyCompany").leftIndent(), LogoIndent);
  EXPECT_TRUE(itemsOn());
  EXPECT_EQ(dialogs.fileRequests.value(0).folder, dir.path());
  EXPECT_EQ(redraws, (QList<std::pair<int, bool>>{{ReportRefresh::RedrawInterval, true}}));
}

TEST_F(LogoCommandsTest, TheDialogOpensOnEveryReadablePictureSoAPngLogoIsListed) {
  insertFile(picture);
  const QStringList filters = dialogs.fileRequests.value(0).filter.split(QStringLiteral(";;"));
  ASSERT_EQ(filters.size(), 3);
  EXPECT_TRUE(filters[0].startsWith(QLatin1String("All Pictures (")));
  EXPECT_TRUE(filters[0].contains(QLatin1String("*.png")) && filters[0].contains(QLatin1String("*.bmp")));
  EXPECT_EQ(filters[1], QLatin1String(PictureFilter));
  EXPECT_EQ(filters[2], QLatin1String(AllFilesFilter));
}

TEST_F(LogoCommandsTest, CancelOrAnUnreadableFileChangesNothingAndASecondInsertIsRefused) {
  dialogs.files.enqueue(std::nullopt);
  insert.trigger();
  EXPECT_FALSE(flags.Logo_Loaded);

  const QString broken = dir.filePath(QStringLiteral("broken.jpg"));
  QFile file(broken);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not a picture");
  file.close();
  insertFile(broken);
  EXPECT_FALSE(flags.Logo_Loaded);
  EXPECT_TRUE(flags.Logo_Object.isEmpty());
  EXPECT_EQ(picturesIn(*designers.Report, 1), 0);
  EXPECT_EQ(reportText("Company").leftIndent(), 0);
  EXPECT_TRUE(dialogs.messageTexts().value(0).startsWith(QLatin1String(PictureUnreadable)));
  EXPECT_TRUE(itemsOff());

  insertFile(picture);  // the load frame: no logo in the stiffness report
  EXPECT_EQ(picturesIn(*designers.StiffyReport, 8), 0);
  right.trigger();
  EXPECT_EQ(reportMember(flags.Logo_Object).left(), LoadFrameLogoRightLeft);
  insertFile(writePicture(QStringLiteral("other.bmp")));
  EXPECT_EQ(dialogs.messageTexts().last(), QLatin1String(OnePictureOnly));
  EXPECT_EQ(flags.Logo_Path, picture);
  EXPECT_EQ(picturesIn(*designers.Report, 1), 1);
}

TEST_F(LogoCommandsTest, InsertReplacesAPictureLeftBehindInsteadOfStackingIt) {
  state.Model_Code = instrument::ModelCode::T7310;
  ASSERT_TRUE(insertLogo(designers, flags, state.Model_Code, picture));
  flags.Logo_Loaded = false;  // a picture the state lost track of
  insertFile(writePicture(QStringLiteral("other.bmp")));
  EXPECT_EQ(picturesIn(*designers.Report, 1), 1);
  EXPECT_EQ(picturesIn(*designers.StiffyReport, 8), 1);
  remove.trigger();
  EXPECT_EQ(picturesIn(*designers.Report, 1), 0);
  EXPECT_EQ(picturesIn(*designers.StiffyReport, 8), 0);
}

TEST_F(LogoCommandsTest, RightThenLeftMovesTheLogoAndTheIndentsOnBothReports) {
  state.Model_Code = instrument::ModelCode::T7310;
  designers.Report->member(QStringLiteral("Companyinfo")).setHorAlignment(Right);
  designers.StiffyReport->member(QStringLiteral("StiffyCompanyinfo")).setHorAlignment(Right);
  insertFile(picture);

  right.trigger();
  EXPECT_EQ(reportMember(flags.Logo_Object).left(), LogoRightLeft);
  EXPECT_EQ(reportText("Company").leftIndent(), 0);
  EXPECT_EQ(reportText("Companyinfo").rightIndent(), LogoIndent);
  const platform::ObjectRef company = stiffyMember(QStringLiteral("StiffyCompany"));
  const platform::ObjectRef stiffyLogo = stiffyMember(flags.Stiffy_Logo_Object);
  EXPECT_EQ(*stiffyLogo.left() + *stiffyLogo.width(), *company.left() + *company.width());
  EXPECT_EQ(stiffyText("StiffyCompany").leftIndent(), 0);
  // The stiffness company name runs the page's width: it wraps short of the logo.
  EXPECT_EQ(stiffyText("StiffyCompany").rightIndent(), LogoIndent);
  EXPECT_EQ(stiffyText("StiffyCompanyinfo").rightIndent(), LogoIndent);

  left.trigger();
  EXPECT_EQ(reportMember(flags.Logo_Object).left(), LogoLeft);
  EXPECT_EQ(reportText("Company").leftIndent(), LogoIndent);
  EXPECT_EQ(reportText("Companyinfo").rightIndent(), 0);
  EXPECT_EQ(stiffyLogo.left(), StiffyLogoLeft);
  EXPECT_EQ(stiffyText("StiffyCompanyinfo").rightIndent(), 0);
  EXPECT_EQ(stiffyText("StiffyCompany").rightIndent(), 0);
  EXPECT_EQ(redraws.last(), std::make_pair(ReportRefresh::ShortInterval, false));
}

TEST_F(LogoCommandsTest, ALargePictureIsScaledIntoTheRoomBesideTheCompanyTexts) {
  state.Model_Code = instrument::ModelCode::T7310;
  insertFile(writePicture(QStringLiteral("wide.bmp"), {800, 200}));
  for (const platform::ObjectRef logo : {reportMember(flags.Logo_Object), stiffyMember(flags.Stiffy_Logo_Object)}) {
    EXPECT_LE(*logo.width(), LogoIndent);
    EXPECT_NEAR(*logo.width(), 4 * *logo.height(), 4);  // the picture keeps its shape
  }
  right.trigger();
  const platform::ObjectRef logo = reportMember(flags.Logo_Object);
  EXPECT_LE(*logo.left() + *logo.width(), LogoRightLeft + LogoIndent);
}

// Where the ink of a header text lies on the page: its lines' extents, not its box.
QList<QRect> inkOf(const platform::RenderedText& text) {
  QList<QRect> ink;
  const int pitch = text.linePitch;
  for (int row = 0; row < text.lines.size(); ++row) {
    const int width = platform::textWidthTwips(text.lines[row], text.font);
    int left = text.rect.left() + text.leftIndent;
    if (text.alignment == Right) left = text.rect.left() + text.rect.width() - text.rightIndent - width;
    if (text.alignment == Centred) left = text.rect.left() + (text.rect.width() - width) / 2;
    ink.append(QRect(left, text.rect.top() + row * pitch, width, pitch));
  }
  return ink;
}

TEST_F(LogoCommandsTest, LogoCompanyAndDateNeverMeetAtAnySizeOrientationOrSide) {
  const QString longName = QStringLiteral(
      "Northern Regional Highway and Bridge Materials Testing Laboratory, Soil and Asphalt Division - Quality "
      "Assurance");
  const QString logo = writePicture(QStringLiteral("big.bmp"), {600, 300});
  for (const qint32 model : {instrument::ModelCode::LX9100, instrument::ModelCode::N2600BX}) {
    const bool portrait = model == instrument::ModelCode::LX9100;
    const int paper = portrait ? platform::ReportDesigner::LetterWidth : platform::ReportDesigner::LetterHeight;
    for (int size = 9; size <= 12; ++size) {
      for (const int place : {0, 1, 2}) {  // the logo left, right, or left of a centred name
        const bool logoRight = place == 1;
        designers.recreate();
        flags = ReportFlags();
        platform::ReportDesigner& report = *designers.Report;
        report.setPaperOrientation(portrait ? platform::PaperOrientation::Portrait
                                            : platform::PaperOrientation::Landscape);
        placeHeaderParts(report, portrait);
        report.member(QStringLiteral("Company")).SetText(longName);
        if (place == 2) report.member(QStringLiteral("Company")).setHorAlignment(Centred);
        ASSERT_TRUE(insertLogo(designers, flags, model, logo));
        if (logoRight) placeLogoRight(designers, flags, model);
        resizeHeaderFonts(report, size - 9, size);

        const platform::RenderedReport laid = platform::ReportLayout::layout(report);
        const QString where = QStringLiteral("model %1 size %2 place %3").arg(model).arg(size).arg(place);
        ASSERT_EQ(laid.pages.first().pictures.size(), 1);
        const QRect picture = laid.pages.first().pictures.first().rect;
        QList<QRect> company, date;
        for (const char* name : {"Company", "Companyinfo"})
          company += inkOf(laid.textsOf(QLatin1String(name), 1).first());
        for (const char* name : {"Text8", "Field1", "Field2"})
          date += inkOf(laid.textsOf(QLatin1String(name), 1).first());
        const QStringList nameLines = laid.textsOf(QStringLiteral("Company"), 1).first().lines;
        EXPECT_EQ(nameLines.join(QLatin1Char(' ')), longName) << qPrintable(where);
        const QList<QList<QRect>> parts = {company, date, {picture}};
        for (int one = 0; one < parts.size(); ++one)
          for (const QRect& ink : parts[one]) {
            EXPECT_TRUE(ink.left() >= 360 && ink.left() + ink.width() <= paper - 360) << qPrintable(where);
            for (int other = one + 1; other < parts.size(); ++other)
              for (const QRect& otherInk : parts[other]) EXPECT_FALSE(ink.intersects(otherInk)) << qPrintable(where);
          }
      }
    }
  }
}

TEST_F(LogoCommandsTest, DeleteEmptiesBothReportsRedrawsAtOnceAndInsertWorksAgain) {
  state.Model_Code = instrument::ModelCode::T7310;
  insertFile(picture);
  right.trigger();
  redraws.clear();
  remove.trigger();

  EXPECT_FALSE(flags.Logo_Loaded);
  EXPECT_EQ(picturesIn(*designers.Report, 1), 0);
  EXPECT_EQ(picturesIn(*designers.StiffyReport, 8), 0);
  EXPECT_EQ(reportText("Company").leftIndent(), 0);
  EXPECT_EQ(stiffyText("StiffyCompany").leftIndent(), 0);
  EXPECT_TRUE(itemsOff());
  EXPECT_EQ(redraws.size(), 1);

  left.trigger();  // nothing without a logo
  EXPECT_EQ(redraws.size(), 1);
  insertFile(picture);
  EXPECT_TRUE(flags.Logo_Loaded);
  EXPECT_EQ(picturesIn(*designers.StiffyReport, 8), 1);
  EXPECT_TRUE(itemsOn());
}

}  // namespace
}  // namespace report
