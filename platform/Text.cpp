#include "platform/Text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "platform/Errors.h"
#include "platform/Units.h"

namespace lindrel::platform::text {
namespace {

// A finite number as sign, significant digits and decimal exponent:
// value = 0.d1 d2 d3 ... * 10^exponent. Zero has no digits.
struct Decimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

Decimal decompose(double value, int significant) {
  Decimal d;
  if (value == 0.0 || !std::isfinite(value)) return d;
  d.negative = value < 0;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", significant - 1, std::fabs(value));
  // buffer: d.ddddde[+-]xx
  std::string text(buffer);
  const auto e = text.find('e');
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] != '.') d.digits.push_back(text[i]);
  }
  d.exponent = std::atoi(text.c_str() + e + 1) + 1;
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

// Rounds the digits so that at most `decimals` digits stay after the point, half away from zero.
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
    while (i > 0 && d.digits[i - 1] == '9') {
      d.digits[i - 1] = '0';
      --i;
    }
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

std::string integerDigits(const Decimal& d) {
  std::string out;
  for (int i = 0; i < d.exponent; ++i) {
    const auto index = static_cast<std::size_t>(i);
    out.push_back(index < d.digits.size() ? d.digits[index] : '0');
  }
  return out;
}

std::string fractionDigits(const Decimal& d) {
  std::string out;
  for (int i = std::min(d.exponent, 0); i < 0; ++i) out.push_back('0');
  for (std::size_t i = static_cast<std::size_t>(std::max(d.exponent, 0)); i < d.digits.size(); ++i) {
    out.push_back(d.digits[i]);
  }
  return out;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the decimal number at the start of s ([+-]digits[.digits][e[+-]digits]), 0 if none.
std::size_t numberPrefix(std::string_view s) {
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
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    std::size_t expDigits = 0;
    while (j < s.size() && isDigit(s[j])) ++j, ++expDigits;
    if (expDigits > 0) i = j;
  }
  return i;
}

double parseNumber(std::string_view s) {
  // strtod reads the C locale's '.', which is the only point this program writes.
  const std::string copy(s);
  return std::strtod(copy.c_str(), nullptr);
}

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Byte offset where the character with 0-based index `index` starts (text.size() past the end).
std::size_t byteOffsetOf(std::string_view text, std::size_t index) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i == 0 || !isContinuation(static_cast<unsigned char>(text[i]))) {
      if (seen == index) return i;
      ++seen;
    }
  }
  return text.size();
}

}  // namespace

std::string shortestDecimal(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
  const Decimal d = decompose(value, 15);
  if (d.digits.empty()) return "0";
  std::string out = d.negative ? "-" : "";
  if (d.exponent > 15 || d.exponent < -3) {
    // Very large or small numbers: d.dddE+xx
    out += d.digits.substr(0, 1);
    if (d.digits.size() > 1) {
      out += '.';
      out.append(d.digits, 1);
    }
    const int e = d.exponent - 1;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "E%c%02d", e < 0 ? '-' : '+', std::abs(e));
    return out + buffer;
  }
  out += integerDigits(d);
  const std::string fraction = fractionDigits(d);
  if (!fraction.empty()) {
    out += '.';
    out += fraction;
  }
  return out;
}

std::string format(double value, std::string_view pattern) {
  const auto point = pattern.find('.');
  const std::string_view integerPattern = pattern.substr(0, point);
  const std::string_view fractionPattern =
      point == std::string_view::npos ? std::string_view{} : pattern.substr(point + 1);
  std::size_t minInteger = 0;
  for (char c : integerPattern) minInteger += c == '0';
  std::size_t minFraction = 0;
  for (char c : fractionPattern) minFraction += c == '0';
  const std::size_t maxFraction = fractionPattern.size();

  Decimal d = decompose(value, 15);
  roundToDecimals(d, static_cast<int>(maxFraction));
  std::string integer = integerDigits(d);
  std::string fraction = fractionDigits(d);
  while (fraction.size() < minFraction) fraction.push_back('0');
  while (fraction.size() > minFraction && fraction.back() == '0') fraction.pop_back();
  while (integer.size() < minInteger) integer.insert(integer.begin(), '0');

  std::string out = (d.negative && !d.digits.empty()) ? "-" : "";
  out += integer;
  if (!fraction.empty()) {
    out += '.';
    out += fraction;
  }
  return out;
}

