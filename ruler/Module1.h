#pragma once
// State the ruler, its menu commands and the orientation switch share.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Units.h"

namespace lindrel {

struct Module1 {
  // True (-1): the ruler lies horizontally, its scale along the top edge; False: vertically.
  platform::VbBool isHor = platform::kFalse;
  // "xs": pixels; "0" to "4": centimetres at the resolution of that menu index.
  std::string unitMode;
};

// The centimetre resolutions; a unitMode of "0" to "4" is an index here.
struct Resolution {
  std::int16_t dpi;
  const char* menuCaption;
  const char* readoutText;
  double twipsPerCentimetre;  // the scale's own, so an edge on a numbered mark reads its number
};
inline constexpr std::array<Resolution, 5> kResolutions{{
    {72, "72 DPI", "单位: 厘米 72 DPI", 425},
    {200, "200 DPI(FAX)", "单位:厘米 200 DPI(FAX)", 1181.25},
    {300, "300 DPI", "单位:厘米 300 DPI", 1770},
    {600, "600 DPI", "单位:厘米 600 DPI", 3540},
    {1200, "1200 DPI", "单位:厘米 1200 DPI", 7080},
}};
inline std::optional<std::int16_t> resolutionIndex(const std::string& unitMode) {
  if (unitMode.size() == 1 && unitMode[0] >= '0' && unitMode[0] < '0' + static_cast<int>(kResolutions.size())) {
    return static_cast<std::int16_t>(unitMode[0] - '0');
  }
  return std::nullopt;
}

}  // namespace lindrel
