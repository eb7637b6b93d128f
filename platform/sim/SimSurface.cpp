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
  for (int y = 0; y < size_.y; ++y) {
    std::copy_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y) * size_.x, size_.x,
                pixels.begin() + static_cast<std::ptrdiff_t>(y) * grown.x);
  }
  pixels_ = std::move(pixels);
  size_ = grown;
}

void SimSurface::clear(Colour colour) {
  pixels_.clear();
  fill_ = colour;
}

void SimSurface::set(Point p, Colour colour) {
  if (!inside(p) || (pixels_.empty() && colour == fill_)) return;
  holdPixels();
  pixels_[static_cast<std::size_t>(p.y) * size_.x + p.x] = colour;
}

void SimSurface::fill(const Rect& area, Colour colour) {
  const Rect r = intersect(area, Rect{0, 0, size_.x, size_.y});
  if (r.empty()) return;
  holdPixels();
  for (int y = r.top; y < r.bottom; ++y) {
    std::fill_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y) * size_.x + r.left, r.width(), colour);
  }
}

std::optional<Colour> SimSurface::at(Point p) const {
  if (!inside(p)) return std::nullopt;
  return pixels_.empty() ? fill_ : pixels_[static_cast<std::size_t>(p.y) * size_.x + p.x];
}

}  // namespace lindrel::platform::sim
