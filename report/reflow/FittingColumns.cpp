#include "report/reflow/FittingColumns.h"

#include <map>

#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/ReportFlags.h"
#include "report/builder/StiffnessBlocks.h"
#include "report/reflow/FontSizeTable.h"

namespace report {
namespace {

constexpr int FirstOptionalColumn = 15;  // Col 14, the first that a larger size hides

bool holdsItem(const platform::ReportDesigner& report, int k) {
  const QString header = headerText(report, k);
  return !isOwnPlaceholder(header, k) && header != RemarksHeader;
}

int lastUsedColumn(const platform::ReportDesigner& report, int upTo) {
  for (int k = upTo; k >= FirstDataColumn; --k)
    if (holdsItem(report, k)) return k;
  return ReadNumberColumn;
}

int firstRemarksColumn(const platform::ReportDesigner& report) {
  for (int k = FirstDataColumn; k <= LastColumn; ++k)
    if (headerText(report, k) == RemarksHeader) return k;
  return 0;
}

// Where the remarks column belongs: right after the last used column that
// fits, or the last column that shows when that one is used.
int remarksPlace(const platform::ReportDesigner& report, int lastShown) {
  const int lastUsed = lastUsedColumn(report, lastShown);
  return lastUsed == lastShown ? lastShown : lastUsed + 1;
}

bool blockFrom(const ReportFlags& flags, int from) {
  for (const StiffnessBlock& block : stiffnessBlocks())
    for (int k = from; k <= LastColumn; ++k)
      if (blockCovers(flags, block, k)) return true;
  return false;
}

std::map<int, QString> placedItems(const platform::ReportDesigner& report) {
  std::map<int, QString> items;
  for (int k = FirstDataColumn; k <= LastColumn; ++k)
    if (holdsItem(report, k)) items[k] = headerText(report, k);
  return items;
}

QStringList itemsGone(const platform::ReportDesigner& report, const std::map<int, QString>& before) {
  QStringList gone;
  for (const auto& [k, header] : before)
    if (headerText(report, k) != header) gone.append(header);
  return gone;
}

}  // namespace

void showFittingColumns(platform::ReportDesigner& report, int fontSize) {
  const int lastShown = lastShownColumn(fontSize);
  if (lastShown == 0) return;
  for (const auto nameOf : {&platform::ReportNames::columnHeader, &platform::ReportNames::columnData})
    for (int k = FirstOptionalColumn; k <= LastColumn; ++k) report.member(nameOf(k)).setSuppress(k > lastShown);
}

QStringList placeRemarksColumn(platform::ReportDesigner& report, ReportFlags& flags, int fontSize) {
  const int lastShown = lastShownColumn(fontSize);
  if (lastShown == 0) return {};
  const int existing = firstRemarksColumn(report);
  int place = remarksPlace(report, lastShown);
  const bool lastShownUsed = holdsItem(report, lastShown);
  // Without a remarks column and with room to spare there is nothing to move;
  // one in its place before the last shown column stays as it is.
  if (existing == 0 && !lastShownUsed) return {};
  if (existing == place && place < lastShown) return {};
  const std::map<int, QString> itemsBefore = placedItems(report);
  const QString remarkLines = existing > 0 ? dataText(report, existing) : EmptyColumnText;
  // A block that would lose a column goes whole, flag and title with it, so
  // it can be placed again; that moves the place left.
  for (size_t blocks = stiffnessBlocks().size(); blocks > 0 && blockFrom(flags, place); --blocks) {
    clearBlocksOver(report, flags, place, LastColumn);
    place = remarksPlace(report, lastShown);
  }
  if (existing != place) freeColumn(report, existing);
  if (headerText(report, place) != RemarksHeader) {
    setHeader(report, place, RemarksHeader);
    setData(report, place, remarkLines);  // the remarks go where their column goes
  }
  for (int k = place + 1; k <= LastColumn; ++k) freeColumn(report, k);
  flags.Used_Columns = place;
  flags.New_Remarks_Column = place;
  flags.Remarks_Column = place;
  return itemsGone(report, itemsBefore);
}

QStringList itemsNotShown(const platform::ReportDesigner& report, int fontSize) {
  const int lastShown = lastShownColumn(fontSize);
  QStringList hidden;
  if (lastShown == 0) return hidden;
  for (const auto& [k, header] : placedItems(report))
    if (k > lastShown) hidden.append(header);
  return hidden;
}

}  // namespace report
