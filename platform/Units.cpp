#include "platform/Units.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/Errors.h"

namespace lindrel::platform {

double roundHalfEven(double value) {
  if (!std::isfinite(value)) return value;
  double whole = std::floor(value);
  const double fraction = value - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  return whole;
}

std::int32_t pixelsFromTwips(double twips) {
  const double pixels = roundHalfEven(twips / kTwipsPerPixel);
  if (!std::isfinite(pixels) || pixels < std::numeric_limits<std::int32_t>::min() ||
      pixels > std::numeric_limits<std::int32_t>::max()) {
    raise(ErrorNumber::Overflow);
  }
  return static_cast<std::int32_t>(pixels);
}

Rect intersect(const Rect& a, const Rect& b) {
  Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
         std::min(a.bottom, b.bottom)};
  if (r.empty()) return Rect{};
  return r;
}

std::int32_t pixelsAtDpi(double designTwips, int dpi) { return pixelsFromTwips(designTwips * dpi / kDesignDpi); }

Rect DesignRect::at(int dpi) const {
  const std::int32_t x = pixelsAtDpi(left, dpi), y = pixelsAtDpi(top, dpi);
  return Rect{x, y, x + pixelsAtDpi(width, dpi), y + pixelsAtDpi(height, dpi)};
}

}  // namespace lindrel::platform
