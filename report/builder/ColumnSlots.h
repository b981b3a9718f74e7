#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace platform {
class ReportDesigner;
}

namespace report {

struct ReportFlags;

// Model codes as the program numbers them.
namespace ModelCode {
inline constexpr int LX9100 = 0;
inline constexpr int N2600A = 1;
inline constexpr int N2600BX = 2;
inline constexpr int T7310 = 3;
}  // namespace ModelCode

// The nineteen column slots of the report body: 1 is the read-number column,
// 2 to 19 the data columns "Col 1" to "Col 18". Lines stand right of 2 to 18.
inline constexpr int ReadNumberColumn = 1;
inline constexpr int FirstDataColumn = 2;
inline constexpr int LastColumn = 19;
inline constexpr int LastLineColumn = 18;

inline const QString ReadNumberHeader = QStringLiteral("RD#");
inline const QString RemarksHeader = QStringLiteral("Remarks");
inline const QString EmptyColumnText = QStringLiteral(" ");

// "RD#" for column 1, "Col <k-1>" for the data columns.
QString columnPlaceholder(int k);
// The exact free-column test: the header is its own slot's placeholder.
bool isOwnPlaceholder(const QString& header, int k);
// The prefix test: the header begins with "col" in any case.
bool looksLikePlaceholder(const QString& header);

// The layout that depends on the report font size (9 to 12).
struct FontGeometry {
  int rowsPerBlock;   // readings per block before the load-frame split
  int mirrorOffset;   // column k of the left block continues in k + offset
  int leftBlockEnd;   // last column of the left block
};
std::optional<FontGeometry> fontGeometry(int fontSize);
// Rows per block, 50 outside 9 to 12 (the size every selection starts with).
int rowsPerBlock(int fontSize);
// Whether a load-frame test of recordCount readings needs the mirror block at
// a size: only when it has more readings than one block holds.
bool needsTwoBlocks(int recordCount, int fontSize);

// Leading and trailing blanks removed, carriage returns kept; a column without
// values holds a single blank.
QString columnText(const QString& joined);

// Where a load-frame reading stands: which block's column and which line of
// that column's text (0-based). Readings go in runs of `rows`: the left
// column takes 1 to rows, the mirror rows + 1 to 2 rows, the left again
// 2 rows + 1 to 3 rows, and so on, so each page reads in order. Without two
// blocks every reading stands in the left column, on its own line.
enum class Block { Left, Mirror };
struct BlockLine {
  Block block;
  int line;
};
BlockLine twoBlockPlace(int reading, int rows, bool twoBlocks);

// Values in table order, each followed by a carriage return, split between a
// column and its mirror as twoBlockPlace puts them. With the split off every
// value goes left.
class TwoBlockSplit {
 public:
  TwoBlockSplit(bool inForce, int rows) : inForce_(inForce), rows_(rows) {}
  void append(const QString& value);
  QString left;
  QString mirror;

 private:
  bool inForce_;
  int rows_;
  int count_ = 0;
};

// Column object access by slot; missing objects are skipped.
QString headerText(const platform::ReportDesigner& report, int k);
// The data text; a missing object reads as a free column's single blank.
QString dataText(const platform::ReportDesigner& report, int k);
void setHeader(platform::ReportDesigner& report, int k, const QString& text);
void setData(platform::ReportDesigner& report, int k, const QString& text);
// The header back to its placeholder and the data to a single blank.
void freeColumn(platform::ReportDesigner& report, int k);

// Every data column (2 to 19) free and empty; column 1, the lines and the
// column state are left to the callers.
void Clear_Columns(platform::ReportDesigner& report);
// The header of one data column, and for the load frame its mirror (columns 2
// to 7), back to the placeholder; data texts are not touched.
void Reset_Column(platform::ReportDesigner& report, const ReportFlags& flags, int Col, bool ResetHeader, int Model);
// The slot after the highest used column (exact test); the load frame looks at
// its left block only. May answer 20, one past the last slot.
int Next_Free_Column(const platform::ReportDesigner& report, const ReportFlags& flags, int Model);

// Used_Columns as the report stands: 1 for the read-number column plus every
// data column that holds an item (neither free nor "Remarks"); a stiffness
// block counts its four columns, and the load frame counts its left block
// only, since the mirror block repeats it.
int countUsedColumns(const platform::ReportDesigner& report, const ReportFlags& flags, int Model_Code);

}  // namespace report
