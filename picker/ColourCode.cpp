#include "picker/ColourCode.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <cstdint>
#include <optional>
#include <vector>

#include "picker/HueModels.h"
#include "platform/Geometry.h"
#include "text/Numbers.h"
#include "strings/UiText.h"

namespace lindrel::colour_code {
namespace {

using platform::Colour;
using platform::Result;

using Problem = CodeError::Problem;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Whether a text starts with a lower-case prefix, in any case.
bool startsWithAnyCase(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), s.begin(), [](char p, char c) {
           return p == (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
         });
}

bool endsWithAnyCase(std::string_view s, std::string_view suffix) {
  return s.size() >= suffix.size() && startsWithAnyCase(s.substr(s.size() - suffix.size()), suffix);
}

// Full-width ASCII (U+FF01 to U+FF5E: "，", "＃", "１") and the ideographic space as the ASCII
// a Chinese input method stands them for.
std::string asciiForms(std::string_view typed) {
  std::string out;
  for (std::size_t i = 0; i < typed.size(); ++i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(typed[i + k]); };
    if (i + 2 < typed.size() && byte(0) == 0xEF && (byte(1) == 0xBC || byte(1) == 0xBD) && (byte(2) & 0xC0) == 0x80) {
      const unsigned point = 0xF000u | (byte(1) & 0x3Fu) << 6 | (byte(2) & 0x3Fu);
      if (point >= 0xFF01 && point <= 0xFF5E) {
        out += static_cast<char>(point - 0xFF01 + '!');
        i += 2;
        continue;
      }
    }
    if (i + 2 < typed.size() && byte(0) == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80) {
      out += ' ';
      i += 2;
      continue;
    }
    out += typed[i];
  }
  return out;
}

// The characters of a text, each as its bytes.
std::vector<std::string_view> charactersOf(std::string_view text) {
  std::vector<std::string_view> out;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t next = i + 1;
    while (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80) ++next;
    out.push_back(text.substr(i, next - i));
    i = next;
  }
  return out;
}

int hexDigit(std::string_view c) {
  if (c.size() != 1) return -1;
  if (c[0] >= '0' && c[0] <= '9') return c[0] - '0';
  if (c[0] >= 'a' && c[0] <= 'f') return c[0] - 'a' + 10;
  if (c[0] >= 'A' && c[0] <= 'F') return c[0] - 'A' + 10;
  return -1;
}

// The hexadecimal digits after an optional prefix, or why they are none.
platform::Result<std::vector<int>, CodeError> hexDigits(Notation notation, std::string_view code,
                                                         std::string_view prefix) {
  const std::size_t skipped = startsWithAnyCase(code, prefix) ? charactersOf(prefix).size() : 0;
  const std::vector<std::string_view> characters = charactersOf(code);
  std::vector<int> digits;
  for (std::size_t k = skipped; k < characters.size(); ++k) {
    const int digit = hexDigit(characters[k]);
    if (digit < 0) return CodeError{Problem::NotAHexDigit, notation, static_cast<int>(k + 1), std::string(characters[k])};
    digits.push_back(digit);
  }
  return digits;
}

// #RGB, #RGBA, #RRGGBB and #RRGGBBAA, as CSS reads them; the alpha is ignored.
ParsedColour parseHtml(Notation notation, std::string_view code) {
  const auto digits = hexDigits(notation, code, "#");
  if (!digits) return digits.error();
  const std::vector<int>& d = *digits;
  if (d.size() == 3 || d.size() == 4) return platform::rgb(d[0] * 17, d[1] * 17, d[2] * 17);
  if (d.size() == 6 || d.size() == 8) return platform::rgb(d[0] * 16 + d[1], d[2] * 16 + d[3], d[4] * 16 + d[5]);
  return CodeError{Problem::DigitCount, notation, static_cast<int>(d.size()), std::string(code)};
}

// BBGGRR as a number after the notation's prefix: up to eight digits, at most FFFFFF.
ParsedColour parseBgr(Notation notation, std::string_view code, std::string_view prefix) {
  const auto digits = hexDigits(notation, code, prefix);
  if (!digits) return digits.error();
  if (digits->empty() || digits->size() > 8) {
    return CodeError{Problem::DigitCount, notation, static_cast<int>(digits->size()), std::string(code)};
  }
  std::uint32_t value = 0;
  for (const int digit : *digits) value = value * 16 + static_cast<std::uint32_t>(digit);
  if (value > 0xFFFFFF) return CodeError{Problem::TooLarge, notation, 1, std::string(code)};
  return static_cast<Colour>(value);
}

// What a code written as a function ("rgb(" in any case, or its name and a blank) holds up
// to its ")" or the end; a text without the opening is taken whole. An alpha after "/" is
// left out.
std::string_view insideOf(std::string_view code, std::initializer_list<std::string_view> openings) {
  for (const std::string_view opening : openings) {
    if (startsWithAnyCase(code, opening)) {
      code.remove_prefix(opening.size());
      code = code.substr(0, code.find(')'));
      break;
    }
  }
  return code.substr(0, code.find('/'));
}

