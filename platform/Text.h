#pragma once
// Number and text conversions every implementation of the platform shares: number to
// text, the display patterns, text to a 16-bit integer, hexadecimal text, splitting,
// and character-wise slicing of UTF-8 text. The decimal point is always ".".

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lindrel::platform::text {

// The shortest decimal text of a number at 15 significant digits: whole values without a
// point, others with as few decimals as needed and no leading zero (0.5 -> ".5").
std::string shortestDecimal(double value);

// A number through a display pattern of '0' (digit always shown) and '#' (digit shown when
// significant), with an optional '.': "#.00" gives ".14" and "1920.00"; "0.#" gives "0.5".
// Rounds half away from zero on the 15-digit decimal form. No group separators.
std::string format(double value, std::string_view pattern);

// Text to a 16-bit integer: blanks around the number are ignored, a fraction rounds half to
// even. Empty text or text that is not a number raises TypeMismatch; a number outside
// -32768..32767 raises Overflow.
std::int16_t toInteger16(std::string_view text);
std::int16_t toInteger16(double value);

// Text to a number in the same form: blanks around it are ignored; empty text or text that
// is not a number raises TypeMismatch, and a number beyond what a double holds Overflow.
double toDouble(std::string_view text);

// The leading decimal number of a text (0 when it starts with none); never fails.
double leadingNumber(std::string_view text);

// Upper-case hexadecimal digits without sign or padding: 255 -> "FF".
std::string hexUpper(std::uint32_t value);

// Splits at every separator; neither trims nor drops empty parts ("a,,b" -> a, "", b).
std::vector<std::string> split(std::string_view text, std::string_view separator);

// Character-wise slicing of UTF-8 text (one character is one code point; a stray
// continuation byte at the start counts as a character of its own).
std::size_t charCount(std::string_view text);
// Up to count characters starting at the 1-based character position start (empty past the end).
std::string mid(std::string_view text, std::size_t start, std::size_t count);
std::string right(std::string_view text, std::size_t count);

// UTF-8 and UTF-16 both ways; bytes that are not UTF-8 become U+FFFD, as do lone surrogates.
std::u16string toUtf16(std::string_view utf8);
std::string fromUtf16(std::u16string_view utf16);

}  // namespace lindrel::platform::text
