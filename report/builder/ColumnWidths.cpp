#include "report/builder/ColumnWidths.h"

#include <algorithm>
#include <optional>

#include "platform/report/ReportDefinitions.h"
#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"
#include "platform/report/TextLines.h"
#include "platform/report/TextWidth.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/ReportFlags.h"
#include "report/builder/StiffnessBlocks.h"

namespace report {
namespace {

namespace names = platform::ReportNames;
using Definitions = platform::ReportDefinitions;

constexpr int LineOffset = Definitions::ColumnGap / 2;  // the line stands between two columns
// Room a widened column keeps beside its widest value, half on each side, so
// that the value stands as clear of the lines as the values of a column they
// fit stand at least.
constexpr int ValueMargin = Definitions::ColumnGap;

using NameOf = QString (*)(int);

bool isReportSize(int fontSize) { return fontGeometry(fontSize).has_value(); }

// Only a placed item's values widen a column: a free column holds none, the
// remarks may use the free room beside them, and the read numbers of the
// load frame's second block are as short as the first block's.
bool holdsValues(const QString& header) {
  return !looksLikePlaceholder(header) && header != RemarksHeader && header.toUpper() != ReadNumberHeader;
}

int widestValue(const platform::ReportDesigner& report, int k) {
  const platform::ObjectRef data = report.member(names::columnData(k));
  platform::ReportFont font;
  font.size = data.fontSize().value_or(Definitions::BodyFontSize);
  int widest = 0;
  for (const QString& line : platform::reportTextLines(data.text().value_or(QString())))
    widest = std::max(widest, platform::textWidthTwips(line, font));
  return widest;
}

int fittedWidth(const platform::ReportDesigner& report, int k, int fontSize) {
  const int sized = Definitions::columnWidth(k) + (fontSize - Definitions::BodyFontSize) * ColumnWidthPerPoint;
  if (!holdsValues(headerText(report, k))) return sized;
  const int widest = widestValue(report, k);
  return widest > sized ? widest + ValueMargin : sized;
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
    if (const std::optional<int> left = afterObject(report, nameOf(k - 1), Definitions::ColumnGap))
      report.member(nameOf(k)).setLeft(*left);
}

}  // namespace

void chainColumnRows(platform::ReportDesigner& report) {
  chainRow(report, &names::columnHeader);
  chainRow(report, &names::columnData);
  for (int k = FirstDataColumn; k <= LastLineColumn; ++k)
    if (const std::optional<int> left = afterObject(report, names::columnData(k), LineOffset))
      report.member(names::columnLine(k)).setLeft(*left);
}

void fitColumnWidths(platform::ReportDesigner& report, ReportFlags& flags) {
  const int fontSize = flags.Report_Font_Size;
  if (!isReportSize(fontSize)) return;
  for (int k = FirstDataColumn; k <= LastColumn; ++k) {
    const int width = fittedWidth(report, k, fontSize);
    report.member(names::columnHeader(k)).setWidth(width);
    report.member(names::columnData(k)).setWidth(width);
  }
  chainColumnRows(report);
  for (const StiffnessBlock& block : stiffnessBlocks())
    if (flags.*(block.placed)) markBlockPlaced(report, flags, block, blockFirstColumn(flags, block));
}

}  // namespace report
