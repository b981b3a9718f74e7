#include "report/reflow/LoadFrameSteps.h"

#include <optional>
#include <vector>

#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"
#include "report/builder/ColumnSlots.h"
#include "report/reflow/LoadFrameColumnSet.h"

namespace report {
namespace {

// Column indexes of "Col n".
constexpr int col(int n) { return n + 1; }

// One way of moving the mirror block: targets first..last (in that order)
// take the column distance further on, then the columns it leaves are freed.
struct ShiftMoves {
  int first;
  int last;
  int distance;
  std::vector<int> freed;
};

bool startsMirrorBlock(const platform::ReportDesigner& report, int k) {
  return headerText(report, k) == ReadNumberHeader;
}

// The moves for a change of size, by where the mirror block's "RD#" stands.
// Sizes 10 and 11 both start it at Col 6, and an unchanged size keeps it.
std::optional<ShiftMoves> movesFor(const platform::ReportDesigner& report, int oldSize, int newSize) {
  if (oldSize == newSize) return std::nullopt;
  const bool wide = std::abs(oldSize - newSize) == 3;
  if (!wide && oldSize >= 10 && oldSize <= 11 && newSize >= 10 && newSize <= 11) return std::nullopt;
  if (oldSize < newSize) {
    if (wide) return ShiftMoves{col(5), col(9), 2, {}};
    if (startsMirrorBlock(report, col(7))) return ShiftMoves{col(6), col(11), 1, {}};
    if (startsMirrorBlock(report, col(6))) return ShiftMoves{col(5), col(9), 1, {}};
    return std::nullopt;
  }
  if (wide) return ShiftMoves{col(11), col(7), -2, {col(5), col(6), col(12), col(13)}};
  if (startsMirrorBlock(report, col(6))) return ShiftMoves{col(12), col(7), -1, {col(6), col(13)}};
  if (startsMirrorBlock(report, col(5))) return ShiftMoves{col(10), col(6), -1, {col(5), col(11)}};
  return std::nullopt;
}

// A free source makes the target free under its own placeholder.
void moveColumn(platform::ReportDesigner& report, int target, int source) {
  const QString header = headerText(report, source);
  if (looksLikePlaceholder(header)) return freeColumn(report, target);
  setHeader(report, target, header);
  setData(report, target, dataText(report, source));
}

void applyMoves(platform::ReportDesigner& report, const ShiftMoves& moves) {
  const int step = moves.distance > 0 ? 1 : -1;
  for (int target = moves.first;; target += step) {
    moveColumn(report, target, target + moves.distance);
    if (target == moves.last) break;
  }
  for (int k : moves.freed) freeColumn(report, k);
}

// Col 10 to Col 13 show as far as the size has room; what lies past the
// mirror block of the new size is freed, so no stale header comes back.
void showColumnsForSize(platform::ReportDesigner& report, const FontGeometry& geometry) {
  const int mirrorEnd = geometry.leftBlockEnd + geometry.mirrorOffset;
  for (int k = col(10); k <= col(13); ++k) showLoadFrameColumn(report, k, k <= mirrorEnd);
  for (int k = mirrorEnd + 1; k <= LastColumn; ++k) {
    freeColumn(report, k);
    showLoadFrameColumn(report, k, false);
  }
}

}  // namespace

void Shift_LoadFrame_Columns(platform::ReportDesigner& report, const ReportFlags& /*flags*/, int oldSize,
                             int newSize) {
  const auto geometry = fontGeometry(newSize);
  if (!geometry) return;
  for (int k = col(14); k <= LastColumn; ++k) showLoadFrameColumn(report, k, false);
  if (const auto moves = movesFor(report, oldSize, newSize)) applyMoves(report, *moves);
  showColumnsForSize(report, *geometry);
}

}  // namespace report
