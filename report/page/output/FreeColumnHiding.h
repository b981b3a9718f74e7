#pragma once

#include <functional>

namespace platform {
class ReportDesigner;
}

namespace report {

// Hides the columns of the Report designer that are still free, for a
// print-out or an export, and returns what shows exactly those objects again
// as they were. An empty function hides nothing.
using FreeColumnHiding = std::function<std::function<void()>(platform::ReportDesigner& Report)>;

// The report builder's hiding (Hide_Unused_Columns and the showing again).
FreeColumnHiding hidingOfUnusedColumns();

// The free columns of the raw-data report hidden for as long as the object
// lives: a print and an export leave them out alike, and every road out of
// either, a failure included, shows them again.
class FreeColumnsHidden {
 public:
  FreeColumnsHidden(const FreeColumnHiding& hiding, platform::ReportDesigner& report, bool rawData)
      : restore_(rawData && hiding ? hiding(report) : std::function<void()>()) {}
  ~FreeColumnsHidden() {
    if (restore_) restore_();
  }
  FreeColumnsHidden(const FreeColumnsHidden&) = delete;
  FreeColumnsHidden& operator=(const FreeColumnsHidden&) = delete;

 private:
  std::function<void()> restore_;
};

}  // namespace report
