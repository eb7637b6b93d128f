#pragma once
// The pixels of a copy of an area of the screen, as the platform holds them.

#include <cstddef>
#include <cstdint>

#include "platform/Colour.h"
#include "platform/Geometry.h"

namespace lindrel::platform {

// A view: whoever made the copy keeps its pixels.
struct ScreenImage {
  Rect area;  // screen pixels
  // Row by row from the top-left, `stride` pixels apart, 0x00RRGGBB each (a 32-bit bitmap's
  // order).
  const std::uint32_t* pixels = nullptr;
  int stride = 0;

  bool contains(Point screen) const { return area.contains(screen); }
  // Only for a point the image contains.
  Colour at(Point screen) const {
    const std::uint32_t p = pixels[static_cast<std::size_t>(screen.y - area.top) * static_cast<std::size_t>(stride) +
                                   static_cast<std::size_t>(screen.x - area.left)];
    return rgb(static_cast<int>(p >> 16 & 0xFF), static_cast<int>(p >> 8 & 0xFF), static_cast<int>(p & 0xFF));
  }
};

// A pixel of a colour as an image holds it.
constexpr std::uint32_t imagePixel(Colour c) {
  return static_cast<std::uint32_t>(redOf(c)) << 16 | static_cast<std::uint32_t>(greenOf(c)) << 8 |
         static_cast<std::uint32_t>(blueOf(c));
}

}  // namespace lindrel::platform
