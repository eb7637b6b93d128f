// The contrast ratio against pairs worked out by hand from the WCAG formula, its two-decimal
// text and the levels it reaches.

#include <gtest/gtest.h>

#include "picker/Contrast.h"

namespace lindrel::testing {
namespace {

using contrast::TextLevel;
using platform::rgb;

TEST(Contrast, PairsWorkedOutByHandShowTheirCutRatioAndLevel) {
  const struct {
    platform::Colour first, second;
    double ratio;
    const char* text;
    TextLevel level;
  } cases[] = {
      {rgb(0, 0, 0), rgb(255, 255, 255), 21, "21.00:1", TextLevel::AAA},
      {rgb(40, 50, 60), rgb(40, 50, 60), 1, "1.00:1", TextLevel::Fails},
      {rgb(0, 0, 255), rgb(255, 255, 255), 8.59247, "8.59:1", TextLevel::AAA},  // 1.05 / 0.1222
      {rgb(0, 0, 0), rgb(255, 0, 0), 5.252, "5.25:1", TextLevel::AA},           // 0.2626 / 0.05
      {rgb(0, 0, 0), rgb(18, 171, 60), 6.91613, "6.91:1", TextLevel::AA},
      {rgb(118, 118, 118), rgb(255, 255, 255), 4.54222, "4.54:1", TextLevel::AA},     // 1.05 / 0.231164
      {rgb(119, 119, 119), rgb(255, 255, 255), 4.47809, "4.47:1", TextLevel::Fails},  // rounds to 4.48
      // L = 0.2126 * 0.396782 + 0.7152 * 0.138424 = 0.183357: 4.49955, which rounds to 4.50.
      {rgb(255, 255, 255), rgb(169, 104, 0), 4.49955, "4.49:1", TextLevel::Fails},
  };
  for (const auto& c : cases) {
    const double ratio = contrast::ratio(c.first, c.second);
    EXPECT_NEAR(ratio, c.ratio, 5e-5) << c.text;
    EXPECT_EQ(contrast::ratio(c.second, c.first), ratio);
    EXPECT_EQ(contrast::ratioText(ratio), c.text);
    EXPECT_EQ(contrast::textLevelOf(ratio), c.level) << c.text;
  }
}

TEST(Contrast, ALevelStartsAtItsOwnNumberAndNoTextBelowItShowsThatNumber) {
  const struct {
    double ratio;
    const char* text;
    TextLevel level;
  } cases[] = {{4.4999999, "4.49:1", TextLevel::Fails}, {4.5, "4.50:1", TextLevel::AA},
               {6.9999999, "6.99:1", TextLevel::AA}, {7, "7.00:1", TextLevel::AAA}};
  for (const auto& c : cases) {
    EXPECT_EQ(contrast::ratioText(c.ratio), c.text);
    EXPECT_EQ(contrast::textLevelOf(c.ratio), c.level) << c.text;
  }
}

}  // namespace
}  // namespace lindrel::testing
