#pragma once

#include <QString>

#include <optional>

namespace report {

struct ReportBuilderContext;

// The data-item list as the page shows it when a column is placed.
struct ListSelection {
  int ListIndex = -1;  // -1: nothing selected
  int ListCount = 0;
};

// How the page moves the list's selection afterwards, with Placing_Column set
// so that the click it raises is ignored: scroll scrollTo into view, then
// select select.
struct ListMove {
  int select = 0;
  int scrollTo = 0;
};

struct PlaceColumnResult {
  int Col = 0;               // the block's first column when "None" cleared a stiffness block
  QString ColumnObject;      // the name the values were read by
  std::optional<ListMove> listMove;  // none while clearing or with an empty list
};

// The item name placed on a column: "None" frees it.
inline const QString NoneItem = QStringLiteral("None");

// Fills data column Col with a data item of the table: frees the column (and
// a load-frame column's mirror), writes the item's header and every record's
// value, one line per record, split over the mirror for a long load-frame
// test; then keeps "Remarks" behind the last used column (never left of
// column 2) and the separator lines in step. Any item but a stiffness
// block's own sub-column items placed on a column of a placed noise or signal
// block first takes the whole block off (columns, flag and title), and
// "Remarks" then goes directly after the last used column; "None" on a block
// frees it from its first column, which the result gives. Does nothing while
// the report is being cleared.
PlaceColumnResult Place_Column(ReportBuilderContext& context, int Col, const QString& ColumnObject,
                               const QString& Table, const QString& SA, int Model, ListSelection list);

// The values of every placed column read again from the table as stored,
// by the item its header (or its stiffness block) names, the load-frame
// mirror block included, and the widths fitted to them. Headers, "Remarks"
// with its typed lines, the separator lines and the column state stay.
void Refill_Placed_Columns(ReportBuilderContext& context, const QString& Table, const QString& SA, int Model);

// Where the list's selection goes after a placement: it stays (scrolling the
// next two items into view), moves on by one before the last item, and
// wraps to the first after it. None for an empty list.
std::optional<ListMove> nextListSelection(ListSelection list);

}  // namespace report
