#include "report/reflow/ColumnChain.h"

#include <QString>

#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/ColumnWidths.h"

namespace report {
namespace {

using NameOf = QString (*)(int);

void widen(const platform::ReportDesigner& report, NameOf nameOf, int step) {
  for (int k = FirstDataColumn; k <= LastColumn; ++k) {
    const platform::ObjectRef object = report.member(nameOf(k));
    if (const std::optional<int> width = object.width()) object.setWidth(*width + step);
  }
}

}  // namespace

void chainColumns(platform::ReportDesigner& report, int d) {
  const int step = d * ColumnWidthPerPoint;
  widen(report, &platform::ReportNames::columnHeader, step);
  widen(report, &platform::ReportNames::columnData, step);
  chainColumnRows(report);
}

}  // namespace report
