#pragma once

#include <optional>
#include <utility>

namespace platform {

// The pages first..last (1-based, inclusive) of a report of pageCount pages
// that a page range selects: all pages, or the asked range cut to the report.
// Nothing when the range selects no page (for example 5 to 2).
inline std::optional<std::pair<int, int>> selectPages(int pageCount, bool allPages, int first, int last) {
  if (pageCount < 1) return std::nullopt;
  if (allPages) return std::make_pair(1, pageCount);
  const int from = first < 1 ? 1 : first;
  const int to = last > pageCount ? pageCount : last;
  if (from > to) return std::nullopt;
  return std::make_pair(from, to);
}

}  // namespace platform
