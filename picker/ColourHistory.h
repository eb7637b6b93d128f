#pragma once
// The colours taken last, newest first, for the swatches under the picker.

#include <cstddef>
#include <optional>
#include <vector>

#include "platform/Colour.h"

namespace lindrel {

class ColourHistory {
 public:
  static constexpr std::size_t kCapacity = 12;

  // A colour taken goes first; one already held moves there rather than showing twice, and
  // past the capacity the oldest goes.
  void take(platform::Colour colour);

  // The colour of a swatch (0 is the newest), none past the last. A click on a swatch
  // restores its colour without taking it, so the order stays.
  std::optional<platform::Colour> colourAt(std::size_t slot) const;

  // The newest colour that differs from the given one, to measure the contrast against.
  std::optional<platform::Colour> newestOtherThan(platform::Colour colour) const;

  const std::vector<platform::Colour>& colours() const { return colours_; }

 private:
  std::vector<platform::Colour> colours_;
};

}  // namespace lindrel
