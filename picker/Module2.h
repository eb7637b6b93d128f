#pragma once
// Hexadecimal helpers for reading a typed colour code back into a number.

#include <cstdint>
#include <string>

namespace lindrel::Module2 {

// The value of a text of hexadecimal digits. A character that is not a hexadecimal digit
// counts as 0 at its place, so this never fails on bad characters; a text longer than
// 32767 characters raises Overflow.
double hexToDec(const std::string& s);

// One character's digit value: "a".."f" and "A".."F" give 10..15; any other text gives its
// leading decimal number as a 16-bit integer (a digit's own value, 0 for anything else).
std::int16_t hexDigitVal(const std::string& c);

}  // namespace lindrel::Module2
