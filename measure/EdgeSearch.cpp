#include "measure/EdgeSearch.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace lindrel::measure {

using platform::Colour;
using platform::Point;
using platform::ScreenImage;

bool matches(Colour a, Colour b, int tolerance) {
  tolerance = std::max(tolerance, 0);
  return std::abs(platform::redOf(a) - platform::redOf(b)) <= tolerance &&
         std::abs(platform::greenOf(a) - platform::greenOf(b)) <= tolerance &&
         std::abs(platform::blueOf(a) - platform::blueOf(b)) <= tolerance;
}

std::optional<Spans> spansAt(const ScreenImage& capture, Point p, int tolerance) {
  if (!capture.contains(p)) return std::nullopt;
  const Colour start = capture.at(p);
  const auto reaches = [&](Point q) { return capture.contains(q) && matches(capture.at(q), start, tolerance); };
  Spans s{p.x, p.x, p.y, p.y};
  while (reaches({s.left - 1, p.y})) --s.left;
  while (reaches({s.right + 1, p.y})) ++s.right;
  while (reaches({p.x, s.top - 1})) --s.top;
  while (reaches({p.x, s.bottom + 1})) ++s.bottom;
  return s;
}

std::optional<Point> snapToEdge(const ScreenImage& capture, Point p, int tolerance, int radius) {
  if (!capture.contains(p) || radius < 0) return std::nullopt;
  const Colour start = capture.at(p);
  const auto differs = [&](Point q) { return capture.contains(q) && !matches(capture.at(q), start, tolerance); };
  if (differs({p.x - 1, p.y}) || differs({p.x + 1, p.y}) || differs({p.x, p.y - 1}) || differs({p.x, p.y + 1})) return p;
  // Row by row from the top, left to right, keeping only a strictly nearer pixel: of pixels
  // equally near, the topmost, then the leftmost, wins.
  std::optional<Point> nearest;
  std::int64_t nearestSquared = std::int64_t{radius} * radius + 1;
  for (int y = p.y - radius; y <= p.y + radius; ++y) {
    for (int x = p.x - radius; x <= p.x + radius; ++x) {
      const std::int64_t dx = x - p.x, dy = y - p.y;
      if (dx * dx + dy * dy < nearestSquared && differs({x, y})) {
        nearestSquared = dx * dx + dy * dy;
        nearest = Point{x, y};
      }
    }
  }
  return nearest;
}

}  // namespace lindrel::measure
