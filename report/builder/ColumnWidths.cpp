#include "report/builder/ColumnWidths.h"

#include <algorithm>
#include <array>
#include <optional>

#include "platform/report/ReportDefinitions.h"
#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"
#include "platform/report/ReportTypes.h"
#include "platform/report/TextLines.h"
#include "platform/report/TextWidth.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/HeaderRoom.h"
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

// The widest line of a column object; the headers are bold.
int widestLine(const platform::ReportDesigner& report, const QString& name, bool bold = false) {
  const platform::ObjectRef object = report.member(name);
  platform::ReportFont font;
  font.size = object.fontSize().value_or(Definitions::BodyFontSize);
  font.bold = bold;
  int widest = 0;
  for (const QString& line : platform::reportTextLines(object.text().value_or(QString())))
    widest = std::max(widest, platform::textWidthTwips(line, font));
  return widest;
}

int widestValue(const platform::ReportDesigner& report, int k) { return widestLine(report, names::columnData(k)); }

int fittedWidth(const platform::ReportDesigner& report, int k, int fontSize) {
  const int sized = Definitions::columnWidth(k) + (fontSize - Definitions::BodyFontSize) * ColumnWidthPerPoint;
  if (!holdsValues(headerText(report, k))) return sized;
  const int widest = widestValue(report, k);
  return widest > sized ? widest + ValueMargin : sized;
}

// The last column that prints: a placed item's, a read-number or the remarks
// column that shows; the free columns after it are left out of print.
int lastPrintedColumn(const platform::ReportDesigner& report) {
  for (int k = LastColumn; k >= FirstDataColumn; --k)
    if (!looksLikePlaceholder(headerText(report, k)) && !report.member(names::columnData(k)).suppress().value_or(false))
      return k;
  return 0;
}

// What a printed column cannot give up: its header and its values whole with
// a gap's margin. Remarks are not measured: the cut-remark check tells of a
// remark its column no longer shows whole.
int leastWidth(const platform::ReportDesigner& report, int k) {
  int widest = widestLine(report, names::columnHeader(k), true);
  if (headerText(report, k) != RemarksHeader) widest = std::max(widest, widestValue(report, k));
  return widest + ValueMargin;
}

using Widths = std::array<int, LastColumn + 1>;

int rightEdge(const platform::ReportDesigner& report, const Widths& widths, int last) {
  int right = report.member(names::columnData(FirstDataColumn)).left().value_or(0);
  for (int k = FirstDataColumn; k <= last; ++k) right += widths[k] + (k < last ? Definitions::ColumnGap : 0);
  return right;
}

// Widened columns that would push the printed ones past the page's printable
// right edge take the room from printed columns wider than they need, the
// rightmost first, until the page holds them or none has room to give. No
// value is ever narrowed: one cut short would print a wrong number.
void keepOnPage(const platform::ReportDesigner& report, Widths& widths) {
  const int last = lastPrintedColumn(report);
  if (last == 0) return;
  const bool portrait = report.paperOrientation() == platform::PaperOrientation::Portrait;
  int overflow = rightEdge(report, widths, last) - printableRight(report, portrait);
  for (int k = last; k >= FirstDataColumn && overflow > 0; --k) {
    if (looksLikePlaceholder(headerText(report, k))) continue;
    const int given = std::clamp(widths[k] - leastWidth(report, k), 0, overflow);
    widths[k] -= given;
    overflow -= given;
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
  Widths widths{};
  for (int k = FirstDataColumn; k <= LastColumn; ++k) widths[k] = fittedWidth(report, k, fontSize);
  keepOnPage(report, widths);
  for (int k = FirstDataColumn; k <= LastColumn; ++k) {
    report.member(names::columnHeader(k)).setWidth(widths[k]);
    report.member(names::columnData(k)).setWidth(widths[k]);
  }
  chainColumnRows(report);
  for (const StiffnessBlock& block : stiffnessBlocks())
    if (flags.*(block.placed)) markBlockPlaced(report, flags, block, blockFirstColumn(flags, block));
}

}  // namespace report
