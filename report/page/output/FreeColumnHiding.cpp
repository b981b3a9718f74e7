#include "report/page/output/FreeColumnHiding.h"

#include <memory>

#include "report/builder/HideUnusedColumns.h"

namespace report {

FreeColumnHiding hidingOfUnusedColumns() {
  return [](platform::ReportDesigner& report) {
    auto hidden = std::make_shared<HiddenColumns>(Hide_Unused_Columns(report));
    return std::function<void()>([&report, hidden] { Show_Hidden_Columns(report, *hidden); });
  };
}

}  // namespace report
