#pragma once

#include <utility>

namespace platform {

// Runs one step of a procedure whose failures are ignored step by step: a
// step that throws is skipped and the caller goes on with the next one.
// Returns whether the step completed.
template <typename Step>
bool ignoringErrors(Step&& step) noexcept {
  try {
    std::forward<Step>(step)();
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace platform
