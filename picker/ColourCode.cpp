#include "picker/ColourCode.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <optional>
#include <vector>

#include "picker/HueModels.h"
#include "platform/Geometry.h"
#include "text/Numbers.h"

namespace lindrel::colour_code {
namespace {

using platform::Colour;
using platform::Result;

CodeError codeErrorOf(text::NumberError error) {
  return error == text::NumberError::OutOfRange ? CodeError::OutOfRange : CodeError::NotANumber;
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

// One part of an RGB or rgb() code: a whole number, held to 0..255.
Result<int, CodeError> channelPart(std::string_view part) {
  const auto number = text::parseDecimal(part);
  if (!number) return codeErrorOf(number.error());
  return std::clamp(platform::roundHalfEven(std::clamp(*number, -1.0, 256.0)), 0, 255);
}

Result<double, CodeError> decimalPart(std::string_view part) {
  const auto number = text::parseDecimal(part);
  if (!number) return codeErrorOf(number.error());
  return *number;
}

// A percentage with or without its "%".
Result<double, CodeError> percentPart(std::string_view part) {
  while (!part.empty() && isBlank(part.back())) part.remove_suffix(1);
  if (!part.empty() && part.back() == '%') part.remove_suffix(1);
  return decimalPart(part);
}

// What a code written as a function ("rgb(" in any case, after blanks) holds up to its ")"
// or the end; a text without the opening is taken whole.
std::string_view insideForm(std::string_view typed, std::string_view opening) {
  const std::string_view code = withoutLeadingBlanks(typed);
  if (!startsWithAnyCase(code, opening)) return typed;
  const std::string_view inside = code.substr(opening.size());
  return inside.substr(0, inside.find(')'));
}

using ThreeParts = std::array<std::string_view, 3>;

// The first three parts of a list: split at every comma, or, in a list without a comma, at
// runs of blanks.
Result<ThreeParts, CodeError> firstThreeParts(std::string_view list) {
  ThreeParts parts;
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
  if (found < parts.size()) return CodeError::MissingParts;
  return parts;
}

// Three parts read one way each into a colour; the first part that cannot be read says why.
template <class Read, class Combine>
ParsedColour threeParts(std::string_view list, Read read, Combine combine) {
  const auto parts = firstThreeParts(list);
  if (!parts) return parts.error();
  std::array<double, 3> values{};
  for (std::size_t i = 0; i < values.size(); ++i) {
    const auto value = read((*parts)[i]);
    if (!value) return value.error();
    values[i] = *value;
  }
  return combine(values);
}

ParsedColour parseRgbList(std::string_view list) {
  return threeParts(list, channelPart, [](const std::array<double, 3>& v) {
    return platform::rgb(static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]));
  });
}

ParsedColour parseHueCode(HueModel model, std::string_view typed) {
  const auto parts = firstThreeParts(insideForm(typed, model == HueModel::Hsl ? "hsl(" : "hsv("));
  if (!parts) return parts.error();
  const auto hue = decimalPart((*parts)[0]);
  if (!hue) return hue.error();
  const auto saturation = percentPart((*parts)[1]);
  if (!saturation) return saturation.error();
  const auto level = percentPart((*parts)[2]);
  if (!level) return level.error();
  return fromHueModel(model, *hue, *saturation, *level);
}

ParsedColour parseFloat(std::string_view typed) {
  return threeParts(typed, decimalPart, [](const std::array<double, 3>& v) {
    const auto channel = [](double part) { return static_cast<int>(std::round(std::clamp(part, 0.0, 1.0) * 255)); };
    return platform::rgb(channel(v[0]), channel(v[1]), channel(v[2]));
  });
}

// The characters of a text, each as its bytes.
std::vector<std::string_view> characters(std::string_view text) {
  std::vector<std::string_view> out;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t next = i + 1;
    while (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80) ++next;
    out.push_back(text.substr(i, next - i));
    i = next;
  }
  return out;
}

