#include "platform/Geometry.h"

#include <cmath>

namespace lindrel::platform {

int roundHalfEven(double value) {
  double whole = std::floor(value);
  const double fraction = value - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  return static_cast<int>(whole);
}

int scaledToDpi(int designPixels, int dpi) {
  return roundHalfEven(static_cast<double>(designPixels) * dpi / kDesignDpi);
}

Rect scaledToDpi(const Rect& design, int dpi) {
  return Rect::at({scaledToDpi(design.left, dpi), scaledToDpi(design.top, dpi)},
                  {scaledToDpi(design.width(), dpi), scaledToDpi(design.height(), dpi)});
}

}  // namespace lindrel::platform
