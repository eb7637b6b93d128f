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

TEST(Rounding, TiesGoToTheEvenNeighbourAndTwipsBecomeWholePixels) {
  const std::pair<double, double> ties[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-0.6667, -1}, {17.5, 18},
                                            {0.49999999999999994, 0}};
  for (const auto& [value, rounded] : ties) EXPECT_EQ(roundHalfEven(value), rounded) << value;
  // 1000 twips are 66.67 pixels; 7.5 and 22.5 are the ties 0.5 and 1.5.
  const std::pair<double, int> twips[] = {{1000, 67}, {7.5, 0}, {22.5, 2}, {-10, -1}};
  for (const auto& [value, pixels] : twips) EXPECT_EQ(pixelsFromTwips(value), pixels) << value;
  EXPECT_EQ(errorOf([] { pixelsFromTwips(1e12); }), ErrorNumber::Overflow);
}

TEST(NumberText, ShortestDecimalAndDisplayPatterns) {
  const std::pair<double, const char*> shortest[] = {
      {0, "0"}, {70, "70"}, {0.5, ".5"}, {4.2, "4.2"}, {-0.25, "-.25"}, {1.0 / 3, ".333333333333333"},
      {0.1 + 0.2, ".3"},  // 15 significant digits hide the binary error of an accumulated step
      {123456789012345.0, "123456789012345"}, {1e20, "1E+20"},
  };
  for (const auto& [value, expected] : shortest) EXPECT_EQ(text::shortestDecimal(value), expected);
  struct Case { double value; const char* pattern; const char* expected; };
  const Case patterns[] = {
      {960, "#.00", "960.00"}, {1005.0 / 7080, "#.00", ".14"}, {123456.789, "#.00", "123456.79"}, {0, "#.00", ".00"},
      // Halves round away from zero on the decimal form, as a reader expects.
      {0.125, "#.00", ".13"}, {2.675, "#.00", "2.68"}, {0.995, "#.00", "1.00"}, {-1.5, "#.00", "-1.50"},
      {0.5, "0.#", "0.5"}, {3, "0.#", "3"}, {0.04, "0.#", "0"}, {0.96, "0.#", "1"},
  };
  for (const Case& c : patterns) EXPECT_EQ(text::format(c.value, c.pattern), c.expected) << c.value << c.pattern;
}

TEST(ToInteger16, ReadsNumbersWithBlanksRoundsHalfToEvenAndRejectsTheRest) {
  const std::pair<const char*, int> good[] = {{"255", 255},  {" 18 ", 18}, {"\t-7", -7},  {"+3", 3},
                                              {"2.5", 2},     {"3.5", 4},    {".5", 0},     {"1e2", 100},
                                              {"032767", 32767}, {"-32768", -32768}};
  for (const auto& [typed, value] : good) EXPECT_EQ(text::toInteger16(typed), value) << typed;
  for (const char* bad : {"", " ", "abc", "12a", "1 2", "-", ".", "e5", "&hFF", "1,000"}) {
    EXPECT_EQ(errorOf([&] { text::toInteger16(bad); }), ErrorNumber::TypeMismatch) << '"' << bad << '"';
  }
  for (const char* big : {"32768", "-32769", "32767.5", "1e300", "99999999999999999999999"}) {
    EXPECT_EQ(errorOf([&] { text::toInteger16(big); }), ErrorNumber::Overflow) << big;
  }
  EXPECT_EQ(errorOf([] { text::toInteger16(std::nan("")); }), ErrorNumber::Overflow);
}

TEST(LeadingNumber, TakesTheNumberAtTheStartOrZero) {
  const std::pair<const char*, double> cases[] = {{"7", 7}, {"  12abc", 12}, {"#", 0}, {"", 0}, {"-2.5x", -2.5}};
  for (const auto& [typed, value] : cases) EXPECT_EQ(text::leadingNumber(typed), value) << typed;
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

TEST(Utf16, RoundTripsAndReplacesBrokenInput) {
  const std::string chinese = "单位:像素 😀";
  EXPECT_EQ(text::fromUtf16(text::toUtf16(chinese)), chinese);
  EXPECT_EQ(text::toUtf16("\xE5\x8D"), u"\uFFFD");
  EXPECT_EQ(text::toUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong
  EXPECT_EQ(text::fromUtf16(u"\xD800"), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace lindrel::platform
