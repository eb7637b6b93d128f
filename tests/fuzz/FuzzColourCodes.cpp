// Any text typed as a code with any notation selected: a colour, whose code in every
// notation reads back as it, or a reason it cannot be read; never a crash.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "picker/ColourCode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lindrel::colour_code;
  if (size == 0) return 0;
  const Notation selected = kNotations[data[0] % kNotations.size()];
  const std::string_view typed(reinterpret_cast<const char*>(data + 1), size - 1);
  const ParsedColour read = parseTyped(selected, typed);
  if (!read) return 0;
  if (*read > 0xFFFFFF) std::abort();
  for (const Notation n : kNotations) {
    if (!parse(n, format(n, *read)).ok() || *parse(n, format(n, *read)) != *read) std::abort();
  }
  return 0;
}
