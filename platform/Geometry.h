#pragma once
// Points and rectangles in whole pixels, and designs laid out at a DPI.

#include <algorithm>

namespace lindrel::platform {

struct Point {
  int x = 0;
  int y = 0;
  friend constexpr Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
  friend constexpr Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
  friend bool operator==(const Point&, const Point&) = default;
};

// Right and bottom are exclusive, as Windows reports rectangles.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  static constexpr Rect at(Point topLeft, Point size) {
    return {topLeft.x, topLeft.y, topLeft.x + size.x, topLeft.y + size.y};
  }
  constexpr int width() const { return right - left; }
  constexpr int height() const { return bottom - top; }
  constexpr Point topLeft() const { return {left, top}; }
  constexpr Point size() const { return {width(), height()}; }
  constexpr bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  constexpr bool empty() const { return right <= left || bottom <= top; }
  constexpr Rect movedBy(Point d) const { return {left + d.x, top + d.y, right + d.x, bottom + d.y}; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// The area both share; an empty rectangle when they share none.
constexpr Rect intersect(const Rect& a, const Rect& b) {
  const Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
               std::min(a.bottom, b.bottom)};
  return r.empty() ? Rect{} : r;
}

// The smallest rectangle that holds both (an empty one holds nothing).
constexpr Rect united(const Rect& a, const Rect& b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

// Every pixel a line between two points may touch, both ends in, widened by `width` each way.
constexpr Rect lineBounds(Point from, Point to, int width = 0) {
  return {std::min(from.x, to.x) - width, std::min(from.y, to.y) - width, std::max(from.x, to.x) + width + 1,
          std::max(from.y, to.y) + width + 1};
}

// A point held inside an area (its last pixel at most).
constexpr Point clampedInto(Point p, const Rect& area) {
  return {std::clamp(p.x, area.left, area.right - 1), std::clamp(p.y, area.top, area.bottom - 1)};
}

// Nearest whole number, ties to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2): the
// rounding every design and measure of the program has always been laid out with.
int roundHalfEven(double value);

// Designs are drawn up in pixels at this DPI (100 %) and laid out at the DPI of the
// monitor a window is on, as MulDiv(length, dpi, 96) does, with ties to the even pixel.
inline constexpr int kDesignDpi = 96;
int scaledToDpi(int designPixels, int dpi);
// The corner and the size scale apart, so a design's controls keep their sizes exactly.
Rect scaledToDpi(const Rect& design, int dpi);

}  // namespace lindrel::platform
