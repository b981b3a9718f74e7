#include "report/reflow/ColumnChain.h"

#include <QString>

#include "platform/report/ReportDefinitions.h"
#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"
#include "report/builder/ColumnSlots.h"

namespace report {
namespace {

constexpr int TwipsPerPoint = 100;
constexpr int ColumnGap = platform::ReportDefinitions::ColumnGap;
constexpr int LineOffset = ColumnGap / 2;  // the line stands between two columns

using NameOf = QString (*)(int);

void widen(const platform::ReportDesigner& report, NameOf nameOf, int step) {
  for (int k = FirstDataColumn; k <= LastColumn; ++k) {
    const platform::ObjectRef object = report.member(nameOf(k));
    if (const std::optional<int> width = object.width()) object.setWidth(*width + step);
  }
}

// The right edge of a row's object plus a gap, or nothing when it is missing.
std::optional<int> afterObject(const platform::ReportDesigner& report, const QString& name, int gap) {
  const platform::ObjectRef object = report.member(name);
  const std::optional<int> left = object.left();
  const std::optional<int> width = object.width();
  if (!left || !width) return std::nullopt;
  return *left + *width + gap;
}

void chainRow(const platform::ReportDesigner& report, NameOf nameOf) {
  for (int k = FirstDataColumn + 1; k <= LastColumn; ++k)
    if (const std::optional<int> left = afterObject(report, nameOf(k - 1), ColumnGap))
      report.member(nameOf(k)).setLeft(*left);
}

}  // namespace

void chainColumns(platform::ReportDesigner& report, int d) {
  const int step = d * TwipsPerPoint;
  widen(report, &platform::ReportNames::columnHeader, step);
  widen(report, &platform::ReportNames::columnData, step);
  chainRow(report, &platform::ReportNames::columnHeader);
  chainRow(report, &platform::ReportNames::columnData);
  for (int k = FirstDataColumn; k <= LastLineColumn; ++k)
    if (const std::optional<int> left = afterObject(report, platform::ReportNames::columnData(k), LineOffset))
      report.member(platform::ReportNames::columnLine(k)).setLeft(*left);
}

}  // namespace report
