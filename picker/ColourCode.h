#pragma once
// Colours written as codes in ten notations, and read back from typed codes.

#include <array>
#include <string>
#include <string_view>

#include "platform/Colour.h"
#include "platform/Result.h"

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

// Why a typed code gives no colour.
enum class CodeError {
  MissingParts,  // fewer than three parts
  NotANumber,    // a part that is no number
  OutOfRange,    // a part beyond what a number can hold
};

using ParsedColour = platform::Result<platform::Colour, CodeError>;

// Reads a typed code in a notation. In the hexadecimal notations the last six characters
// count and anything that is not a hexadecimal digit counts as 0. In RGB the first three
// comma-separated parts count, each held to 0..255.
// The rgb(), hsl(), hsv() and float codes are read with or without their "name(" (any case)
// and ")", and anything after the ")" is ignored. Their first three parts count, separated
// by commas or, in a text without a comma, by blanks. rgb() parts are whole numbers as in
// RGB; the others may have any number of decimals or none. A hue wraps into 0..360 degrees,
// a percentage ("%" optional) is held to 0..100 and a float part to 0..1.
ParsedColour parse(Notation notation, std::string_view typed);

// Reads a typed code in the notation its start names, whatever notation is selected: "#"
// (HTML), "&h" (VB), "$" (Delphi), "0x" (C++), "rgb(", "hsl(" or "hsv(", in any case and
// after any blanks. A code without one of these is read in the selected notation.
ParsedColour parseTyped(Notation selected, std::string_view typed);

}  // namespace lindrel::colour_code
