#pragma once
// Colours written as codes in ten notations, and read back from typed codes.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Units.h"

namespace lindrel::colour_code {

// In the order of the magnifier's list.
enum class Notation { Html, Vb, Delphi, Rgb, Cpp, CssRgb, CssHsl, Hsv, HtmlLower, Float };

inline constexpr std::array<Notation, 10> kNotations{
    Notation::Html,   Notation::Vb,     Notation::Delphi, Notation::Rgb,       Notation::Cpp,
    Notation::CssRgb, Notation::CssHsl, Notation::Hsv,    Notation::HtmlLower, Notation::Float};

// The list's caption for a notation ("HTML 模式", ...).
const char* captionOf(Notation notation);

// The code of a colour: "#RRGGBB" for HTML, "&hBBGGRR", "$00BBGGRR", "R,G,B", "0x00BBGGRR",
// "rgb(R G B)", "hsl(136.5 81% 37.1%)", "hsv(136.5, 89.5%, 67.1%)", "#rrggbb" and
// "0.071, 0.671, 0.235". The hsl() and hsv() parts have at most one decimal, the float parts
// three; every code reads back as the same colour.
std::string format(Notation notation, platform::Colour colour);

// Reads a typed code in a notation. In the hexadecimal notations the last six characters
// count and anything that is not a hexadecimal digit counts as 0. In RGB the first three
// comma-separated parts count, each held to 0..255; fewer parts raise SubscriptOutOfRange
// and a part that is no number raises TypeMismatch.
// The rgb(), hsl(), hsv() and float codes are read with or without their "name(" (any case)
// and ")", and anything after the ")" is ignored. Their first three parts count, separated
// by commas or, in a text without a comma, by blanks. rgb() parts are whole numbers as in
// RGB; the others may have any number of decimals or none. A hue wraps into 0..360 degrees,
// a percentage ("%" optional) is held to 0..100 and a float part to 0..1. The errors are
// those of RGB; a decimal part beyond what a double holds raises Overflow.
platform::Colour parse(Notation notation, std::string_view typed);

// Reads a typed code in the notation its start names, whatever notation is selected: "#"
// (HTML), "&h" (VB), "$" (Delphi), "0x" (C++), "rgb(", "hsl(" or "hsv(", in any case and
// after any blanks. A code without one of these is read in the selected notation.
platform::Colour parseTyped(Notation selected, std::string_view typed);

// Six upper-case hexadecimal digits, BBGGRR.
std::string bgrHex(platform::Colour colour);

// The value of a text of hexadecimal digits. A character that is not a hexadecimal digit
// counts as 0 at its place, so this never fails on bad characters; a text longer than
// 32767 characters, or one whose value is beyond a double, raises Overflow.
double hexValue(const std::string& digits);

// One character's digit value: "a".."f" and "A".."F" give 10..15; any other text gives its
// leading decimal number as a 16-bit integer (a digit's own value, 0 for anything else).
std::int16_t hexDigitValue(const std::string& character);

}  // namespace lindrel::colour_code
