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

// Every object of a section whose name passes the test gets the size that
// sizeFor gives from its present size; objects without a font are skipped.
template <typename Test, typename SizeFor>
void resizeSection(platform::ReportDesigner& report, int sectionNumber, Test test, SizeFor sizeFor) {
  const platform::ReportSection* section = report.section(platform::ReportNames::section(sectionNumber));
  if (section == nullptr) return;
  for (int i = 1; i <= section->objectCount(); ++i) {
    platform::ReportObject* object = section->object(i);
    if (object == nullptr || !test(object->name())) continue;
    if (const std::optional<int> size = object->fontSize()) object->setFontSize(sizeFor(*size));
  }
}

}  // namespace

int laidOutFontSize(const platform::ReportDesigner& report) {
  const std::optional<int> size =
      report.member(platform::ReportNames::columnHeader(ReadNumberColumn)).fontSize();
  return size && isReportFontSize(*size) ? *size : SmallestReportFont;
}

void resizeHeaderFonts(platform::ReportDesigner& report, int d, int newSize) {
  const auto byChange = [d](int size) { return size + d; };
  const auto toNew = [newSize](int) { return newSize; };
  resizeSection(report, 1, [](const QString& name) { return CompanyObjects.contains(name); }, byChange);
  resizeSection(report, 2, [](const QString& name) { return ProjectNameObjects.contains(name); }, byChange);
  resizeSection(report, 2, [](const QString& name) { return !ProjectNameObjects.contains(name); }, toNew);
}

void resizeColumnFonts(platform::ReportDesigner& report, int newSize) {
  resizeSection(
      report, 3, [](const QString& name) { return name.left(3).toUpper() == ColumnPrefix; },
      [newSize](int) { return newSize; });
}

void resizeFooterFonts(platform::ReportDesigner& report, int newSize) {
  for (int section : {4, 5, 6})
    resizeSection(report, section, [](const QString&) { return true; }, [newSize](int) { return newSize; });
}

}  // namespace report
