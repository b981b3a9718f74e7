#include "report/builder/ColumnLayoutFile.h"

#include <optional>
#include <vector>

#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/SettingsFile.h"
#include "platform/core/WholeFile.h"
#include "report/builder/ColumnPlacement.h"
#include "report/builder/ColumnReset.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/FieldMap.h"
#include "report/builder/ReportBuilderContext.h"
#include "report/builder/StiffnessBlocks.h"
#include "report/builder/TypedRemarks.h"

namespace report {
namespace {

constexpr char Quote = '"';
constexpr char CarriageReturn = '\r';

// The last column the saved layout covers: the load frame's left block.
int lastLayoutColumn(const ReportFlags& flags, int Model_Code) {
  if (Model_Code != ModelCode::LX9100) return LastColumn;
  const std::optional<FontGeometry> geometry = fontGeometry(flags.Report_Font_Size);
  return geometry ? geometry->leftBlockEnd : LastColumn;
}

const StiffnessBlock* blockAt(const ReportFlags& flags, int Model_Code, int k) {
  if (Model_Code != ModelCode::T7310) return nullptr;
  for (const StiffnessBlock& block : stiffnessBlocks())
    if (blockCovers(flags, block, k)) return &block;
  return nullptr;
}

bool isSubColumnHeaderStart(const QString& line) {
  return line == QLatin1String("Real") || line == QLatin1String("Imag.");
}

bool isSubColumnHeaderEnd(const QString& line) {
  return line == QLatin1String("Displ.") || line == QLatin1String("Force");
}

QStringList fileLines(const QByteArray& bytes) {
  QStringList lines;
  for (QByteArray line : platform::settingsFileLines(bytes)) {
    line.replace(Quote, QByteArray());
    lines.append(QString::fromLatin1(line));
  }
  return lines;
}

// One entry of the file that a load places: an item on column k, or a
// stiffness block from column k on.
struct PlannedEntry {
  int k;
  QString item;
  const StiffnessBlock* block = nullptr;
};

// The entries a load places, and the ones it must skip, named as the file
// has them; decided before the report is touched, so that a file that places
// nothing leaves it as it was.
struct LayoutPlan {
  std::vector<PlannedEntry> entries;
  QStringList skipped;
};

bool isFreeEntry(const QString& entry) {
  return entry.trimmed().isEmpty() || entry.startsWith(QLatin1String("Col")) || entry == RemarksHeader;
}

QString entryName(QString entry) { return entry.replace(QLatin1Char(CarriageReturn), QLatin1Char(' ')); }

// Walks the entries from column 2 on. Free columns and "Remarks" place
// nothing and say nothing; so do entries past the load frame's left block
// (an older file repeats its mirror block there) and past the last column.
LayoutPlan planLayout(const QStringList& entries, int model, int lastColumn) {
  LayoutPlan plan;
  bool blockPlanned[2] = {false, false};
  int k = FirstDataColumn;
  for (const QString& entry : entries) {
    if (k > lastColumn) break;
    const StiffnessBlock* block = model == ModelCode::T7310 ? stiffnessBlockFor(entry) : nullptr;
    const int width = block != nullptr ? StiffnessBlockWidth : 1;
    if (isFreeEntry(entry)) {
      // nothing to place
    } else if (block != nullptr) {
      bool& planned = blockPlanned[block == &stiffnessBlocks()[0] ? 0 : 1];
      if (k > LastBlockStartColumn || planned) {
        plan.skipped << entryName(entry);
      } else {
        plan.entries.push_back({k, entry, block});
        planned = true;
      }
    } else if (const std::optional<QString> item = itemOfHeader(entry, model)) {
      plan.entries.push_back({k, *item});
    } else {
      plan.skipped << entryName(entry);
    }
    k += width;
  }
  return plan;
}

class LayoutLoader {
 public:
  LayoutLoader(ReportBuilderContext& context, const QString& table, const QString& sampleType, int model)
      : context_(context), table_(table), sampleType_(sampleType), model_(model) {}

  void place(const std::vector<PlannedEntry>& entries) {
    for (const PlannedEntry& entry : entries) {
      if (entry.block != nullptr) {
        placeBlock(entry.k, *entry.block);
      } else {
        Place_Column(context_, entry.k, entry.item, table_, sampleType_, model_, {});
      }
    }
  }

 private:
  void placeBlock(int first, const StiffnessBlock& block) {
    clearBlocksOver(context_.report(), context_.flags, first, first + StiffnessBlockWidth - 1);
    markBlockPlaced(context_.report(), context_.flags, block, first);
    for (int pass = 0; pass < StiffnessBlockWidth; ++pass)
      Place_Column(context_, first + pass, block.dataItems[static_cast<size_t>(pass)], table_, sampleType_, model_, {});
  }

