// Any bytes through the character-wise slicing, splitting and UTF-16 round trip: never past
// the end, pieces that add up to the whole, and valid UTF-8 that survives UTF-16.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lindrel::platform;
  // Slicing one character at a time is quadratic in the length: short texts find the same faults.
  if (size > 256) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::size_t n = text::charCount(text);
  if (n > size) std::abort();
  std::string whole;
  for (std::size_t i = 1; i <= n; ++i) whole += text::mid(text, i, 1);
  if (whole != text) std::abort();
  if (text::right(text, n) != text || !text::mid(text, n + 1, 3).empty()) std::abort();
  if (n > 0 && text::mid(text, 1, n - 1) + text::right(text, 1) != text) std::abort();

  std::string joined;
  const auto parts = text::split(text, ",");
  for (std::size_t i = 0; i < parts.size(); ++i) joined += (i ? "," : "") + parts[i];
  if (joined != text) std::abort();

  // Whatever went in, what comes back out of UTF-16 is valid UTF-8 that round-trips exactly.
  const std::string cleaned = text::fromUtf16(text::toUtf16(text));
  if (text::fromUtf16(text::toUtf16(cleaned)) != cleaned) std::abort();
  return 0;
}
