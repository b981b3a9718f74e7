#include "mainwindow/dataview/DataItemLists.h"

#include <QListWidget>

#include "instrument/DeviceType.h"
#include "report/builder/ColumnList.h"

namespace mainwindow {
namespace {

constexpr int LoadFrameColumns = 5;
constexpr int OtherColumns = 17;

void refill(QListWidget& list, const QStringList& items) {
  list.clear();
  list.addItems(items);
  list.setCurrentRow(-1);
  list.clearSelection();
  // A new report offers its items from the first ("None") on; the scroll
  // position the last report's column placing left would hide them.
  list.scrollToTop();
  list.setEnabled(true);
}

}  // namespace

QStringList dataItems(int Model_Code) {
  using namespace instrument;
  switch (Model_Code) {
    case ModelCode::LX9100:
      return {"None", "Time", "CH1", "CH2", "CH3", "CH4"};
    case ModelCode::N2600A:
      return {"None",      "Read Date", "Stat",     "Offset",   "Depth", "Soil/Asph",
              "%Adjusted", "D Cnt",     "M Cnt",    "%Air void", "Wet Dens", "Dry Dens",
              "Wat",       "%Wat",      "%AC",      "Dens",     "%Comp"};
    case ModelCode::N2600BX:
      return {"None",  "Time",      "Stat1 To", "Stat1",     "Offset",   "Stat2",   "Lane",
              "Depth", "Soil/Asph", "D Adj",    "D Cnt",     "M Cnt",    "%Air void", "Wet Dens",
              "Dry Dens", "M Cont", "%M Cont",  "%Comp",     "Void Ratio"};
    case ModelCode::T7310:
      return {"None", "Frequency", "Noise Data", "Signal Data", "Noise Overload Flag",
              "Signal Overload Flag"};
    default:
      return {};
  }
}

QStringList reportColumns(int Model_Code) {
  const int count = Model_Code == instrument::ModelCode::LX9100 ? LoadFrameColumns : OtherColumns;
  return report::columnListEntries(count);
}

void Fill_Data_Lists(QListWidget& List1, QListWidget& List2, int Model_Code) {
  refill(List1, dataItems(Model_Code));
  refill(List2, reportColumns(Model_Code));
}

}  // namespace mainwindow
