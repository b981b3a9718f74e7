#pragma once

#include <QString>

#include <array>

namespace platform {
class ReportDesigner;
}

namespace report {

struct ReportFlags;

// A stiffness block: one data item of the stiffness report that fills four
// adjacent columns under a common title. The report state records whether it
// stands on the report and its last (fourth) column.
struct StiffnessBlock {
  QString item;
  QString titleObject;
  QString title;
  std::array<QString, 4> dataItems;
  bool ReportFlags::*placed;
  int ReportFlags::*lastColumn;
  QString alreadyPlaced;  // the refusal of a second placement
};

inline constexpr int StiffnessBlockWidth = 4;
// The last column a block of four may start in: it then ends in column 18,
// the last one with a separator line on its right for the title to end at.
inline constexpr int LastBlockStartColumn = 15;

// "Noise Data" and "Signal Data", in this order.
const std::array<StiffnessBlock, 2>& stiffnessBlocks();

// The block the data item stands for, or nullptr for an ordinary item.
const StiffnessBlock* stiffnessBlockFor(const QString& item);

// Whether the block is placed and one of its four columns is column Col.
bool blockCovers(const ReportFlags& flags, const StiffnessBlock& block, int Col);

// Whether the item is one of the four sub-column items of the block.
bool belongsToBlock(const StiffnessBlock& block, const QString& item);

// The first of the block's four columns, by its recorded last column.
int blockFirstColumn(const ReportFlags& flags, const StiffnessBlock& block);

// Marks the block as placed from firstColumn on and shows its title over the
// four columns: from the line left of the first to just short of the line
// right of the fourth, at the report font size.
void markBlockPlaced(platform::ReportDesigner& report, ReportFlags& flags, const StiffnessBlock& block,
                     int firstColumn);

// Takes the whole block off the report: its four columns back to their
// placeholders, its flag cleared and its title hidden. Nothing happens when
// the block is not placed.
void clearStiffnessBlock(platform::ReportDesigner& report, ReportFlags& flags, const StiffnessBlock& block);

// Clears every placed block that has a column in firstColumn..lastColumn.
void clearBlocksOver(platform::ReportDesigner& report, ReportFlags& flags, int firstColumn, int lastColumn);

}  // namespace report
