#include "report/builder/StiffyAverageCells.h"

#include "platform/report/ObjectRef.h"
#include "platform/report/ReportTypes.h"

namespace report {

namespace {

constexpr int FirstCell = 1;
constexpr int LastCell = 6;

}  // namespace

void Set_Cell_Lines(const platform::ObjectRef& obj, int idx, bool hide) {
  using platform::LineStyle::None;
  using platform::LineStyle::Single;
  obj.setSuppress(hide);
  if (!hide) {
    obj.setRightLineStyle(Single);
    obj.setBottomLineStyle(Single);
    if (idx == FirstCell) obj.setLeftLineStyle(Single);
    return;
  }
  obj.setLeftLineStyle(None);
  obj.setBottomLineStyle(None);
  if (idx == LastCell) obj.setRightLineStyle(None);
}

}  // namespace report
