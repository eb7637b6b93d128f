#pragma once
// Numbers as the program writes and reads them. The decimal point is always ".", whatever
// the user's locale.

#include <string>
#include <string_view>

#include "platform/Result.h"

namespace lindrel::text {

using platform::Result;

// A number with exactly this many decimals, at least one digit before the point, halves
// rounded away from zero on the number's first 15 decimal digits (2.675 -> "2.68", as a
// reader expects, not "2.67" as its binary value would give): twoDecimals(1.5) is "1.50".
std::string fixedDecimals(double value, int decimals);
inline std::string twoDecimals(double value) { return fixedDecimals(value, 2); }
// A number to a tenth, without a trailing ".0": "0.5", "4.2", "70".
std::string atMostOneDecimal(double value);

enum class NumberError { NotANumber, OutOfRange };

// A decimal number: sign, digits with at most one point, an optional exponent, blanks
// around it allowed. Anything else, or nothing, is NotANumber; beyond a double, OutOfRange.
Result<double, NumberError> parseDecimal(std::string_view text);
// A whole number from min to max; a fraction rounds half to even.
Result<int, NumberError> parseWhole(std::string_view text, int min, int max);

}  // namespace lindrel::text
