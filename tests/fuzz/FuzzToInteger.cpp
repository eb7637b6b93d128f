// Any text through the text-to-integer conversion: a 16-bit number or one of the two errors,
// never anything else, and a number that reads back as itself.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/Errors.h"
#include "platform/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lindrel::platform;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const std::int16_t value = text::toInteger16(text);
    if (text::toInteger16(std::to_string(value)) != value) std::abort();
    // What converts is a number: its leading number rounds to the same value.
    if (text::toInteger16(text::leadingNumber(text)) != value) std::abort();
  } catch (const PlatformError& e) {
    if (e.number() != ErrorNumber::TypeMismatch && e.number() != ErrorNumber::Overflow) std::abort();
  }
  return 0;
}
