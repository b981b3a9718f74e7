#pragma once

#include <QString>

#include <optional>

namespace platform::db {
class Recordset;
}

namespace report {

// The current record's field as plain text: whole numbers without decimals,
// single values in the shortest form that gives them back (98.7), texts as
// stored. Null, an unknown field or no current record give "".
QString fieldText(const platform::db::Recordset& records, const QString& field);

// The value of a data item of the current record as text, by the item's
// header name and the model ("WD" reads WETD of an N2600A table, WD of an
// N2600BX table). Channels are written with two decimals. An item the model
// does not have, a Null value or a missing field give "": a record keeps its
// line in every column.
QString Get_Field_Value(const platform::db::Recordset& Records, const QString& Item_Name, int Model);

// The column header of a data item as the list names it ("Wet Dens" -> "WD");
// names without an abbreviation stay as they are.
QString headerAbbreviation(const QString& item);

// The two-line header of a stiffness sub-column ("R_D_ND" -> "Real\rDispl."),
// or nothing for other items.
std::optional<QString> stiffySubColumnHeader(const QString& item);

// The data item a column header stands for, as a saved layout names the
// column: the stiffness report's abbreviations back to their items ("Freq."
// -> "Frequency"), a sub-column header of a stiffness block standing alone to
// the noise block's item of that header ("Real\rDispl." -> "R_D_ND"); the
// other models read their columns by the header itself. Nothing for a header
// that no data item of the model has.
std::optional<QString> itemOfHeader(const QString& header, int Model);

}  // namespace report
