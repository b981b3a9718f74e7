#pragma once

#include <QStringList>

class QListWidget;

namespace mainwindow {

// The data items a report column can hold, by model code (none for an
// unknown model).
QStringList dataItems(int Model_Code);

// "Column1" to "Column5" for the load frame, "Column1" to "Column17" for every
// other model: the columns that fit at report font 9.
QStringList reportColumns(int Model_Code);

// Fills List1 with the data items and List2 with the columns of the model,
// enables both, selects nothing and shows each from its first entry.
void Fill_Data_Lists(QListWidget& List1, QListWidget& List2, int Model_Code);

}  // namespace mainwindow
