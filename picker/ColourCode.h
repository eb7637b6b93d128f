#pragma once
// Colours written as codes in ten notations, and read back from typed codes.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Colour.h"
#include "platform/Result.h"

namespace lindrel::colour_code {

// In the order of the magnifier's list.
enum class Notation { Html, Vb, Delphi, Rgb, Cpp, CssRgb, CssHsl, Hsv, HtmlLower, Float };

inline constexpr std::array<Notation, 10> kNotations{
    Notation::Html,   Notation::Vb,     Notation::Delphi, Notation::Rgb,       Notation::Cpp,
    Notation::CssRgb, Notation::CssHsl, Notation::Hsv,    Notation::HtmlLower, Notation::Float};

// The list's caption for a notation ("HTML 模式", ...).
std::string captionOf(Notation notation);

// The code of a colour: "#RRGGBB" for HTML, "&hBBGGRR", "$00BBGGRR", "R,G,B", "0x00BBGGRR",
// "rgb(R G B)", "hsl(136.5 81% 37.1%)", "hsv(136.5, 89.5%, 67.1%)", "#rrggbb" and
// "0.071, 0.671, 0.235". The hsl() and hsv() parts have at most one decimal, the float parts
// three; every code reads back as the same colour.
std::string format(Notation notation, platform::Colour colour);

// The notation's short name, as a message names it: "HTML", "CSS rgb()", "浮点".
std::string nameOf(Notation notation);

// Why a typed code gives no colour, and where.
struct CodeError {
  enum class Problem {
    MissingParts,   // fewer than three numbers
    EmptyPart,      // a number left out between two commas
    NotANumber,     // a part that is no number
    TooLarge,       // a number beyond what can be held, or a hexadecimal value above FFFFFF
    DigitCount,     // a hexadecimal code of a length no colour has
    NotAHexDigit,   // a character of a hexadecimal code that is no hexadecimal digit
  };
  Problem problem;
  Notation notation;  // the notation the code was read in
  int at = 0;         // which number (from 1), or which character of the code (from 1)
  std::string what;   // that number or character, as typed
  friend bool operator==(const CodeError&, const CodeError&) = default;
};

using ParsedColour = platform::Result<platform::Colour, CodeError>;

// Reads a typed code in a notation, as a user means it. Full-width characters, as a Chinese
// input method types them ("，", "＃", "１８"), read as the ASCII characters they stand for.
// HTML: "#RGB", "#RRGGBB", and with alpha "#RGBA", "#RRGGBBAA" (the alpha is ignored), the
// "#" optional. VB, Delphi and C++: their prefix optional, then up to eight hexadecimal
// digits of a value no greater than FFFFFF (BBGGRR).
// RGB, and rgb(), hsl(), hsv() and float codes with or without "rgb(" ("rgba(", "hsla(")
// and ")": the first three numbers count, separated by commas or, where there is no comma,
// by blanks; an alpha after "/" or as a fourth number is ignored. RGB and rgb() numbers are
// held to 0..255 and rounded; a hue wraps into 0..360 degrees ("deg" optional), a
// percentage ("%" optional) is held to 0..100, a float to 0..1.
ParsedColour parse(Notation notation, std::string_view typed);

// Reads a typed code in the notation its start names, whatever notation is selected: "#"
// (HTML), "&h" (VB), "$" (Delphi), "0x" (C++), "rgb(", "rgba(", "hsl(", "hsla(" or "hsv(", in
// any case and after any blanks. A code without one of these is read in the selected notation.
ParsedColour parseTyped(Notation selected, std::string_view typed);

}  // namespace lindrel::colour_code
