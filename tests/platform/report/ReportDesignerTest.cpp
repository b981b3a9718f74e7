#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "platform/report/BoxObject.h"
#include "platform/report/LineObject.h"
#include "platform/report/PictureObject.h"
#include "platform/report/ReportDesigner.h"

using namespace platform;

namespace {

// A small designer: one section with a text, a line and a box.
std::unique_ptr<ReportDesigner> smallDesigner() {
  auto designer = std::make_unique<ReportDesigner>(QStringLiteral("Small"));
  ReportSection* section = designer->addSection(QStringLiteral("Body"), ReportSectionKind::Details, 600);
  section->add<TextObject>(QStringLiteral("Title"), QRect(100, 50, 2000, 240), QStringLiteral("Hello"));
  section->add<TextObject>(QStringLiteral("Other"), QRect(2200, 50, 1000, 240), QStringLiteral("World"));
  section->add<LineObject>(QStringLiteral("Rule"), QRect(100, 300, 3000, 0));
  section->add<BoxObject>(QStringLiteral("Frame"), QRect(80, 40, 3200, 500));
  return designer;
}

}  // namespace

TEST(ReportDesigner, ObjectsAreFoundByNameAndByIndex) {
  auto designer = smallDesigner();
  ReportSection* section = designer->section(1);
  ASSERT_NE(section, nullptr);
  EXPECT_EQ(designer->section(QStringLiteral("Body")), section);
  EXPECT_EQ(section->objectCount(), 4);
  EXPECT_EQ(section->object(1)->name(), QStringLiteral("Title"));
  EXPECT_EQ(section->object(4)->name(), QStringLiteral("Frame"));
  EXPECT_EQ(section->object(0), nullptr);
  EXPECT_EQ(section->object(5), nullptr);
  EXPECT_EQ(designer->object(QStringLiteral("Rule"))->kind(), ReportObjectKind::Line);
  EXPECT_EQ(designer->textObject(QStringLiteral("Rule")), nullptr);
  EXPECT_EQ(designer->section(2), nullptr);
  EXPECT_EQ(designer->section(QStringLiteral("Section9")), nullptr);
}

TEST(ReportDesigner, NamesAreUniqueAcrossTheDesigner) {
  auto designer = smallDesigner();
  ReportSection* other = designer->addSection(QStringLiteral("Foot"), ReportSectionKind::ReportFooter, 300);
  EXPECT_EQ(other->add<TextObject>(QStringLiteral("Title"), QRect(0, 0, 10, 10)), nullptr);
  EXPECT_EQ(other->objectCount(), 0);
  EXPECT_EQ(designer->addSection(QStringLiteral("Body"), ReportSectionKind::Details, 10), nullptr);
}

TEST(ReportDesigner, MissingMemberFailsSoftlyAndChangesNothing) {
  auto designer = smallDesigner();
  const ObjectRef missing = designer->member(QStringLiteral("NoSuchObject"));
  EXPECT_FALSE(missing.exists());
  EXPECT_EQ(missing.SetText(QStringLiteral("x")), ReportStatus::NoSuchMember);
  EXPECT_EQ(missing.setLeft(5), ReportStatus::NoSuchMember);
  EXPECT_EQ(missing.setSuppress(true), ReportStatus::NoSuchMember);
  EXPECT_EQ(missing.setFontSize(12), ReportStatus::NoSuchMember);
  EXPECT_FALSE(missing.text().has_value());
  EXPECT_FALSE(missing.width().has_value());
  EXPECT_EQ(designer->member(QStringLiteral("Title")).text(), QStringLiteral("Hello"));
  EXPECT_EQ(designer->section(1)->objectCount(), 4);
}

TEST(ReportDesigner, FontAccessOnObjectsWithoutFontFailsSoftly) {
  auto designer = smallDesigner();
  for (const char* name : {"Rule", "Frame"}) {
    const ObjectRef object = designer->member(QString::fromLatin1(name));
    EXPECT_FALSE(object.fontSize().has_value()) << name;
    EXPECT_EQ(object.setFontSize(10), ReportStatus::NoFont) << name;
    EXPECT_EQ(object.SetText(QStringLiteral("x")), ReportStatus::Refused) << name;
    EXPECT_EQ(object.setHorAlignment(2), ReportStatus::Refused) << name;
    EXPECT_EQ(object.setLeft(700), ReportStatus::Ok) << name;  // geometry is common to all
  }
}

