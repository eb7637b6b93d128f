#pragma once
// The hue-based models behind the hsl() and hsv() codes: a colour to the one-decimal parts
// that are written, and typed parts back to a colour.

#include "platform/Colour.h"

namespace lindrel::colour_code {

enum class HueModel { Hsl, Hsv };

// A colour's written parts in tenths: the hue of a degree (0..3598: no hue of 8-bit channels
// comes nearer to 360 than 359.76), the saturation and the lightness (HSL) or value (HSV)
// of a percent (0..1000).
struct HueTenths {
  int hue = 0;
  int saturation = 0;
  int level = 0;
};

// The parts written for a colour, each rounded to the nearest tenth; they read back as the
// same colour.
HueTenths hueTenthsOf(HueModel model, platform::Colour colour);

// A colour from typed parts (finite numbers): the hue wraps into 0..360 degrees, the
// percentages are held to 0..100, and each channel is the nearest of 0..255.
platform::Colour fromHueModel(HueModel model, double hueDegrees, double saturationPercent, double levelPercent);

}  // namespace lindrel::colour_code
