// Any text through hexValue and hexDigitValue: finite, the plain value for plain hexadecimal
// digits, a digit of 0..15 for a single character, and Overflow as the only error.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "picker/ColourCode.h"
#include "platform/Errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lindrel;
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    const double value = colour_code::hexValue(text);
    if (!std::isfinite(value)) std::abort();
    const bool plainHex = !text.empty() && text.size() <= 12 &&
                          text.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
    if (plainHex && value != static_cast<double>(std::strtoull(text.c_str(), nullptr, 16))) std::abort();
  } catch (const platform::PlatformError& e) {
    if (e.number() != platform::ErrorNumber::Overflow) std::abort();
  }
  try {
    const std::int16_t digit = colour_code::hexDigitValue(text);
    if (text.size() == 1 && (digit < 0 || digit > 15)) std::abort();
  } catch (const platform::PlatformError& e) {
    if (e.number() != platform::ErrorNumber::Overflow) std::abort();
  }
  return 0;
}
