#pragma once

#include <cmath>

namespace platform {

// Positions and sizes of windows and report objects are kept in twips
// (1440 to the inch); this is the one place that converts them.
inline constexpr int TwipsPerInch = 1440;
inline constexpr int TwipsPerPoint = 20;

inline int twipsToPixels(double twips, double dotsPerInch) {
  return static_cast<int>(std::lround(twips * dotsPerInch / TwipsPerInch));
}

inline double pixelsToTwips(double pixels, double dotsPerInch) {
  return pixels * TwipsPerInch / dotsPerInch;
}

}  // namespace platform
