#include "report/reflow/SectionFonts.h"

#include <gtest/gtest.h>

#include "platform/report/ReportDefinitions.h"
#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/ReportNames.h"
#include "platform/report/TextObject.h"
#include "platform/report/TextWidth.h"

namespace report {
namespace {

namespace names = platform::ReportNames;

// The longest labels the builders write (the stiffness header's, the density
// averages') beside a long value, at every size.
TEST(SectionFontsTest, EveryLabelShowsWholeBesideItsValueAtEverySize) {
  for (int size = 9; size <= 12; ++size) {
    auto report = platform::ReportDefinitions::createReport();
    report->member(names::headerLabel(4)).SetText(QStringLiteral("Calibration Factor:"));
    report->member(QStringLiteral("DensityStdText")).SetText(QStringLiteral("2750 counts, checked 03/07/2024"));
    report->member(names::averageLabel(5)).SetText(QStringLiteral("Avg %Compaction"));
    resizeHeaderFonts(*report, size - 9, size);
    resizeFooterFonts(*report, size);
    for (int n : {2, 4}) {
      const platform::ReportSection* section = report->section(names::section(n));
      for (int i = 1; i <= section->objectCount(); ++i) {
        const auto* label = dynamic_cast<const platform::TextObject*>(section->object(i));
        if (label == nullptr || label->horAlignment() != platform::HorAlignment::Right) continue;
        const std::string where = std::to_string(size) + " " + label->text().value_or(QString()).toStdString();
        EXPECT_GE(label->width(), platform::textWidthTwips(*label->text(), label->font())) << where;
        EXPECT_GE(label->left(), report->margins().left()) << where;
        for (int j = 1; j <= section->objectCount(); ++j) {  // its value still starts right of it
          const platform::ReportObject* value = section->object(j);
          if (value != label && value->top() == label->top() && value->left() >= label->left())
            EXPECT_GE(value->left(), label->left() + label->width()) << where;
        }
      }
    }
  }
}

// Where every object of the header and averages sections stands.
QStringList placesOf(const platform::ReportDesigner& report) {
  QStringList places;
  for (int n : {2, 4}) {
    const platform::ReportSection* section = report.section(names::section(n));
    for (int i = 1; i <= section->objectCount(); ++i) {
      const platform::ReportObject* object = section->object(i);
      places << QStringLiteral("%1 %2 %3").arg(object->name()).arg(object->left()).arg(object->width());
    }
  }
  return places;
}

// Going through other sizes and back to one gives that size's own layout,
// the one a report fresh at that size gets, value boxes as wide as there.
TEST(SectionFontsTest, ASizeAndBackGivesTheLabelsAndValuesOfThatSizeBack) {
  const auto atSize = [](int size) {
    auto report = platform::ReportDefinitions::createReport();
    report->member(names::headerLabel(4)).SetText(QStringLiteral("Calibration Factor:"));
    report->member(names::averageLabel(5)).SetText(QStringLiteral("Avg %Compaction"));
    resizeHeaderFonts(*report, size - 9, size);
    resizeFooterFonts(*report, size);
    return report;
  };
  const QStringList freshNine = placesOf(*atSize(9));
  const QStringList freshTwelve = placesOf(*atSize(12));
  auto report = atSize(9);
  int from = 9;
  for (const int size : {12, 10, 12, 9}) {
    resizeHeaderFonts(*report, size - from, size);
    resizeFooterFonts(*report, size);
    from = size;
    if (size == 12) EXPECT_EQ(placesOf(*report), freshTwelve);
  }
  EXPECT_EQ(placesOf(*report), freshNine);
}

// A long project name shows whole at 9 and at 12, wrapped inside its own box
// whatever its alignment, and the labels beside it keep clear of it.
TEST(SectionFontsTest, ALongProjectNameWrapsInsideItsBox) {
  const QString name =
      QStringLiteral("Bridge \"A\", deck - Interstate 15 northbound widening, stations 1204+00 to 1231+50");
  for (const int size : {9, 12}) {
    for (const int alignment : {platform::HorAlignment::Left, platform::HorAlignment::Right}) {
      SCOPED_TRACE(size * 10 + alignment);
      auto report = platform::ReportDefinitions::createReport();
      const platform::ObjectRef projectName = report->member(QStringLiteral("ProjNameText"));
      const QRect stored(*projectName.left(), 0, *projectName.width(), 0);
      projectName.SetText(name);
      projectName.setHorAlignment(alignment);
      resizeHeaderFonts(*report, size - 9, size);
      const platform::RenderedReport laid = platform::ReportLayout::layout(*report, {});
      const auto shown = [&laid](const char* object) { return laid.textsOf(QLatin1String(object), 1).first(); };
      const platform::RenderedText text = shown("ProjNameText");
      EXPECT_EQ(text.rect.left(), stored.left());
      EXPECT_EQ(text.rect.width(), stored.width());
      EXPECT_GE(text.lines.size(), 2);
      EXPECT_EQ(text.lines.join(' '), name);
      for (const QString& line : text.lines) EXPECT_LE(platform::textWidthTwips(line, text.font), text.rect.width());
      EXPECT_LE(shown("ProjNameLabel").rect.right(), text.rect.left());
      EXPECT_GE(shown("MachNoLabel").rect.left(), text.rect.right());
      EXPECT_GE(laid.textsOf(names::columnHeader(1), 1).first().rect.top(), text.rect.bottom());
    }
  }
}

}  // namespace
}  // namespace report
