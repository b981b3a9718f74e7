#include "report/page/ColumnChooser.h"

#include <QListWidget>

#include "platform/core/IgnoreErrors.h"
#include "platform/report/ReportDesigner.h"
#include "platform/ui/Dialogs.h"
#include "report/builder/ColumnPlacement.h"
#include "report/builder/ColumnSlots.h"
#include "report/page/BusyPointer.h"
#include "report/page/ReportRefresh.h"
#include "report/page/ReportTabPage.h"

namespace report {
namespace {

const QString SelectColumn = QStringLiteral("Select a column please.");
const QString NoRoom = QStringLiteral("Not enough room to place contents.  Select another column.");

// A data column holds an item: neither its placeholder nor "Remarks".
bool holdsItem(const platform::ReportDesigner& report, int k) {
  const QString header = headerText(report, k);
  return !header.trimmed().isEmpty() && !isOwnPlaceholder(header, k) && header != RemarksHeader;
}

// Data columns holding an item among those the column list offers.
int columnsHoldingItems(const platform::ReportDesigner& report, int listCount) {
  int used = 0;
  for (int k = FirstDataColumn; k <= std::min(LastColumn, listCount + 1); ++k)
    if (holdsItem(report, k)) ++used;
  return used;
}

void inform(const QString& text) { platform::ui::Dialogs::inform(nullptr, text); }

}  // namespace

int advanceColumnList(int index, int count, ColumnAdvance& advance) {
  const int n = index + 1;
  const auto down = [&] { return index + 1 < count ? index + 1 : index; };
  const auto up = [&] { return index >= 1 ? index - 1 : index; };
  if (n == count) {
    advance.Last_List2_Column = n;
    return index;
  }
  if (n > advance.Last_List2_Column) {
    advance.List2_Direction = 1;
    advance.Last_List2_Column = down() + 1;
    return down();
  }
  if (n < advance.Last_List2_Column) {
    advance.List2_Direction = 0;
    advance.Last_List2_Column = up() + 1;
    return up();
  }
  return advance.List2_Direction == 1 ? down() : up();
}

void ColumnChooser::List1_Click() {
  ReportFlags& flags = context_.flags;
  if (flags.Clearing_Report || flags.Placing_Column) return;
  const BusyPointer busy;
  QListWidget& List1 = *context_.page.List1;
  QListWidget& List2 = *context_.page.List2;
  const QString item = List1.currentItem() != nullptr ? List1.currentItem()->text() : QString();
  if (refused(item)) return;
  const int t = List2.currentRow();
  selectColumnRow(advanceColumnList(t, List2.count(), advance_));
  if (!context_.nothingSelected()) {
    const StiffnessBlock* block = stiffnessBlockFor(item);
    if (roomRefused(t, block)) return;
    if (block != nullptr) {
      placeBlock(t, *block);
    } else {
      hideTitlesOfAbsentBlocks();
      placeOne(t + FirstDataColumn, item);
    }
  }
  context_.refresh.request(ReportRefresh::ShortInterval);
}

bool ColumnChooser::refused(const QString& item) const {
  if (context_.page.List2->currentRow() < 0) {
    inform(SelectColumn);
    return true;
  }
  const StiffnessBlock* block = stiffnessBlockFor(item);
  if (block != nullptr && context_.flags.*(block->placed)) {
    inform(block->alreadyPlaced);
    return true;
  }
  return false;
}

bool ColumnChooser::roomRefused(int t, const StiffnessBlock* block) const {
  if (t + FirstDataColumn <= LastBlockStartColumn || block == nullptr) return false;
  inform(NoRoom);
  return true;
}

void ColumnChooser::placeBlock(int t, const StiffnessBlock& block) {
  // A block placed over another one takes that one off whole first.
  const int first = t + FirstDataColumn;
  clearBlocksOver(*context_.designers.Report, context_.flags, first, first + StiffnessBlockWidth - 1);
  markBlockPlaced(*context_.designers.Report, context_.flags, block, first);
  QListWidget& List2 = *context_.page.List2;
  for (int pass = 0; pass < 4; ++pass) {
    placeOne(t + FirstDataColumn, block.dataItems[pass]);
    if (pass == 3) break;
    if (List2.currentRow() + 1 < List2.count()) selectColumnRow(List2.currentRow() + 1);
    ++t;
  }
}

void ColumnChooser::hideTitlesOfAbsentBlocks() {
  for (const StiffnessBlock& block : stiffnessBlocks())
    if (!(context_.flags.*(block.placed))) context_.designers.Report->member(block.titleObject).setSuppress(true);
}

// Used_Columns follows the columns that change between free and used: it
// rises when a free column takes an item, falls when "None" frees one (a
// whole block at once), and stays when a used column takes another item.
void ColumnChooser::placeOne(int Col, const QString& item) {
  ReportFlags& flags = context_.flags;
  QListWidget& List1 = *context_.page.List1;
  const int listCount = context_.page.List2->count();
  ReportBuilderContext builder = context_.builder();
  const int usedBefore = columnsHoldingItems(builder.report(), listCount);
  PlaceColumnResult result;
  // A failed placement leaves this pass; the next one goes on.
  platform::ignoringErrors([&] {
    result = Place_Column(builder, Col, item, context_.state.Table_Name, context_.sampleType(),
                          context_.state.Model_Code, {List1.currentRow(), List1.count()});
  });
  flags.Used_Columns += columnsHoldingItems(builder.report(), listCount) - usedBefore;
  if (!result.listMove) return;
  flags.Placing_Column = true;
  platform::ignoringErrors([&] {
    if (QListWidgetItem* shown = List1.item(result.listMove->scrollTo)) List1.scrollToItem(shown);
    List1.setCurrentRow(result.listMove->select);
  });
  flags.Placing_Column = false;
}

void ColumnChooser::selectColumnRow(int row) {
  QListWidget& List2 = *context_.page.List2;
  if (row >= 0 && row < List2.count()) List2.setCurrentRow(row);
}

}  // namespace report
