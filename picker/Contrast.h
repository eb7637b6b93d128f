#pragma once
// The contrast of two colours as WCAG 2.x defines it, and how it is shown and judged.

#include <string>

#include "platform/Colour.h"

namespace lindrel::contrast {

// The relative luminance of an sRGB colour: 0 for black, 1 for white.
double relativeLuminance(platform::Colour colour);

// (lighter + 0.05) / (darker + 0.05) of the two luminances: 1 for equal colours, 21 for
// black and white, in either order.
double ratio(platform::Colour first, platform::Colour second);

// "4.49:1": two decimals, cut rather than rounded, so a ratio that fails a level never shows
// the level's own number.
std::string ratioText(double ratio);

// The level of normal text a ratio reaches: AA from 4.5, AAA from 7, unrounded.
enum class TextLevel { Fails, AA, AAA };
TextLevel textLevelOf(double ratio);

}  // namespace lindrel::contrast
