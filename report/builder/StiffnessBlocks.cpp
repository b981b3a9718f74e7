#include "report/builder/StiffnessBlocks.h"

#include <algorithm>

#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/ReportFlags.h"

namespace report {
namespace {

constexpr int TitleGap = 60;  // twips between a block title and the block's right line
constexpr int Centred = 2;

// The separator line on the right edge of column k.
QString lineRightOf(int k) {
  return k == ReadNumberColumn ? platform::ReportNames::ReadNumberLine : platform::ReportNames::columnLine(k);
}

}  // namespace

const std::array<StiffnessBlock, 2>& stiffnessBlocks() {
  static const std::array<StiffnessBlock, 2> blocks{{
      {QStringLiteral("Noise Data"), QStringLiteral("NoiseBlockTitle"), QStringLiteral("Noise Data (Counts)"),
       {QStringLiteral("R_D_ND"), QStringLiteral("R_F_ND"), QStringLiteral("I_D_ND"), QStringLiteral("I_F_ND")},
       &ReportFlags::Noise_Block, &ReportFlags::Noise_Col,
       QStringLiteral("Report already contains Noise Data Values")},
      {QStringLiteral("Signal Data"), QStringLiteral("SignalBlockTitle"), QStringLiteral("Signal Data (Counts)"),
       {QStringLiteral("R_D_SD"), QStringLiteral("R_F_SD"), QStringLiteral("I_D_SD"), QStringLiteral("I_F_SD")},
       &ReportFlags::Signal_Block, &ReportFlags::Signal_Col,
       QStringLiteral("Report already contains Signal Data Values")},
  }};
  return blocks;
}

const StiffnessBlock* stiffnessBlockFor(const QString& item) {
  for (const StiffnessBlock& block : stiffnessBlocks())
    if (block.item == item) return &block;
  return nullptr;
}

bool blockCovers(const ReportFlags& flags, const StiffnessBlock& block, int Col) {
  return flags.*(block.placed) && Col >= blockFirstColumn(flags, block) && Col <= flags.*(block.lastColumn);
}

bool belongsToBlock(const StiffnessBlock& block, const QString& item) {
  return std::find(block.dataItems.begin(), block.dataItems.end(), item) != block.dataItems.end();
}

int blockFirstColumn(const ReportFlags& flags, const StiffnessBlock& block) {
  return flags.*(block.lastColumn) - (StiffnessBlockWidth - 1);
}

void markBlockPlaced(platform::ReportDesigner& report, ReportFlags& flags, const StiffnessBlock& block,
                     int firstColumn) {
  const int lastColumn = firstColumn + StiffnessBlockWidth - 1;
  flags.*(block.lastColumn) = lastColumn;
  flags.*(block.placed) = true;
  const int left = report.member(lineRightOf(firstColumn - 1)).left().value_or(0);
  const int right = report.member(platform::ReportNames::columnLine(lastColumn)).left().value_or(0);
  const platform::ObjectRef title = report.member(block.titleObject);
  title.setSuppress(false);
  title.setLeft(left);
  title.setWidth(right - left - TitleGap);
  title.SetText(block.title);
  title.setHorAlignment(Centred);
  title.setFontSize(flags.Report_Font_Size);
}

void clearStiffnessBlock(platform::ReportDesigner& report, ReportFlags& flags, const StiffnessBlock& block) {
  if (!(flags.*(block.placed))) return;
  const int first = blockFirstColumn(flags, block);
  for (int k = first; k < first + StiffnessBlockWidth; ++k)
    if (k >= FirstDataColumn && k <= LastColumn) freeColumn(report, k);
  flags.*(block.placed) = false;
  report.member(block.titleObject).setSuppress(true);
}

void clearBlocksOver(platform::ReportDesigner& report, ReportFlags& flags, int firstColumn, int lastColumn) {
  for (const StiffnessBlock& block : stiffnessBlocks()) {
    if (!(flags.*(block.placed))) continue;
    const int first = blockFirstColumn(flags, block);
    const int last = flags.*(block.lastColumn);
    if (first <= lastColumn && firstColumn <= last) clearStiffnessBlock(report, flags, block);
  }
}

}  // namespace report
