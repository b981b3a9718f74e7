#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace platform::db {
class Database;
}

namespace report {

struct ReportDesigners;
struct ReportFlags;

// What a re-flow works on, all owned elsewhere. db may be null when no
// working database is open; the load-frame rebuild then leaves the data.
struct ReflowContext {
  ReportDesigners& designers;
  ReportFlags& flags;
  platform::db::Database* db = nullptr;
};

// What the page shows after a re-flow.
struct ReflowResult {
  bool reflowed = false;              // the report was laid out again
  bool stiffyChanged = false;         // the stiffness report must be redrawn too
  QStringList columnList;             // "Column1" ... for the column list; empty when unchanged
  std::array<QString, 4> fontCaptions;  // the font menu with the shown size marked " (Current)"
  QStringList droppedColumns;         // headers of the placed items the new size had no room for
  QStringList hiddenColumns;          // headers of the placed items kept but not shown at the new size
};

// Lays both report designers out for a font size of 9 to 12: section fonts,
// the column chain, the columns that fit, for the load frame the mirror
// block and both blocks' readings, the remarks column, the separator lines,
// and for the stiffness gauge (dataType 3) the stiffness report and the
// block titles. The old size is the one the designer is laid out for; a
// size equal to it, or outside 9 to 12, changes nothing. Report_Font_Size
// holds the new size afterwards; Font_Changing is set while it runs.
ReflowResult Resize_Report_Font(const ReflowContext& context, int size, int dataType, const QString& tableName);

}  // namespace report
