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

// The longest labels the builders write: the stiffness header's and the
// density averages'.
void writeLongLabels(const platform::ReportDesigner& report) {
  report.member(names::headerLabel(4)).SetText(QStringLiteral("Calibration Factor:"));
  report.member(QStringLiteral("DensityStdText")).SetText(QStringLiteral("2750 counts, checked 03/07/2024"));
  report.member(QStringLiteral("CDateText")).SetText(QStringLiteral("03/07/2024"));
  const char* averages[] = {"Avg Wet Density", "Avg Dry Density", "Avg Moisture", "Avg %Moisture", "Avg %Compaction"};
  for (int i = 1; i <= 5; ++i) report.member(names::averageLabel(i)).SetText(QLatin1String(averages[i - 1]));
}

TEST(SectionFontsTest, EveryLabelShowsWholeBesideItsValueAtEverySize) {
  for (int size = 9; size <= 12; ++size) {
    auto report = platform::ReportDefinitions::createReport();
    writeLongLabels(*report);
    resizeHeaderFonts(*report, size - 9, size);
    resizeFooterFonts(*report, size);
    for (int n : {2, 4}) {
      const platform::ReportSection* section = report->section(names::section(n));
      for (int i = 1; i <= section->objectCount(); ++i) {
        const auto* label = dynamic_cast<const platform::TextObject*>(section->object(i));
        if (label == nullptr || label->horAlignment() != platform::HorAlignment::Right) continue;
        const QString text = label->text().value_or(QString());
        EXPECT_GE(label->width(), platform::textWidthTwips(text, label->font())) << size << " " << text.toStdString();
        EXPECT_GE(label->left(), report->margins().left()) << size << " " << text.toStdString();
        // Its value still starts right of it.
        for (int j = 1; j <= section->objectCount(); ++j) {
          const platform::ReportObject* other = section->object(j);
          if (other == label || other->top() != label->top() || other->left() < label->left()) continue;
          EXPECT_GE(other->left(), label->left() + label->width()) << size << " " << text.toStdString();
          EXPECT_GT(other->width(), 0);
        }
      }
    }
  }
}

}  // namespace
}  // namespace report
