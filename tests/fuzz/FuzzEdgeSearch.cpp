// Any small capture, point and tolerance: a span holds only pixels matching the start, ends
// where the next differs or the capture ends, and never leaves it; an end on an edge stays,
// any other snaps to the nearest differing pixel within the radius.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "measure/EdgeSearch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lindrel;
  using platform::Point;
  if (size < 8) return 0;
  // White, near white, yellow, black, greys near each other, black but for blue, green.
  constexpr std::uint32_t kPalette[] = {0xFFFFFF, 0xFAFAFA, 0xFFFF00, 0, 0x808080, 0x8A7880, 0x000003, 0x40C810};
  const int width = 1 + data[0] % 64, height = 1 + data[1] % 64;
  const Point origin{(data[2] - 128) * 37, (data[3] - 128) * 23};
  std::vector<std::uint32_t> pixels;
  for (std::size_t i = 0; i < static_cast<std::size_t>(width * height); ++i) {
    pixels.push_back(kPalette[8 + i < size ? data[8 + i] % 8 : 0]);
  }
  const platform::ScreenImage capture{platform::Rect::at(origin, {width, height}), pixels.data(), width};
  const Point p{origin.x + data[4] % (width + 4) - 2, origin.y + data[5] % (height + 4) - 2};  // at times off it
  const int tolerance = data[6] < 192 ? data[6] % 48 : data[6], radius = data[7] % 12;
  const auto spans = measure::spansAt(capture, p, tolerance);
  const auto snapped = measure::snapToEdge(capture, p, tolerance, radius);
  if (!capture.contains(p)) {
    if (spans || snapped) std::abort();
    return 0;
  }
  const auto differs = [&](Point q) { return !capture.contains(q) || !measure::matches(capture.at(q), capture.at(p), tolerance); };
  const auto differsOn = [&](Point q) { return capture.contains(q) && differs(q); };
  if (!spans) std::abort();
  const measure::Spans s = *spans;
  for (int x = s.left; x <= s.right; ++x) if (differs({x, p.y})) std::abort();
  for (int y = s.top; y <= s.bottom; ++y) if (differs({p.x, y})) std::abort();
  for (const Point q : {Point{s.left - 1, p.y}, Point{s.right + 1, p.y}, Point{p.x, s.top - 1}, Point{p.x, s.bottom + 1}}) {
    if (!differs(q)) std::abort();
  }
  const bool onEdge = differsOn({p.x - 1, p.y}) || differsOn({p.x + 1, p.y}) || differsOn({p.x, p.y - 1}) ||
                      differsOn({p.x, p.y + 1});
  const auto squared = [&](Point q) { return (q.x - p.x) * (q.x - p.x) + (q.y - p.y) * (q.y - p.y); };
  int nearest = -1;  // the squared distance of the nearest differing pixel within the radius
  for (int y = origin.y; y < origin.y + height; ++y) {
    for (int x = origin.x; x < origin.x + width; ++x) {
      const int d = squared({x, y});
      if (differs({x, y}) && d <= radius * radius && (nearest < 0 || d < nearest)) nearest = d;
    }
  }
  if (onEdge ? snapped != p : (snapped ? !differsOn(*snapped) || squared(*snapped) != nearest : nearest >= 0)) std::abort();
  return 0;
}
