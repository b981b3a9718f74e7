#pragma once

#include <functional>

namespace platform {
class ReportDesigner;
}

namespace report {

// Hides the columns of the Report designer that are still free, for a
// print-out, and returns what shows exactly those objects again as they were.
// The print handler calls the returned action after the print, whether the
// print succeeded or not. An empty function hides nothing.
using PrintColumnHiding = std::function<std::function<void()>(platform::ReportDesigner& Report)>;

// Runs a restore action when it goes out of scope: on every road out of the
// print, a failure included.
class ShownAgainOnExit {
 public:
  explicit ShownAgainOnExit(std::function<void()> restore) : restore_(std::move(restore)) {}
  ~ShownAgainOnExit() {
    if (restore_) restore_();
  }
  ShownAgainOnExit(const ShownAgainOnExit&) = delete;
  ShownAgainOnExit& operator=(const ShownAgainOnExit&) = delete;

 private:
  std::function<void()> restore_;
};

}  // namespace report
