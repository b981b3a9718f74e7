#include "report/page/ColumnChooser.h"

#include <QListWidget>

#include "platform/core/IgnoreErrors.h"
#include "platform/report/ReportDesigner.h"
#include "platform/ui/Dialogs.h"
#include "report/builder/ColumnPlacement.h"
#include "report/builder/ColumnSlots.h"
#include "report/page/BusyPointer.h"
#include "report/page/RemarksCutNotice.h"
#include "report/page/ReportRefresh.h"
#include "report/page/ReportTabPage.h"

namespace report {
namespace {

const QString SelectColumn = QStringLiteral("Select a column please.");
const QString NoRoom = QStringLiteral("Not enough room to place contents.  Select another column.");

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
    const RemarksCutWatch remarks(context_.designers.Report.get(), flags);
    if (block != nullptr) {
      placeBlock(t, *block);
    } else {
      hideTitlesOfAbsentBlocks();
      placeOne(t + FirstDataColumn, item);
    }
    flags.Used_Columns = countUsedColumns(*context_.designers.Report, flags, context_.state.Model_Code);
    remarks.tell(nullptr);
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
  platform::ReportDesigner& report = *context_.designers.Report;
  clearBlocksOver(report, context_.flags, first, first + StiffnessBlockWidth - 1);
  markBlockPlaced(report, context_.flags, block, first);
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

void ColumnChooser::placeOne(int Col, const QString& item) {
  ReportFlags& flags = context_.flags;
  QListWidget& List1 = *context_.page.List1;
  ReportBuilderContext builder = context_.builder();
  PlaceColumnResult result;
  // A failed placement leaves this pass; the next one goes on.
  platform::ignoringErrors([&] {
    result = Place_Column(builder, Col, item, context_.state.Table_Name, context_.sampleType(),
                          context_.state.Model_Code, {List1.currentRow(), List1.count()});
  });
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
