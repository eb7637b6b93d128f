#pragma once
// Lengths, points and rectangles shared by every implementation of the platform.
// Window geometry is written in twips and held in whole pixels: 15 twips a pixel, fixed.

#include <cstdint>

namespace lindrel::platform {

inline constexpr int kTwipsPerPixel = 15;

// Nearest whole number, ties to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double roundHalfEven(double value);

// A length or coordinate in twips as whole pixels: nearest pixel, ties to even, so
// 1000 twips is 67 pixels and reads back as 1005. Raises Overflow outside 32 bits.
std::int32_t pixelsFromTwips(double twips);

constexpr double twipsFromPixels(std::int32_t pixels) { return pixels * double{kTwipsPerPixel}; }

// Designs (window and control sizes, font sizes) are drawn up at this DPI and laid out at
// the DPI of the monitor a window is on; the scales and every measurement stay physical.
inline constexpr int kDesignDpi = 96;

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// Right and bottom are exclusive, as GetWindowRect reports them.
struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  constexpr std::int32_t width() const { return right - left; }
  constexpr std::int32_t height() const { return bottom - top; }
  constexpr bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  constexpr bool empty() const { return right <= left || bottom <= top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

Rect intersect(const Rect& a, const Rect& b);

// A rectangle of a design: twips at the design DPI.
struct DesignRect {
  double left = 0, top = 0, width = 0, height = 0;
  // In whole pixels at a DPI (at the design DPI: the twips as pixels).
  Rect at(int dpi) const;
};

// A design length in whole pixels at a DPI, rounded as any length is.
std::int32_t pixelsAtDpi(double designTwips, int dpi);

// A colour reference: red + 256 * green + 65536 * blue (0x00BBGGRR).
using Colour = std::uint32_t;
inline constexpr Colour kInvalidColour = 0xFFFFFFFFu;

constexpr Colour rgb(int red, int green, int blue) {
  return static_cast<Colour>(red & 0xFF) | (static_cast<Colour>(green & 0xFF) << 8) |
         (static_cast<Colour>(blue & 0xFF) << 16);
}

inline constexpr Colour kBlack = rgb(0, 0, 0);
inline constexpr Colour kWhite = rgb(255, 255, 255);

// The pointer a window shows over its client area.
enum class PointerShape {
  Default,
  SizeNS,    // vertical double arrow
  SizeNWSE,  // diagonal double arrow, north-west to south-east
  SizeWE,    // horizontal double arrow
  Pen,       // the picker's pen
};

}  // namespace lindrel::platform
