#pragma once
// Colours as Windows holds them (COLORREF): red + 256 * green + 65536 * blue.

#include <cstdint>

namespace lindrel::platform {

using Colour = std::uint32_t;

constexpr Colour rgb(int red, int green, int blue) {
  return static_cast<Colour>(red & 0xFF) | (static_cast<Colour>(green & 0xFF) << 8) |
         (static_cast<Colour>(blue & 0xFF) << 16);
}
constexpr int redOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(Colour c) { return static_cast<int>(c >> 8 & 0xFF); }
constexpr int blueOf(Colour c) { return static_cast<int>(c >> 16 & 0xFF); }

inline constexpr Colour kBlack = rgb(0, 0, 0);
inline constexpr Colour kWhite = rgb(255, 255, 255);
// The face of dialogs and controls.
inline constexpr Colour kButtonFace = rgb(0xF0, 0xF0, 0xF0);

}  // namespace lindrel::platform
