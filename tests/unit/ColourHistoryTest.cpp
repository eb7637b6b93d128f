// The taken colours: newest first, each once, twelve at most.

#include <gtest/gtest.h>

#include "picker/ColourHistory.h"

namespace lindrel::testing {
namespace {

using Colours = std::vector<platform::Colour>;

TEST(ColourHistory, TakingPutsAColourFirstOnceAndDropsTheOldestPastTwelve) {
  ColourHistory history;
  for (platform::Colour c = 1; c <= 3; ++c) history.take(c);
  EXPECT_EQ(history.colours(), (Colours{3, 2, 1}));
  history.take(1);  // taken again: moves, not added
  history.take(1);
  EXPECT_EQ(history.colours(), (Colours{1, 3, 2}));
  history.take(2);
  EXPECT_EQ(history.colours(), (Colours{2, 1, 3}));
  for (platform::Colour c = 4; c <= 13; ++c) history.take(c);
  EXPECT_EQ(history.colours(), (Colours{13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 2, 1}));  // 3 was the oldest
  history.take(1);  // the last one
  EXPECT_EQ(history.colours(), (Colours{1, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 2}));
  EXPECT_EQ(history.colourAt(11), 2u);
  EXPECT_EQ(history.colourAt(12), std::nullopt);
}

TEST(ColourHistory, TheContrastPartnerIsTheNewestColourThatDiffers) {
  ColourHistory history;
  EXPECT_EQ(history.newestOtherThan(0), std::nullopt);
  history.take(7);
  EXPECT_EQ(history.newestOtherThan(7), std::nullopt);
  EXPECT_EQ(history.newestOtherThan(5), 7u);
  history.take(5);
  EXPECT_EQ(history.newestOtherThan(5), 7u);  // the newest is the same colour
  EXPECT_EQ(history.newestOtherThan(9), 5u);
}

}  // namespace
}  // namespace lindrel::testing
