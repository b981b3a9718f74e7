#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {
class ReportDesigner;
}

namespace report {

struct ReportBuilderContext;
struct ReportFlags;

// The column layout file of a model (ProgramFiles::Layout...): the headings
// of the data columns 2 to 19 in column order, one quoted record of 8-bit
// text: a double quote, each entry followed by a bare carriage return, then
// a double quote and CR LF. A placed stiffness block is one entry, its name,
// for its four columns.

// The file of a model, under the program folder; empty for an unknown model.
QString columnLayoutPath(int Model_Code);

// The entries for the report as it stands: each column's header, a placed
// stiffness block once by its name. The load frame keeps its left block only:
// the columns of its mirror block are written as their placeholders.
QStringList columnLayoutEntries(const platform::ReportDesigner& report, const ReportFlags& flags, int Model_Code);

// The whole file text for the entries (quotes inside an entry are dropped).
QByteArray columnLayoutText(const QStringList& entries);

// The entries read back from a file's bytes: lines end as in every settings
// file (platform::settingsFileLines), quotes are dropped, and a stiffness
// sub-column header that a file split over two lines ("Real", "Displ.")
// becomes one entry again.
QStringList columnLayoutEntriesIn(const QByteArray& bytes, int Model_Code);

// Writes the model's file through a temporary file renamed into place; on
// failure the old file stays and error says why.
bool saveColumnLayout(const platform::ReportDesigner& report, const ReportFlags& flags, int Model_Code,
                      QString* error = nullptr);

struct ColumnLayoutLoad {
  enum Outcome {
    NothingSelected,  // no table or test: nothing is read, nothing said
    Missing,          // no file for the model: the report is not touched
    Unreadable,       // the file could not be read: error says why
    NothingToPlace,   // the file names nothing the load can place: the report is not touched
    Loaded,
  };
  Outcome outcome = NothingSelected;
  QString error;
  int placed = 0;       // entries placed, a stiffness block counting once
  QStringList skipped;  // entries that name something the load cannot place, as the file has them
};

// Rebuilds the saved layout on the table: starts from the reset of a cleared
// report (Reset_Report_Columns), then places each entry on its column as the
// column list would, mapping each heading back to its data item. "Remarks"
// and placeholders place nothing; entries that name no data item of the
// model, and a stiffness block that does not start in column 2 to 15 or
// comes again, are skipped and listed. The load frame passes over its mirror
// block silently, whose columns follow the left block's. A file with nothing
// to place leaves the report as it was. The typed remarks stay beside their
// readings, in the "Remarks" column wherever the layout puts it. Used_Columns
// is counted afresh from the loaded columns.
ColumnLayoutLoad loadColumnLayout(ReportBuilderContext& context, const QString& Table_Name,
                                  const QString& Test_Name, int Model_Code);

}  // namespace report
