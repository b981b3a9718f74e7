#pragma once

#include <QString>
#include <QVariant>

class QTableView;
class QWidget;

namespace platform::db {
class Database;
struct FieldDef;
}

namespace instrument {
struct ProgramState;
}

namespace mainwindow {

class ViewConnection;

// Recomputes the percent compaction of every reading of a sample type of the
// density-gauge project table "P" + t: PERC_COMP = density × 100 ÷ MAXD at
// single precision, the density being DD for soil ("S") and WD otherwise,
// and MAXD that of the table's first record in key order (the header
// record). s is reduced to its first letter, upper-cased. Fails, leaving the
// reason in error, on a Null or zero MAXD, on a table without the density or
// percent fields that holds such a reading, or on a database failure; the
// caller's transaction then undoes what was written.
bool Calc_Percent_Comp(platform::db::Database& db, const QString& t, QString& s, QString* error = nullptr);

// The header grid's one editable cell: a new maximum density is stored and
// the percent compaction of the selected sample type recomputed, as one
// transaction. A value equal to the stored one changes nothing. A maximum
// density that is not a number above 0 is refused with MaxdNotAboveZero; on
// any other failure "Error Updating Database." is shown. Either way nothing
// changes. A committed edit marks the data edited (ProgramState::Data_Edited),
// so that the report of the table follows it.
class HeaderRowEdit {
 public:
  HeaderRowEdit(ViewConnection& view, instrument::ProgramState& state, QTableView& DataGrid1, QWidget* owner);

  // The edit of a header cell (row and column of the header record set).
  bool DataGrid2_AfterColUpdate(int row, int column, const QVariant& value);

  inline static const QString UpdateFailed = QStringLiteral("Error Updating Database.");
  inline static const QString MaxdNotAboveZero = QStringLiteral("MAXD must be a number above 0.");

 private:
  bool storeAndRecompute(int row, const platform::db::FieldDef& field, const QVariant& stored);
  bool refuse(const QString& message);
  void refreshGrids();

  ViewConnection& view_;
  instrument::ProgramState& state_;
  QTableView& DataGrid1_;
  QWidget* owner_;
};

}  // namespace mainwindow