TEST(ReportDesigner, RefusedValuesLeaveTheObjectAsItWas) {
  auto designer = smallDesigner();
  const ObjectRef title = designer->member(QStringLiteral("Title"));
  EXPECT_EQ(title.setWidth(-1), ReportStatus::Refused);
  EXPECT_EQ(title.width(), 2000);
  EXPECT_EQ(title.setFontSize(0), ReportStatus::Refused);
  EXPECT_EQ(title.fontSize(), 9);
  EXPECT_EQ(title.setHorAlignment(4), ReportStatus::Refused);
  EXPECT_EQ(title.horAlignment(), HorAlignment::Default);
  EXPECT_EQ(title.setLeftIndent(-10), ReportStatus::Refused);
  EXPECT_EQ(title.setBottomLineStyle(9), ReportStatus::Refused);
  EXPECT_EQ(designer->setPaperOrientation(3), ReportStatus::Refused);
  EXPECT_EQ(designer->paperOrientation(), PaperOrientation::Portrait);
}

TEST(ReportDesigner, TextReadsBackExactlyWithCarriageReturns) {
  auto designer = smallDesigner();
  const ObjectRef title = designer->member(QStringLiteral("Title"));
  for (const QString& text : {QStringLiteral("12\r13\r14\r"), QStringLiteral(" A\rB\r"), QStringLiteral(" "),
                              QString(), QStringLiteral("  padded  "), QStringLiteral("x\r\n\ry")}) {
    EXPECT_EQ(title.SetText(text), ReportStatus::Ok);
    EXPECT_EQ(title.text(), text);
  }
}

TEST(ReportDesigner, GeometryAndFontChangesTouchOneObjectOnly) {
  auto designer = smallDesigner();
  const QRect other = designer->object(QStringLiteral("Other"))->geometry();
  const QRect frame = designer->object(QStringLiteral("Frame"))->geometry();
  designer->member(QStringLiteral("Title")).setWidth(5000);
  designer->member(QStringLiteral("Title")).setLeft(-300);
  designer->member(QStringLiteral("Title")).setFontSize(12);
  EXPECT_EQ(designer->member(QStringLiteral("Title")).left(), -300);
  EXPECT_EQ(designer->member(QStringLiteral("Title")).width(), 5000);
  EXPECT_EQ(designer->object(QStringLiteral("Other"))->geometry(), other);
  EXPECT_EQ(designer->object(QStringLiteral("Frame"))->geometry(), frame);
  EXPECT_EQ(designer->member(QStringLiteral("Other")).fontSize(), 9);
}

TEST(ReportDesigner, PicturesAreAddedFromFilesAndDeleted) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("logo.png"));
  QImage image(144, 96, QImage::Format_RGB32);
  image.fill(Qt::red);
  image.setDotsPerMeterX(3780);  // 96 dpi
  image.setDotsPerMeterY(3780);
  ASSERT_TRUE(image.save(file));
  auto designer = smallDesigner();
  ReportSection* section = designer->section(1);
  PictureObject* logo = section->addPictureObject(file, 500, 400);
  ASSERT_NE(logo, nullptr);
  EXPECT_EQ(logo->geometry(), QRect(500, 400, 2160, 1440));
  EXPECT_EQ(section->objectCount(), 5);
  EXPECT_FALSE(logo->hasFont());
  PictureObject* second = section->addPictureObject(file, 100, 100);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second->name(), logo->name());
  EXPECT_EQ(section->deleteObject(logo), ReportStatus::Ok);
  EXPECT_EQ(section->objectCount(), 5);
  EXPECT_EQ(section->deleteObject(QStringLiteral("NotThere")), ReportStatus::NoSuchMember);
  EXPECT_EQ(section->addPictureObject(dir.filePath(QStringLiteral("missing.bmp")), 0, 0), nullptr);
  EXPECT_EQ(section->objectCount(), 5);
}

TEST(ReportDesigner, LargePicturesAreKeptWithinThePage) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("chart.bmp"));
  QImage image(2000, 1000, QImage::Format_RGB32);
  image.fill(Qt::blue);
  ASSERT_TRUE(image.save(file));
  auto designer = smallDesigner();
  PictureObject* chart = designer->section(1)->addPictureObject(file, 1500, 200);
  ASSERT_NE(chart, nullptr);
  EXPECT_LE(chart->left() + chart->width(), ReportDesigner::LetterWidth - designer->margins().right());
  EXPECT_EQ(chart->width(), 2 * chart->height());
}
