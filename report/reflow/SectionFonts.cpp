#include "report/reflow/SectionFonts.h"

#include <QStringList>

#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"
#include "report/builder/ColumnSlots.h"
#include "report/reflow/FontSizeTable.h"

namespace report {
namespace {

const QStringList CompanyObjects{QStringLiteral("Company"), QStringLiteral("Companyinfo")};
const QStringList ProjectNameObjects{QStringLiteral("ProjNameLabel"), QStringLiteral("ProjNameText")};
const QString ColumnPrefix = QStringLiteral("COL");

}  // namespace

void resizeSectionFonts(platform::ReportDesigner& report, int sectionNumber,
                        const std::function<bool(const QString&)>& test, const std::function<int(int)>& sizeFor) {
  const platform::ReportSection* section = report.section(platform::ReportNames::section(sectionNumber));
  if (section == nullptr) return;
  for (int i = 1; i <= section->objectCount(); ++i) {
    platform::ReportObject* object = section->object(i);
    if (object == nullptr || !test(object->name())) continue;
    if (const std::optional<int> size = object->fontSize()) object->setFontSize(sizeFor(*size));
  }
}

int laidOutFontSize(const platform::ReportDesigner& report) {
  const std::optional<int> size =
      report.member(platform::ReportNames::columnHeader(ReadNumberColumn)).fontSize();
  return size && isReportFontSize(*size) ? *size : SmallestReportFont;
}

void resizeHeaderFonts(platform::ReportDesigner& report, int d, int newSize) {
  const auto byChange = [d](int size) { return size + d; };
  const auto toNew = [newSize](int) { return newSize; };
  resizeSectionFonts(report, 1, [](const QString& name) { return CompanyObjects.contains(name); }, byChange);
  resizeSectionFonts(report, 2, [](const QString& name) { return ProjectNameObjects.contains(name); }, byChange);
  resizeSectionFonts(report, 2, [](const QString& name) { return !ProjectNameObjects.contains(name); }, toNew);
}

void resizeColumnFonts(platform::ReportDesigner& report, int newSize) {
  resizeSectionFonts(
      report, 3, [](const QString& name) { return name.left(3).toUpper() == ColumnPrefix; },
      [newSize](int) { return newSize; });
}

void resizeFooterFonts(platform::ReportDesigner& report, int newSize) {
  for (int section : {4, 5, 6})
    resizeSectionFonts(report, section, [](const QString&) { return true; }, [newSize](int) { return newSize; });
}

}  // namespace report
