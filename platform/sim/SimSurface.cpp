#include "platform/sim/SimSurface.h"

#include <algorithm>

namespace lindrel::platform::sim {

void SimSurface::grow(Point size, Colour fill) {
  const Point grown{std::max(size.x, size_.x), std::max(size.y, size_.y)};
  if (grown == size_) return;
  std::vector<Colour> pixels(static_cast<std::size_t>(grown.x) * static_cast<std::size_t>(grown.y), fill);
  for (std::int32_t y = 0; y < size_.y; ++y) {
    std::copy_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y) * size_.x, size_.x,
                pixels.begin() + static_cast<std::ptrdiff_t>(y) * grown.x);
  }
  pixels_ = std::move(pixels);
  size_ = grown;
}

void SimSurface::clear(Colour color) {
  std::fill(pixels_.begin(), pixels_.end(), color);
  texts_.clear();
}

void SimSurface::set(Point p, Colour color) {
  if (inside(p)) pixels_[static_cast<std::size_t>(p.y) * size_.x + p.x] = color;
}

Colour SimSurface::at(Point p) const {
  return inside(p) ? pixels_[static_cast<std::size_t>(p.y) * size_.x + p.x] : kInvalidColour;
}

}  // namespace lindrel::platform::sim
