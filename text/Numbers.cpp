#include "text/Numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/Geometry.h"

namespace lindrel::text {
namespace {

// A finite number as sign, significant digits and decimal exponent:
// value = 0.d1 d2 d3 ... * 10^exponent. Zero has no digits.
struct Decimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

// The 15 significant digits a double holds for certain.
Decimal decimalOf(double value) {
  Decimal d;
  if (value == 0.0 || !std::isfinite(value)) return d;
  d.negative = value < 0;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));  // d.dddddddddddddde[+-]xx
  const std::string_view text(buffer);
  const auto e = text.find('e');
  for (const char c : text.substr(0, e)) {
    if (c != '.') d.digits.push_back(c);
  }
  d.exponent = std::atoi(buffer + e + 1) + 1;
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

// Keeps at most `decimals` digits after the point, rounding half away from zero.
void roundToDecimals(Decimal& d, int decimals) {
  const long keep = static_cast<long>(d.exponent) + decimals;
  if (keep >= static_cast<long>(d.digits.size())) return;
  if (keep < 0) {
    d.digits.clear();
    return;
  }
  const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
  d.digits.resize(static_cast<std::size_t>(keep));
  if (up) {
    std::size_t i = d.digits.size();
    while (i > 0 && d.digits[i - 1] == '9') d.digits[--i] = '0';
    if (i == 0) {
      d.digits.insert(d.digits.begin(), '1');
      ++d.exponent;
    } else {
      ++d.digits[i - 1];
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d.exponent = 0;
}

// The digit at a decimal place: 0 is the units, 1 the tenths, -1 the tens.
char digitAt(const Decimal& d, int place) {
  const int index = d.exponent - 1 + place;
  return index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(index)] : '0';
}

std::string written(double value, int minDecimals, int maxDecimals) {
  Decimal d = decimalOf(value);
  roundToDecimals(d, maxDecimals);
  std::string out = d.negative && !d.digits.empty() ? "-" : "";
  for (int place = 1 - std::max(d.exponent, 1); place <= 0; ++place) out += digitAt(d, place);
  const int decimals = std::max(minDecimals, static_cast<int>(d.digits.size()) - d.exponent);
  if (decimals > 0) out += '.';
  for (int place = 1; place <= decimals; ++place) out += digitAt(d, place);
  return out;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The length of a decimal number at the start of s ([+-]digits[.digits][e[+-]digits]), 0
// if there is none; whether its exponent is negative.
std::size_t numberLength(std::string_view s, bool& negativeExponent) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    const bool negative = j < s.size() && s[j] == '-';
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    const std::size_t start = j;
    while (j < s.size() && isDigit(s[j])) ++j;
    if (j > start) {
      i = j;
      negativeExponent = negative;
    }
  }
  return i;
}

}  // namespace

std::string fixedDecimals(double value, int decimals) { return written(value, decimals, decimals); }

std::string atMostOneDecimal(double value) { return written(value, 0, 1); }

Result<double, NumberError> parseDecimal(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  bool negativeExponent = false;
  if (text.empty() || numberLength(text, negativeExponent) != text.size()) return NumberError::NotANumber;
  // from_chars takes no "+"; what is left is a number it reads whole.
  if (text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (status == std::errc::result_out_of_range) {
    // Too small to tell from nothing is nothing; too large is beyond what the caller can take.
    if (negativeExponent) return 0.0;
    return NumberError::OutOfRange;
  }
  if (status != std::errc{} || end != text.data() + text.size()) return NumberError::NotANumber;
  return value;
}

Result<int, NumberError> parseWhole(std::string_view text, int min, int max) {
  const auto number = parseDecimal(text);
  if (!number) return number.error();
  if (!(*number >= min - 0.5 && *number <= max + 0.5)) return NumberError::OutOfRange;
  const int whole = platform::roundHalfEven(*number);
  if (whole < min || whole > max) return NumberError::OutOfRange;
  return whole;
}

}  // namespace lindrel::text
