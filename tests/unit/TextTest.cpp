// The number and text conversions the forms rely on for every text they show or read.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/Units.h"
#include "tests/common/ErrorOf.h"

namespace lindrel::platform {
namespace {

using lindrel::testing::errorOf;

TEST(Rounding, TiesGoToTheEvenNeighbour) {
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(3.5), 4);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(-0.6667), -1);
  EXPECT_EQ(roundHalfEven(17.5), 18);  // the label row of a horizontal scale
  EXPECT_EQ(roundHalfEven(0.49999999999999994), 0);
}

TEST(Rounding, TwipsBecomeWholePixels) {
  EXPECT_EQ(pixelsFromTwips(1000), 67);  // 66.67
  EXPECT_EQ(pixelsFromTwips(7.5), 0);    // 0.5 ties to 0
  EXPECT_EQ(pixelsFromTwips(22.5), 2);   // 1.5 ties to 2
  EXPECT_EQ(pixelsFromTwips(-10), -1);
  EXPECT_EQ(errorOf([] { pixelsFromTwips(1e12); }), ErrorNumber::Overflow);
}

TEST(ShortestDecimal, WholeNumbersHaveNoPointAndFractionsNoLeadingZero) {
  EXPECT_EQ(text::shortestDecimal(0), "0");
  EXPECT_EQ(text::shortestDecimal(70), "70");
  EXPECT_EQ(text::shortestDecimal(0.5), ".5");
  EXPECT_EQ(text::shortestDecimal(4.2), "4.2");
  EXPECT_EQ(text::shortestDecimal(-0.25), "-.25");
  EXPECT_EQ(text::shortestDecimal(1.0 / 3), ".333333333333333");
  // 15 significant digits hide the binary error of an accumulated step.
  EXPECT_EQ(text::shortestDecimal(0.1 + 0.2), ".3");
  EXPECT_EQ(text::shortestDecimal(123456789012345.0), "123456789012345");
  EXPECT_EQ(text::shortestDecimal(1e20), "1E+20");
}

TEST(Format, TwoDecimalsWithoutLeadingZeroOrSeparator) {
  EXPECT_EQ(text::format(960, "#.00"), "960.00");
  EXPECT_EQ(text::format(67, "#.00"), "67.00");
  EXPECT_EQ(text::format(1005.0 / 7080, "#.00"), ".14");
  EXPECT_EQ(text::format(1920, "#.00"), "1920.00");
  EXPECT_EQ(text::format(123456.789, "#.00"), "123456.79");
  EXPECT_EQ(text::format(0, "#.00"), ".00");
  // Halves round away from zero on the decimal form, as a reader expects.
  EXPECT_EQ(text::format(0.125, "#.00"), ".13");
  EXPECT_EQ(text::format(2.675, "#.00"), "2.68");
  EXPECT_EQ(text::format(0.995, "#.00"), "1.00");
  EXPECT_EQ(text::format(-1.5, "#.00"), "-1.50");
}

TEST(Format, OneOptionalDecimalWithLeadingZero) {
  EXPECT_EQ(text::format(0.5, "0.#"), "0.5");
  EXPECT_EQ(text::format(0.2, "0.#"), "0.2");
  EXPECT_EQ(text::format(3, "0.#"), "3");
  EXPECT_EQ(text::format(0.04, "0.#"), "0");
  EXPECT_EQ(text::format(0.96, "0.#"), "1");
}

TEST(ToInteger16, ReadsNumbersWithBlanksAndRoundsHalfToEven) {
  EXPECT_EQ(text::toInteger16("255"), 255);
  EXPECT_EQ(text::toInteger16(" 18 "), 18);
  EXPECT_EQ(text::toInteger16("\t-7"), -7);
  EXPECT_EQ(text::toInteger16("+3"), 3);
  EXPECT_EQ(text::toInteger16("2.5"), 2);
  EXPECT_EQ(text::toInteger16("3.5"), 4);
  EXPECT_EQ(text::toInteger16(".5"), 0);
  EXPECT_EQ(text::toInteger16("1e2"), 100);
  EXPECT_EQ(text::toInteger16("032767"), 32767);
  EXPECT_EQ(text::toInteger16("-32768"), -32768);
}

TEST(ToInteger16, RejectsWhatIsNotANumberAndWhatDoesNotFit) {
  for (const char* bad : {"", " ", "abc", "12a", "1 2", "-", ".", "e5", "&hFF", "1,000"}) {
    EXPECT_EQ(errorOf([&] { text::toInteger16(bad); }), ErrorNumber::TypeMismatch) << '"' << bad << '"';
  }
  for (const char* big : {"32768", "-32769", "32767.5", "1e300", "99999999999999999999999"}) {
    EXPECT_EQ(errorOf([&] { text::toInteger16(big); }), ErrorNumber::Overflow) << big;
  }
  EXPECT_EQ(errorOf([] { text::toInteger16(std::nan("")); }), ErrorNumber::Overflow);
}

TEST(LeadingNumber, TakesTheNumberAtTheStartOrZero) {
  EXPECT_EQ(text::leadingNumber("7"), 7);
  EXPECT_EQ(text::leadingNumber("  12abc"), 12);
  EXPECT_EQ(text::leadingNumber("#"), 0);
  EXPECT_EQ(text::leadingNumber(""), 0);
  EXPECT_EQ(text::leadingNumber("-2.5x"), -2.5);
}

TEST(Slicing, CountsCharactersNotBytes) {
  const std::string mixed = "#像素AB";
  EXPECT_EQ(text::charCount(mixed), 5u);
  EXPECT_EQ(text::mid(mixed, 2, 2), "像素");
  EXPECT_EQ(text::mid(mixed, 5, 3), "B");
  EXPECT_EQ(text::mid(mixed, 9, 1), "");
  EXPECT_EQ(text::right(mixed, 3), "素AB");
  EXPECT_EQ(text::right("ab", 6), "ab");
  // Bytes that are not UTF-8 are still sliced without reading past the end.
  const std::string broken = "\x80\x80" "a\xE5";
  EXPECT_EQ(text::charCount(broken), 3u);
  EXPECT_EQ(text::right(broken, 1), "\xE5");
}

TEST(Split, KeepsEmptyPartsAndBlanks) {
  EXPECT_EQ(text::split("18,,60", ","), (std::vector<std::string>{"18", "", "60"}));
  EXPECT_EQ(text::split(" 18 , 171 ", ","), (std::vector<std::string>{" 18 ", " 171 "}));
  EXPECT_EQ(text::split("", ","), (std::vector<std::string>{""}));
}

TEST(Hex, UpperCaseWithoutPadding) {
  EXPECT_EQ(text::hexUpper(0), "0");
  EXPECT_EQ(text::hexUpper(0x3CAB12), "3CAB12");
  EXPECT_EQ(text::hexUpper(0xFFFFFFFF), "FFFFFFFF");
}

TEST(Utf16, RoundTripsAndReplacesBrokenInput) {
  const std::string chinese = "单位:像素 😀";
  EXPECT_EQ(text::fromUtf16(text::toUtf16(chinese)), chinese);
  EXPECT_EQ(text::toUtf16("\xE5\x8D"), u"\uFFFD");
  EXPECT_EQ(text::toUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong
  EXPECT_EQ(text::fromUtf16(u"\xD800"), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace lindrel::platform
