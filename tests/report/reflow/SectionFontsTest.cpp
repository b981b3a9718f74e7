#include "report/reflow/SectionFonts.h"

#include <gtest/gtest.h>

#include "platform/report/ReportDefinitions.h"
#include "platform/report/ReportDesigner.h"
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

}  // namespace
}  // namespace report
