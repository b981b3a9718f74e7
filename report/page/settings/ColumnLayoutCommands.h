#pragma once

#include "report/page/settings/LayoutCommands.h"
#include "report/page/ReportPageContext.h"

class QWidget;

namespace report {

class ColumnChooser;

inline constexpr const char* NoLayoutToLoad = "No Layout to Load.";
inline constexpr const char* LayoutNotLoaded = "The layout could not be loaded:";
inline constexpr const char* NothingToPlace = "The layout places no columns. The report is unchanged.";
inline constexpr const char* EntriesNotPlaced = "These columns of the layout could not be placed:";

// Loads the column layout of the current model into the report page: with a
// table and test selected, the saved columns placed afresh on a cleared
// report, both lists back on their first entry and the viewers redrawn; "No
// Layout to Load." when the model has no file and a notice when the file
// places nothing (the report stays as it was in both), why not when the file
// cannot be read, and one notice naming the entries a load had to skip.
void Load_Column_Layout(const ReportPageContext& context, ColumnChooser& chooser, QWidget* owner);

// The column layout file as the Save and Load Layout buttons use it.
ColumnLayoutFile columnLayoutFileOf(const ReportPageContext& context, ColumnChooser& chooser, QWidget* owner);

}  // namespace report
