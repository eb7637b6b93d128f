// Colour names: CIELAB, the CIEDE2000 difference and the nearest CSS name of a colour.

#include <gtest/gtest.h>

#include <algorithm>

#include "picker/ColourNames.h"
#include "platform/Colour.h"

namespace lindrel::testing {
namespace {

using namespace colour_names;
using platform::rgb;

TEST(ColourNames, Ciede2000MatchesThePublishedPairsInEitherOrder) {
  // Sharma, Wu and Dalal (2005), Table 1: the pairs that catch the hue-angle mistakes.
  const struct { Lab first, second; double difference; } pairs[] = {
      {{50.0000, 2.6772, -79.7751}, {50.0000, 0.0000, -82.7485}, 2.0425},
      {{50.0000, -1.3802, -84.2814}, {50.0000, 0.0000, -82.7485}, 1.0000},
      {{50.0000, 0.0000, 0.0000}, {50.0000, -1.0000, 2.0000}, 2.3669},
      {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0009}, 7.1792},
      {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0011}, 7.2195},
      {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0009, -2.4900}, 4.8045},
      {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0011, -2.4900}, 4.7461},
      {{50.0000, 2.5000, 0.0000}, {50.0000, 0.0000, -2.5000}, 4.3065},
      {{50.0000, 2.5000, 0.0000}, {73.0000, 25.0000, -18.0000}, 27.1492},
      {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
      {{63.0109, -31.0961, -5.8663}, {62.8187, -29.7946, -4.0864}, 1.2630},
      {{61.2901, 3.7196, -5.3901}, {61.4292, 2.2480, -4.9620}, 1.8731},
      {{35.0831, -44.1164, 3.7933}, {35.0232, -40.0716, 1.5901}, 1.8645},
  };
  for (std::size_t i = 0; i < std::size(pairs); ++i) {
    const auto& [first, second, difference] = pairs[i];
    EXPECT_NEAR(ciede2000(first, second), difference, 1e-4) << "pair " << i + 1;
    EXPECT_NEAR(ciede2000(second, first), difference, 1e-4) << "pair " << i + 1 << ", reversed";
  }
}

TEST(ColourNames, EveryNamedColourNamesItselfOrItsFirstSynonym) {
  const auto table = namedColours();
  for (const NamedColour& named : table) {
    const auto first = std::ranges::find(table, named.colour, &NamedColour::colour);
    EXPECT_EQ(&nearestNamedColour(named.colour), &*first) << named.keyword;
  }
}

TEST(ColourNames, NearMissesTakeTheNearestName) {
  const std::pair<platform::Colour, const char*> cases[] = {
      {rgb(0xFF, 0x88, 0x00), "深橙色 (darkorange)"}, {rgb(1, 1, 1), "黑色 (black)"},
      {rgb(0xFE, 0xFE, 0xFE), "白色 (white)"},        {rgb(0x7F, 0x7F, 0x7F), "灰色 (gray)"},
      {rgb(0x00, 0x00, 0x81), "藏青色 (navy)"},       {rgb(0xD3, 0xD3, 0xD2), "浅灰色 (lightgray)"},
      // Plain distance in CIELAB would pick mediumblue and darkblue for these two.
      {rgb(0x00, 0x33, 0xFF), "蓝色 (blue)"},         {rgb(0x00, 0x22, 0xBB), "中蓝色 (mediumblue)"},
  };
  for (const auto& [colour, text] : cases) EXPECT_EQ(describe(nearestNamedColour(colour)), text) << std::hex << colour;
}

}  // namespace
}  // namespace lindrel::testing
