#include "picker/ColourCode.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "platform/Errors.h"
#include "platform/Text.h"

namespace lindrel::colour_code {
namespace {

namespace text = platform::text;
using platform::Colour;

// "#" and the pairs of a six-digit text swapped end for end: BBGGRR gives #RRGGBB and back.
std::string swappedHtml(std::string_view hex) {
  std::string html = "#";
  html += text::right(hex, 2);
  html += text::mid(hex, 3, 2);
  html += text::mid(hex, 1, 2);
  return html;
}

// One part of a typed RGB code: a 16-bit number, held to 0..255.
int rgbPart(const std::string& part) {
  const int value = text::toInteger16(part);
  return value > 255 ? 255 : (value < 0 ? 0 : value);
}

}  // namespace

const char* captionOf(Notation notation) {
  switch (notation) {
    case Notation::Html: return "HTML 模式";
    case Notation::Vb: return "VB 模式";
    case Notation::Delphi: return "Delphi 模式";
    case Notation::Rgb: return "RGB 模式";
    case Notation::Cpp: break;
  }
  return "C++ 模式";
}

std::string bgrHex(Colour colour) {
  const std::string hex = text::hexUpper(colour);
  return hex.size() >= 6 ? hex : std::string(6 - hex.size(), '0') + hex;
}

std::string format(Notation notation, Colour colour) {
  switch (notation) {
    case Notation::Html: return swappedHtml(bgrHex(colour));
    case Notation::Vb: return "&h" + bgrHex(colour);
    case Notation::Delphi: return "$00" + bgrHex(colour);
    case Notation::Rgb:
      return std::to_string(colour % 256) + "," + std::to_string(colour / 256 % 256) + "," +
             std::to_string(colour / 256 / 256);
    case Notation::Cpp: break;
  }
  return "0x00" + bgrHex(colour);
}

Colour parse(Notation notation, std::string_view typed) {
  switch (notation) {
    case Notation::Html: return static_cast<Colour>(hexValue(text::right(swappedHtml(text::right(typed, 6)), 6)));
    case Notation::Vb:
    case Notation::Delphi:
    case Notation::Cpp: return static_cast<Colour>(hexValue(text::right(typed, 6)));
    case Notation::Rgb: break;
  }
  const std::vector<std::string> parts = text::split(typed, ",");
  if (parts.size() < 3) platform::raise(platform::ErrorNumber::SubscriptOutOfRange);
  const int blue = rgbPart(parts[2]);
  const int green = rgbPart(parts[1]);
  const int red = rgbPart(parts[0]);
  return platform::rgb(red, green, blue);
}

double hexValue(const std::string& s) {
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
    acc += hexDigitValue(s.substr(at, next - at)) * place;
    at = next;
    ++i;
  } while (i < n);
  // Held at 15 significant digits, as every number this program shows.
  return std::strtod(text::shortestDecimal(acc).c_str(), nullptr);
}

std::int16_t hexDigitValue(const std::string& c) {
  if (c.size() == 1) {
    const char ch = c[0];
    if (ch >= 'a' && ch <= 'f') return static_cast<std::int16_t>(10 + ch - 'a');
    if (ch >= 'A' && ch <= 'F') return static_cast<std::int16_t>(10 + ch - 'A');
  }
  return text::toInteger16(text::leadingNumber(c));
}

}  // namespace lindrel::colour_code
