#include "picker/Contrast.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace lindrel::contrast {
namespace {

// An 8-bit sRGB channel to linear light, by the sRGB transfer function.
double linear(unsigned channel) {
  const double encoded = channel / 255.0;
  return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

}  // namespace

double relativeLuminance(platform::Colour colour) {
  return 0.2126 * linear(colour & 0xFF) + 0.7152 * linear(colour >> 8 & 0xFF) + 0.0722 * linear(colour >> 16 & 0xFF);
}

double ratio(platform::Colour first, platform::Colour second) {
  const double a = relativeLuminance(first), b = relativeLuminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

std::string ratioText(double ratio) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f:1", std::floor(ratio * 100) / 100);
  return text;
}

TextLevel textLevelOf(double ratio) {
  if (ratio >= 7) return TextLevel::AAA;
  return ratio >= 4.5 ? TextLevel::AA : TextLevel::Fails;
}

}  // namespace lindrel::contrast
