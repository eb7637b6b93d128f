#include "picker/ColourHistory.h"

#include <algorithm>

namespace lindrel {

void ColourHistory::take(platform::Colour colour) {
  const auto held = std::find(colours_.begin(), colours_.end(), colour);
  if (held != colours_.end()) {
    std::rotate(colours_.begin(), held, held + 1);
    return;
  }
  colours_.insert(colours_.begin(), colour);
  if (colours_.size() > kCapacity) colours_.pop_back();
}

std::optional<platform::Colour> ColourHistory::colourAt(std::size_t slot) const {
  if (slot >= colours_.size()) return std::nullopt;
  return colours_[slot];
}

std::optional<platform::Colour> ColourHistory::newestOtherThan(platform::Colour colour) const {
  const auto other =
      std::find_if(colours_.begin(), colours_.end(), [colour](platform::Colour c) { return c != colour; });
  if (other == colours_.end()) return std::nullopt;
  return *other;
}

}  // namespace lindrel