std::int16_t toInteger16(double value) {
  const double rounded = roundHalfEven(value);
  if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
        rounded <= std::numeric_limits<std::int16_t>::max())) {
    raise(ErrorNumber::Overflow);
  }
  return static_cast<std::int16_t>(rounded);
}

std::int16_t toInteger16(std::string_view text) { return toInteger16(toDouble(text)); }

double toDouble(std::string_view text) {
  const std::string_view number = trimBlanks(text);
  const std::size_t length = numberPrefix(number);
  if (length == 0 || length != number.size()) raise(ErrorNumber::TypeMismatch);
  const double value = parseNumber(number);
  if (!std::isfinite(value)) raise(ErrorNumber::Overflow);
  return value;
}

double leadingNumber(std::string_view text) {
  while (!text.empty() && (isBlank(text.front()) || text.front() == '\r' || text.front() == '\n')) {
    text.remove_prefix(1);
  }
  const std::size_t length = numberPrefix(text);
  return length == 0 ? 0.0 : parseNumber(text.substr(0, length));
}

std::string hexUpper(std::uint32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%X", value);
  return buffer;
}

std::vector<std::string> split(std::string_view text, std::string_view separator) {
  std::vector<std::string> parts;
  if (separator.empty()) {
    parts.emplace_back(text);
    return parts;
  }
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = text.find(separator, start);
    if (at == std::string_view::npos) {
      parts.emplace_back(text.substr(start));
      return parts;
    }
    parts.emplace_back(text.substr(start, at - start));
    start = at + separator.size();
  }
}

std::size_t charCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i == 0 || !isContinuation(static_cast<unsigned char>(text[i]))) ++count;
  }
  return count;
}

std::string mid(std::string_view text, std::size_t start, std::size_t count) {
  if (start == 0 || count == 0) return {};
  const std::size_t from = byteOffsetOf(text, start - 1);
  const std::size_t to = count > text.size() ? text.size() : byteOffsetOf(text, start - 1 + count);
  return std::string(text.substr(from, to - from));
}

std::string right(std::string_view text, std::size_t count) {
  const std::size_t n = charCount(text);
  if (count >= n) return std::string(text);
  return std::string(text.substr(byteOffsetOf(text, n - count)));
}

std::u16string toUtf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto b0 = static_cast<unsigned char>(utf8[i]);
    char32_t cp = 0xFFFD;
    std::size_t length = 1;
    if (b0 < 0x80) {
      cp = b0;
    } else if (b0 >= 0xC2 && b0 <= 0xF4) {
      const std::size_t need = b0 < 0xE0 ? 2 : b0 < 0xF0 ? 3 : 4;
      char32_t value = b0 & (need == 2 ? 0x1F : need == 3 ? 0x0F : 0x07);
      std::size_t k = 1;
      for (; k < need && i + k < utf8.size(); ++k) {
        const auto b = static_cast<unsigned char>(utf8[i + k]);
        if (!isContinuation(b)) break;
        value = (value << 6) | (b & 0x3F);
      }
      const bool overlong = (need == 3 && value < 0x800) || (need == 4 && value < 0x10000);
      if (k == need && !overlong && value <= 0x10FFFF && !(value >= 0xD800 && value <= 0xDFFF)) {
        cp = value;
        length = need;
      } else {
        length = std::max<std::size_t>(k, 1);
      }
    }
    i += length;
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
  }
  return out;
}

std::string fromUtf16(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t cp = utf16[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

}  // namespace lindrel::platform::text
