#include "picker/Module2.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "platform/Errors.h"
#include "platform/Text.h"

namespace lindrel::Module2 {

namespace text = platform::text;

double hexToDec(const std::string& s) {
  const std::int16_t n = text::toInteger16(static_cast<double>(text::charCount(s)));
  double acc = 0;
  std::int16_t i = 0;
  std::size_t at = 0;  // byte offset of the character at place i
  // The first pass runs even for an empty text; it adds nothing.
  do {
    std::size_t next = at < s.size() ? at + 1 : at;
    while (next < s.size() && (static_cast<unsigned char>(s[next]) & 0xC0) == 0x80) ++next;
    const double place = std::pow(16.0, n - 1 - i);
    // A place beyond what a double holds is an overflow, not infinity or NaN.
    if (!std::isfinite(place)) platform::raise(platform::ErrorNumber::Overflow);
    acc += hexDigitVal(s.substr(at, next - at)) * place;
    at = next;
    ++i;
  } while (i < n);
  // Held at 15 significant digits, as every number this program shows.
  return std::strtod(text::shortestDecimal(acc).c_str(), nullptr);
}

std::int16_t hexDigitVal(const std::string& c) {
  static constexpr std::array<const char*, 6> kLower{"a", "b", "c", "d", "e", "f"};
  static constexpr std::array<const char*, 6> kUpper{"A", "B", "C", "D", "E", "F"};
  for (std::size_t i = 0; i < kLower.size(); ++i) {
    if (c == kLower[i] || c == kUpper[i]) return static_cast<std::int16_t>(10 + i);
  }
  return text::toInteger16(text::leadingNumber(c));
}

}  // namespace lindrel::Module2