int hexDigit(std::string_view character) {
  if (character.size() != 1) return 0;
  const char c = character[0];
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

// The last six characters as hexadecimal digits, BBGGRR (or RRGGBB when swapped in pairs);
// a character that is not a digit counts as 0.
Colour hexColour(std::string_view typed, bool html) {
  std::vector<std::string_view> digits = characters(typed);
  if (digits.size() > 6) digits.erase(digits.begin(), digits.end() - 6);
  if (html) {
    // "#" and the pairs swapped end for end, the last six of that: RRGGBB becomes BBGGRR.
    const auto slice = [&](std::size_t from, std::size_t count) {
      return std::vector<std::string_view>(digits.begin() + std::min(from, digits.size()),
                                           digits.begin() + std::min(from + count, digits.size()));
    };
    std::vector<std::string_view> swapped{"#"};
    for (const auto& piece : {slice(digits.size() - std::min<std::size_t>(2, digits.size()), 2), slice(2, 2), slice(0, 2)}) {
      swapped.insert(swapped.end(), piece.begin(), piece.end());
    }
    if (swapped.size() > 6) swapped.erase(swapped.begin(), swapped.end() - 6);
    digits = swapped;
  }
  Colour value = 0;
  for (const std::string_view digit : digits) value = value * 16 + static_cast<Colour>(hexDigit(digit));
  return value;
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

// A prefix, then two hexadecimal digits a channel, in the order given.
std::string hexChannels(const char* prefix, std::initializer_list<int> channels, bool lower = false) {
  std::string out = prefix;
  for (const int channel : channels) {
    char pair[3];
    std::snprintf(pair, sizeof pair, lower ? "%02x" : "%02X", channel);
    out += pair;
  }
  return out;
}

std::string floatText(int channel) { return text::fixedDecimals(channel / 255.0, 3); }

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

std::string format(Notation notation, Colour c) {
  using platform::blueOf, platform::greenOf, platform::redOf;
  switch (notation) {
    case Notation::Html: return hexChannels("#", {redOf(c), greenOf(c), blueOf(c)});
    case Notation::Vb: return hexChannels("&h", {blueOf(c), greenOf(c), redOf(c)});
    case Notation::Delphi: return hexChannels("$00", {blueOf(c), greenOf(c), redOf(c)});
    case Notation::Rgb: return std::to_string(redOf(c)) + "," + std::to_string(greenOf(c)) + "," + std::to_string(blueOf(c));
    case Notation::Cpp: return hexChannels("0x00", {blueOf(c), greenOf(c), redOf(c)});
    case Notation::CssRgb:
      return "rgb(" + std::to_string(redOf(c)) + " " + std::to_string(greenOf(c)) + " " + std::to_string(blueOf(c)) + ")";
    case Notation::CssHsl: return formatHueCode(HueModel::Hsl, c);
    case Notation::Hsv: return formatHueCode(HueModel::Hsv, c);
    case Notation::HtmlLower: return hexChannels("#", {redOf(c), greenOf(c), blueOf(c)}, true);
    case Notation::Float: break;
  }
  return floatText(redOf(c)) + ", " + floatText(greenOf(c)) + ", " + floatText(blueOf(c));
}

ParsedColour parse(Notation notation, std::string_view typed) {
  switch (notation) {
    case Notation::Html:
    case Notation::HtmlLower: return hexColour(typed, true);
    case Notation::Vb:
    case Notation::Delphi:
    case Notation::Cpp: return hexColour(typed, false);
    case Notation::CssRgb: return parseRgbList(insideForm(typed, "rgb("));
    case Notation::CssHsl: return parseHueCode(HueModel::Hsl, typed);
    case Notation::Hsv: return parseHueCode(HueModel::Hsv, typed);
    case Notation::Float: return parseFloat(typed);
    case Notation::Rgb: break;
  }
  // RGB: parts split at every comma only.
  std::size_t commas = static_cast<std::size_t>(std::count(typed.begin(), typed.end(), ','));
  if (commas < 2) return CodeError::MissingParts;
  return parseRgbList(typed);
}

ParsedColour parseTyped(Notation selected, std::string_view typed) {
  return parse(notationNamedBy(typed).value_or(selected), typed);
}

}  // namespace lindrel::colour_code
