#include "picker/ColourCode.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <vector>

#include "picker/HueModels.h"
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
int rgbPart(std::string_view part) {
  const int value = text::toInteger16(part);
  return value > 255 ? 255 : (value < 0 ? 0 : value);
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view withoutLeadingBlanks(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  return s;
}

// Whether a text starts with a lower-case prefix, in any case.
bool startsWithAnyCase(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), s.begin(), [](char p, char c) {
           return p == (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
         });
}

// What a function form ("rgb(" in any case, after blanks) holds up to its ")" or the end;
// a text without the form is taken whole.
std::string_view insideForm(std::string_view typed, std::string_view opening) {
  const std::string_view code = withoutLeadingBlanks(typed);
  if (!startsWithAnyCase(code, opening)) return typed;
  const std::string_view inside = code.substr(opening.size());
  return inside.substr(0, inside.find(')'));
}

// The first three parts of a list: split at every comma, or, in a list without a comma, at
// runs of blanks. Fewer than three raise SubscriptOutOfRange.
std::array<std::string_view, 3> firstThreeParts(std::string_view list) {
  std::array<std::string_view, 3> parts;
  std::size_t found = 0;
  if (list.find(',') != std::string_view::npos) {
    while (found < parts.size()) {
      const std::size_t comma = list.find(',');
      parts[found++] = list.substr(0, comma);
      if (comma == std::string_view::npos) break;
      list.remove_prefix(comma + 1);
    }
  } else {
    for (list = withoutLeadingBlanks(list); found < parts.size() && !list.empty(); ++found) {
      const std::size_t end = std::min(list.find(' '), list.find('\t'));
      parts[found] = list.substr(0, end);
      list = withoutLeadingBlanks(list.substr(std::min(end, list.size())));
    }
  }
  if (found < parts.size()) platform::raise(platform::ErrorNumber::SubscriptOutOfRange);
  return parts;
}

// A percentage with or without its "%".
double percentPart(std::string_view part) {
  while (!part.empty() && isBlank(part.back())) part.remove_suffix(1);
  if (!part.empty() && part.back() == '%') part.remove_suffix(1);
  return text::toDouble(part);
}

Colour parseCssRgb(std::string_view typed) {
  const auto parts = firstThreeParts(insideForm(typed, "rgb("));
  return platform::rgb(rgbPart(parts[0]), rgbPart(parts[1]), rgbPart(parts[2]));
}

Colour parseHueCode(HueModel model, std::string_view typed) {
  const auto parts = firstThreeParts(insideForm(typed, model == HueModel::Hsl ? "hsl(" : "hsv("));
  return fromHueModel(model, text::toDouble(parts[0]), percentPart(parts[1]), percentPart(parts[2]));
}

Colour parseFloat(std::string_view typed) {
  const auto parts = firstThreeParts(typed);
  const auto channel = [](std::string_view part) {
    return static_cast<int>(std::round(std::clamp(text::toDouble(part), 0.0, 1.0) * 255));
  };
  return platform::rgb(channel(parts[0]), channel(parts[1]), channel(parts[2]));
}

// A part in tenths as written: "136.5", or "81" for a whole number.
std::string tenthsText(int tenths) {
  std::string written = std::to_string(tenths / 10);
  if (tenths % 10 != 0) {
    written += '.';
    written += static_cast<char>('0' + tenths % 10);
  }
  return written;
}

std::string formatHueCode(HueModel model, Colour colour) {
  const HueTenths parts = hueTenthsOf(model, colour);
  if (model == HueModel::Hsl) {
    return "hsl(" + tenthsText(parts.hue) + " " + tenthsText(parts.saturation) + "% " + tenthsText(parts.level) + "%)";
  }
  return "hsv(" + tenthsText(parts.hue) + ", " + tenthsText(parts.saturation) + "%, " + tenthsText(parts.level) + "%)";
}

std::string floatText(int channel) { return text::format(channel / 255.0, "0.000"); }

int redOf(Colour colour) { return static_cast<int>(colour & 0xFF); }
int greenOf(Colour colour) { return static_cast<int>(colour >> 8 & 0xFF); }
int blueOf(Colour colour) { return static_cast<int>(colour >> 16 & 0xFF); }

// The notation a code's start names, if any.
std::optional<Notation> notationNamedBy(std::string_view typed) {
  struct Prefix {
    std::string_view opening;
    Notation notation;
  };
  static constexpr Prefix kPrefixes[] = {
      {"#", Notation::Html},      {"&h", Notation::Vb},       {"$", Notation::Delphi}, {"0x", Notation::Cpp},
      {"rgb(", Notation::CssRgb}, {"hsl(", Notation::CssHsl}, {"hsv(", Notation::Hsv},
  };
  const std::string_view code = withoutLeadingBlanks(typed);
  for (const Prefix& prefix : kPrefixes) {
    if (startsWithAnyCase(code, prefix.opening)) return prefix.notation;
  }
  return std::nullopt;
}

}  // namespace

const char* captionOf(Notation notation) {
  switch (notation) {
    case Notation::Html: return "HTML 模式";
    case Notation::Vb: return "VB 模式";
    case Notation::Delphi: return "Delphi 模式";
    case Notation::Rgb: return "RGB 模式";
    case Notation::Cpp: return "C++ 模式";
    case Notation::CssRgb: return "CSS rgb() 模式";
    case Notation::CssHsl: return "CSS hsl() 模式";
    case Notation::Hsv: return "HSV 模式";
    case Notation::HtmlLower: return "HTML 小写 模式";
    case Notation::Float: break;
  }
  return "浮点 模式";
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
    case Notation::Cpp: return "0x00" + bgrHex(colour);
    case Notation::CssRgb:
      return "rgb(" + std::to_string(redOf(colour)) + " " + std::to_string(greenOf(colour)) + " " +
             std::to_string(blueOf(colour)) + ")";
    case Notation::CssHsl: return formatHueCode(HueModel::Hsl, colour);
    case Notation::Hsv: return formatHueCode(HueModel::Hsv, colour);
    case Notation::HtmlLower: {
      std::string html = swappedHtml(bgrHex(colour));
      for (char& c : html) c = c >= 'A' && c <= 'F' ? static_cast<char>(c - 'A' + 'a') : c;
      return html;
    }
    case Notation::Float: break;
  }
  return floatText(redOf(colour)) + ", " + floatText(greenOf(colour)) + ", " + floatText(blueOf(colour));
}

Colour parse(Notation notation, std::string_view typed) {
  switch (notation) {
    case Notation::Html:
    case Notation::HtmlLower: return static_cast<Colour>(hexValue(text::right(swappedHtml(text::right(typed, 6)), 6)));
    case Notation::Vb:
    case Notation::Delphi:
    case Notation::Cpp: return static_cast<Colour>(hexValue(text::right(typed, 6)));
    case Notation::CssRgb: return parseCssRgb(typed);
    case Notation::CssHsl: return parseHueCode(HueModel::Hsl, typed);
    case Notation::Hsv: return parseHueCode(HueModel::Hsv, typed);
    case Notation::Float: return parseFloat(typed);
    case Notation::Rgb: break;
  }
  const std::vector<std::string> parts = text::split(typed, ",");
  if (parts.size() < 3) platform::raise(platform::ErrorNumber::SubscriptOutOfRange);
  const int blue = rgbPart(parts[2]);
  const int green = rgbPart(parts[1]);
  const int red = rgbPart(parts[0]);
  return platform::rgb(red, green, blue);
}

Colour parseTyped(Notation selected, std::string_view typed) {
  return parse(notationNamedBy(typed).value_or(selected), typed);
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
