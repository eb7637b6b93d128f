#include "platform/sim/SimSurface.h"

#include <algorithm>

namespace lindrel::platform::sim {

void SimSurface::holdPixels() {
  if (pixels_.empty()) pixels_.assign(static_cast<std::size_t>(size_.x) * static_cast<std::size_t>(size_.y), fill_);
}

void SimSurface::grow(Point size, Colour fill) {
  const Point grown{std::max(size.x, size_.x), std::max(size.y, size_.y)};
  if (grown == size_) return;
  if (pixels_.empty() && (fill == fill_ || size_.x == 0 || size_.y == 0)) {
    size_ = grown;
    fill_ = fill;
    return;
  }
  holdPixels();
  std::vector<Colour> pixels(static_cast<std::size_t>(grown.x) * static_cast<std::size_t>(grown.y), fill);
  for (std::int32_t y = 0; y < size_.y; ++y) {
    std::copy_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y) * size_.x, size_.x,
                pixels.begin() + static_cast<std::ptrdiff_t>(y) * grown.x);
  }
  pixels_ = std::move(pixels);
  size_ = grown;
}

void SimSurface::clear(Colour color) {
  pixels_.clear();
  fill_ = color;
  texts_.clear();
}

void SimSurface::set(Point p, Colour color) {
  if (!inside(p) || (pixels_.empty() && color == fill_)) return;
  holdPixels();
  pixels_[static_cast<std::size_t>(p.y) * size_.x + p.x] = color;
}

void SimSurface::fill(const Rect& area, Colour color) {
  const Rect r = intersect(area, Rect{0, 0, size_.x, size_.y});
  if (r.empty()) return;
  holdPixels();
  for (std::int32_t y = r.top; y < r.bottom; ++y) {
    std::fill_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y) * size_.x + r.left, r.width(), color);
  }
}

Colour SimSurface::at(Point p) const {
  if (!inside(p)) return kInvalidColour;
  return pixels_.empty() ? fill_ : pixels_[static_cast<std::size_t>(p.y) * size_.x + p.x];
}

}  // namespace lindrel::platform::sim