  ReportBuilderContext& context_;
  QString table_;
  QString sampleType_;
  int model_;
};

}  // namespace

QString columnLayoutPath(int Model_Code) {
  using namespace platform::ProgramFiles;
  switch (Model_Code) {
    case ModelCode::LX9100: return platform::ProgramFolder::path(LayoutLoadFrame);
    case ModelCode::N2600A: return platform::ProgramFolder::path(LayoutN2600A);
    case ModelCode::N2600BX: return platform::ProgramFolder::path(LayoutN2600BX);
    case ModelCode::T7310: return platform::ProgramFolder::path(LayoutStiffness);
    default: return {};
  }
}

QStringList columnLayoutEntries(const platform::ReportDesigner& report, const ReportFlags& flags, int Model_Code) {
  QStringList entries;
  const int lastSaved = lastLayoutColumn(flags, Model_Code);
  const StiffnessBlock* lastBlock = nullptr;
  for (int k = FirstDataColumn; k <= LastColumn; ++k) {
    if (const StiffnessBlock* block = blockAt(flags, Model_Code, k)) {
      if (block != lastBlock) entries.append(block->item);
      lastBlock = block;
      continue;
    }
    lastBlock = nullptr;
    entries.append(k <= lastSaved ? headerText(report, k) : columnPlaceholder(k));
  }
  return entries;
}

QByteArray columnLayoutText(const QStringList& entries) {
  QByteArray text(1, Quote);
  for (const QString& entry : entries) {
    QByteArray bytes = entry.toLatin1();
    bytes.replace(Quote, QByteArray());
    text += bytes + CarriageReturn;
  }
  return text + Quote + "\r\n";
}

QStringList columnLayoutEntriesIn(const QByteArray& bytes, int Model_Code) {
  const QStringList lines = fileLines(bytes);
  QStringList entries;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const bool splitHeader = Model_Code == ModelCode::T7310 && i + 1 < lines.size() &&
                             isSubColumnHeaderStart(lines[i]) && isSubColumnHeaderEnd(lines[i + 1]);
    if (splitHeader) {
      entries.append(lines[i] + QLatin1Char(CarriageReturn) + lines[i + 1]);
      ++i;
    } else {
      entries.append(lines[i]);
    }
  }
  return entries;
}

bool saveColumnLayout(const platform::ReportDesigner& report, const ReportFlags& flags, int Model_Code,
                      QString* error) {
  const QString path = columnLayoutPath(Model_Code);
  if (path.isEmpty()) {
    if (error != nullptr) *error = QStringLiteral("No column layout file for this model.");
    return false;
  }
  return platform::writeWholeFile(path, columnLayoutText(columnLayoutEntries(report, flags, Model_Code)), error);
}

ColumnLayoutLoad loadColumnLayout(ReportBuilderContext& context, const QString& Table_Name,
                                  const QString& Test_Name, int Model_Code) {
  ColumnLayoutLoad result;
  if (Table_Name.isEmpty() || Test_Name.isEmpty()) return result;
  const platform::SettingsFile file = platform::readSettingsFile(columnLayoutPath(Model_Code));
  result.outcome = ColumnLayoutLoad::Missing;
  if (file.outcome == platform::SettingsFile::Missing) return result;
  result.outcome = ColumnLayoutLoad::Unreadable;
  if (file.outcome != platform::SettingsFile::Read) {
    result.error = file.error;
    return result;
  }
  const QByteArray& bytes = file.bytes;
  const LayoutPlan plan = planLayout(columnLayoutEntriesIn(bytes, Model_Code), Model_Code,
                                     lastLayoutColumn(context.flags, Model_Code));
  result.skipped = plan.skipped;
  result.outcome = ColumnLayoutLoad::NothingToPlace;
  if (plan.entries.empty()) return result;
  const QString sampleType = Test_Name.left(1);
  // The remarks typed beside the readings survive the reset: they start in
  // the cleared "Remarks" column and each placement carries them on.
  const TypedRemarks remarks = typedRemarks(context.report(), context.flags, Model_Code);
  Reset_Report_Columns(context, Table_Name, sampleType, Model_Code);
  carryRemarks(context.report(), context.flags, Model_Code, remarks);
  LayoutLoader(context, Table_Name, sampleType, Model_Code).place(plan.entries);
  context.flags.Used_Columns = countUsedColumns(context.report(), context.flags, Model_Code);
  result.outcome = ColumnLayoutLoad::Loaded;
  result.placed = static_cast<int>(plan.entries.size());
  return result;
}

}  // namespace report
