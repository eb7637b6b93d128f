// Any number through the display formats: the texts keep their shape and read back as the
// number they show, within the digits they show.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/Text.h"

namespace {

// Digits and at most one point, after a leading minus sign if there is one.
bool onlyDigitsAndOnePoint(const std::string& s) {
  const std::size_t from = !s.empty() && s[0] == '-' ? 1 : 0;
  return s.find_first_not_of("0123456789.", from) == std::string::npos && std::count(s.begin(), s.end(), '.') <= 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lindrel::platform;
  if (size < sizeof(double)) return 0;
  double value;
  std::memcpy(&value, data, sizeof value);
  if (!std::isfinite(value) || std::fabs(value) > 1e14) return 0;

  const std::string shortest = text::shortestDecimal(value);
  // Very small numbers come in scientific form (6.5E-125); everything else is plain.
  const auto e = shortest.find('E');
  if (shortest.empty() || !onlyDigitsAndOnePoint(shortest.substr(0, e))) std::abort();
  if (e != std::string::npos && std::fabs(value) >= 1e-3) std::abort();
  const double back = std::strtod(shortest.c_str(), nullptr);
  if (std::fabs(back - value) > 1e-14 * std::fmax(1.0, std::fabs(value))) std::abort();

  const std::string two = text::format(value, "#.00");
  const auto point = two.find('.');
  if (point == std::string::npos || two.size() - point != 3 || !onlyDigitsAndOnePoint(two)) std::abort();
  if (std::fabs(std::strtod(two.c_str(), nullptr) - value) > 0.005 + 1e-9 * std::fabs(value)) std::abort();

  const std::string one = text::format(value, "0.#");
  if (one.empty() || one[one[0] == '-' ? 1 : 0] == '.' || !onlyDigitsAndOnePoint(one)) std::abort();
  if (std::fabs(std::strtod(one.c_str(), nullptr) - value) > 0.05 + 1e-9 * std::fabs(value)) std::abort();
  return 0;
}
