#include "picker/HueModels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace lindrel::colour_code {
namespace {

using platform::Colour;

struct ExactParts {
  double hue;         // degrees
  double saturation;  // percent
  double level;       // percent
};

ExactParts exactPartsOf(HueModel model, Colour colour) {
  const int r = static_cast<int>(colour & 0xFF), g = static_cast<int>(colour >> 8 & 0xFF),
            b = static_cast<int>(colour >> 16 & 0xFF);
  const int max = std::max({r, g, b}), min = std::min({r, g, b}), chroma = max - min;
  double hue = 0;
  if (chroma > 0) {
    const double sixth = max == r   ? std::fmod(static_cast<double>(g - b) / chroma + 6, 6.0)
                         : max == g ? static_cast<double>(b - r) / chroma + 2
                                    : static_cast<double>(r - g) / chroma + 4;
    hue = 60 * sixth;
  }
  if (model == HueModel::Hsl) {
    // The saturation is the chroma against the largest chroma this lightness allows.
    const int room = 255 - std::abs(max + min - 255);
    return {hue, room == 0 ? 0.0 : 100.0 * chroma / room, 100.0 * (max + min) / 510};
  }
  return {hue, max == 0 ? 0.0 : 100.0 * chroma / max, 100.0 * max / 255};
}

int channelOf(double fraction) { return static_cast<int>(std::clamp(std::round(fraction * 255), 0.0, 255.0)); }

}  // namespace

HueTenths hueTenthsOf(HueModel model, Colour colour) {
  // Each part rounded to its nearest tenth reads back as the same colour for every one of
  // the 2^24 colours (the unit tests go through them all), so no part needs a second try.
  const ExactParts exact = exactPartsOf(model, colour);
  return {static_cast<int>(std::lround(exact.hue * 10)), static_cast<int>(std::lround(exact.saturation * 10)),
          static_cast<int>(std::lround(exact.level * 10))};
}

Colour fromHueModel(HueModel model, double hueDegrees, double saturationPercent, double levelPercent) {
  double hue = std::fmod(hueDegrees, 360.0);
  if (hue < 0) hue += 360;
  if (hue >= 360) hue = 0;  // a tiny negative hue wraps to 360 itself
  const double saturation = std::clamp(saturationPercent, 0.0, 100.0) / 100;
  const double level = std::clamp(levelPercent, 0.0, 100.0) / 100;
  const double chroma = model == HueModel::Hsl ? (1 - std::abs(2 * level - 1)) * saturation : level * saturation;
  const double lowest = model == HueModel::Hsl ? level - chroma / 2 : level - chroma;
  const double sixth = hue / 60;
  const double middle = chroma * (1 - std::abs(std::fmod(sixth, 2.0) - 1));
  std::array<double, 3> rgb{};  // above the lowest channel
  switch (static_cast<int>(sixth)) {
    case 0: rgb = {chroma, middle, 0}; break;
    case 1: rgb = {middle, chroma, 0}; break;
    case 2: rgb = {0, chroma, middle}; break;
    case 3: rgb = {0, middle, chroma}; break;
    case 4: rgb = {middle, 0, chroma}; break;
    default: rgb = {chroma, 0, middle}; break;
  }
  return platform::rgb(channelOf(rgb[0] + lowest), channelOf(rgb[1] + lowest), channelOf(rgb[2] + lowest));
}

}  // namespace lindrel::colour_code
