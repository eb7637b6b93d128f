// The contrast ratio against pairs worked out by hand from the WCAG formula, its text cut to
// two decimals and the levels it reaches; the history of taken colours it is measured from.

#include <gtest/gtest.h>

#include <cmath>

#include "picker/ColourHistory.h"
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
      {rgb(0, 0, 0), rgb(255, 0, 0), 5.252, "5.25:1", TextLevel::AA},                 // 0.2626 / 0.05
      {rgb(119, 119, 119), rgb(255, 255, 255), 4.47809, "4.47:1", TextLevel::Fails},  // 1.05 / 0.234475
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
  EXPECT_EQ(contrast::textLevelOf(4.5), TextLevel::AA);
  EXPECT_EQ(contrast::textLevelOf(std::nextafter(7.0, 0.0)), TextLevel::AA);
  EXPECT_EQ(contrast::textLevelOf(7), TextLevel::AAA);
}

using Colours = std::vector<platform::Colour>;

TEST(ColourHistory, TakingPutsAColourFirstOnceAndDropsTheOldestPastTwelve) {
  ColourHistory history;
  for (const platform::Colour c : {1, 2, 3, 1, 1, 2}) history.take(c);
  EXPECT_EQ(history.colours(), (Colours{2, 1, 3}));  // moved, not added again
  for (platform::Colour c = 4; c <= 13; ++c) history.take(c);
  EXPECT_EQ(history.colours(), (Colours{13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 2, 1}));  // 3, the oldest, went
  history.take(1);  // the last one
  EXPECT_EQ(history.colours(), (Colours{1, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 2}));
  EXPECT_EQ(history.colourAt(11), 2u);
  EXPECT_EQ(history.colourAt(12), std::nullopt);
}

TEST(ColourHistory, TheContrastPartnerIsTheNewestColourThatDiffers) {
  ColourHistory history;
  history.take(7);
  EXPECT_EQ(history.newestOtherThan(7), std::nullopt);
  history.take(5);
  EXPECT_EQ(history.newestOtherThan(5), 7u);  // the newest is the same colour
  EXPECT_EQ(history.newestOtherThan(9), 5u);
}

}  // namespace
}  // namespace lindrel::testing