// The first three numbers of a list, separated by commas or, where there is none, by blanks.
platform::Result<std::array<std::string_view, 3>, CodeError> firstThreeParts(Notation notation, std::string_view list) {
  std::vector<std::string_view> parts;
  if (list.find(',') != std::string_view::npos) {
    for (std::size_t start = 0;;) {
      const std::size_t comma = list.find(',', start);
      parts.push_back(trimmed(list.substr(start, comma - start)));
      if (comma == std::string_view::npos) break;
      start = comma + 1;
    }
  } else {
    for (list = trimmed(list); !list.empty(); list = trimmed(list.substr(std::min(list.size(), list.find_first_of(" \t"))))) {
      parts.push_back(list.substr(0, list.find_first_of(" \t")));
    }
  }
  if (parts.size() < 3) return CodeError{Problem::MissingParts, notation, static_cast<int>(parts.size()), {}};
  for (int k = 0; k < 3; ++k) {
    if (parts[static_cast<std::size_t>(k)].empty()) return CodeError{Problem::EmptyPart, notation, k + 1, {}};
  }
  return std::array<std::string_view, 3>{parts[0], parts[1], parts[2]};
}

// Three numbers, each read after a suffix it may carry ("%", "deg") is left out, into a colour.
template <class Combine>
ParsedColour threeNumbers(Notation notation, std::string_view list, std::array<std::string_view, 3> suffixes,
                          Combine combine) {
  const auto parts = firstThreeParts(notation, list);
  if (!parts) return parts.error();
  std::array<double, 3> values{};
  for (std::size_t k = 0; k < 3; ++k) {
    std::string_view part = (*parts)[k];
    if (!suffixes[k].empty() && endsWithAnyCase(part, suffixes[k])) part = trimmed(part.substr(0, part.size() - suffixes[k].size()));
    const auto number = text::parseDecimal(part);
    if (!number) {
      const Problem problem = number.error() == text::NumberError::OutOfRange ? Problem::TooLarge : Problem::NotANumber;
      return CodeError{problem, notation, static_cast<int>(k + 1), std::string((*parts)[k])};
    }
    values[k] = *number;
  }
  return combine(values);
}

int channelPart(double value) { return std::clamp(platform::roundHalfEven(std::clamp(value, -1.0, 256.0)), 0, 255); }

ParsedColour parseDecimal(Notation notation, std::string_view code) {
  switch (notation) {
    case Notation::CssHsl:
    case Notation::Hsv: {
      const HueModel model = notation == Notation::CssHsl ? HueModel::Hsl : HueModel::Hsv;
      const auto inside =
          model == HueModel::Hsl ? insideOf(code, {"hsla(", "hsl(", "hsla", "hsl"}) : insideOf(code, {"hsv(", "hsv"});
      return threeNumbers(notation, inside, {"deg", "%", "%"}, [model](const std::array<double, 3>& v) {
        return fromHueModel(model, v[0], v[1], v[2]);
      });
    }
    case Notation::Float:
      return threeNumbers(notation, insideOf(code, {}), {}, [](const std::array<double, 3>& v) {
        const auto channel = [](double part) { return static_cast<int>(std::round(std::clamp(part, 0.0, 1.0) * 255)); };
        return platform::rgb(channel(v[0]), channel(v[1]), channel(v[2]));
      });
    default:
      return threeNumbers(notation, insideOf(code, {"rgba(", "rgb(", "rgba", "rgb"}), {}, [](const std::array<double, 3>& v) {
        return platform::rgb(channelPart(v[0]), channelPart(v[1]), channelPart(v[2]));
      });
  }
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
      {"#", Notation::Html},       {"&h", Notation::Vb},         {"$", Notation::Delphi},
      {"0x", Notation::Cpp},       {"rgb", Notation::CssRgb},    {"hsl", Notation::CssHsl},
      {"hsv", Notation::Hsv},
  };
  for (const Prefix& prefix : kPrefixes) {
    if (startsWithAnyCase(typed, prefix.opening)) return prefix.notation;
  }
  return std::nullopt;
}

}  // namespace

std::string nameOf(Notation notation) {
  switch (notation) {
    case Notation::Html: return "HTML";
    case Notation::Vb: return "VB";
    case Notation::Delphi: return "Delphi";
    case Notation::Rgb: return "RGB";
    case Notation::Cpp: return "C++";
    case Notation::CssRgb: return "CSS rgb()";
    case Notation::CssHsl: return "CSS hsl()";
    case Notation::Hsv: return "HSV";
    case Notation::HtmlLower: return strings::ui(strings::UiText::NotationHtmlLower);
    case Notation::Float: break;
  }
  return strings::ui(strings::UiText::NotationFloat);
}

std::string captionOf(Notation notation) { return strings::ui(strings::UiText::NotationCaption, {nameOf(notation)}); }

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
  const std::string ascii = asciiForms(typed);
  const std::string_view code = trimmed(ascii);
  switch (notation) {
    case Notation::Html:
    case Notation::HtmlLower: return parseHtml(notation, code);
    case Notation::Vb: return parseBgr(notation, code, "&h");
    case Notation::Delphi: return parseBgr(notation, code, "$");
    case Notation::Cpp: return parseBgr(notation, code, "0x");
    default: return parseDecimal(notation, code);
  }
}

ParsedColour parseTyped(Notation selected, std::string_view typed) {
  const std::string ascii = asciiForms(typed);
  return parse(notationNamedBy(trimmed(ascii)).value_or(selected), typed);
}

}  // namespace lindrel::colour_code
