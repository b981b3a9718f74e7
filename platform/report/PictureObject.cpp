#include "platform/report/PictureObject.h"

#include <algorithm>
#include <cmath>

#include "platform/core/Twips.h"

namespace platform {

namespace {
constexpr double DefaultDotsPerInch = 96.0;
constexpr double InchesPerMetre = 39.37;

double dotsPerInch(int dotsPerMetre) {
  const double dpi = dotsPerMetre / InchesPerMetre;
  return dpi >= 10.0 ? dpi : DefaultDotsPerInch;
}
}  // namespace

QSize PictureObject::naturalSize(const QImage& image, int maxWidth, int maxHeight) {
  if (image.isNull()) return {};
  double width = pixelsToTwips(image.width(), dotsPerInch(image.dotsPerMeterX()));
  double height = pixelsToTwips(image.height(), dotsPerInch(image.dotsPerMeterY()));
  const double scale = std::min({1.0, maxWidth / width, maxHeight / height});
  return {static_cast<int>(std::lround(width * scale)), static_cast<int>(std::lround(height * scale))};
}

}  // namespace platform
