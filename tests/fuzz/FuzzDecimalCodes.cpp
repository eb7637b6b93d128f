// Any text read as an rgb(), hsl(), hsv() or float code: a 24-bit colour whose own code
// reads back as it, or one of the three conversion errors.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "picker/ColourCode.h"
#include "platform/Errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lindrel;
  using colour_code::Notation;
  if (size == 0) return 0;
  constexpr Notation kDecimal[] = {Notation::CssRgb, Notation::CssHsl, Notation::Hsv, Notation::Float};
  const Notation notation = kDecimal[data[0] % 4];
  try {
    const std::string_view typed(reinterpret_cast<const char*>(data + 1), size - 1);
    const platform::Colour colour = colour_code::parse(notation, typed);
    if (colour > 0xFFFFFF) std::abort();
    if (colour_code::parse(notation, colour_code::format(notation, colour)) != colour) std::abort();
  } catch (const platform::PlatformError& e) {
    using enum platform::ErrorNumber;
    if (e.number() != TypeMismatch && e.number() != SubscriptOutOfRange && e.number() != Overflow) std::abort();
  }
  return 0;
}
