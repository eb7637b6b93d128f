#pragma once
// The nearest CSS colour name of any colour, with the name a Chinese designer would use for it,
// found by the CIEDE2000 difference in CIELAB so that "nearest" is what the eye calls nearest.

#include <span>
#include <string>
#include <string_view>

#include "platform/Colour.h"
#include "strings/UiText.h"

namespace lindrel::colour_names {

// CIELAB against the D65 white: L from 0 (black) to 100 (white).
struct Lab {
  double l, a, b;
};

// An 8-bit sRGB colour in CIELAB, through linear light and CIE XYZ.
Lab labOf(platform::Colour colour);

// The CIEDE2000 colour difference, kL = kC = kH = 1. Symmetric; 0 for equal colours.
double ciede2000(const Lab& first, const Lab& second);

struct NamedColour {
  platform::Colour colour;
  std::string_view keyword;  // the CSS keyword, lower case
  strings::UiText name;  // as the user reads it
};

// The 148 CSS named colours, by keyword. Synonyms (gray and grey, aqua and cyan, fuchsia and
// magenta) are all there; the alphabet puts the -gray spelling, aqua and fuchsia first.
std::span<const NamedColour> namedColours();

// The named colour least different from a colour; of synonyms, the first in the table.
const NamedColour& nearestNamedColour(platform::Colour colour);

// "深橙色 (darkorange)"; in English "darkorange".
std::string describe(const NamedColour& named);

}  // namespace lindrel::colour_names
