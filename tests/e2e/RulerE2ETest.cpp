// The ruler as a user sees it on a 1280 x 800 screen, from another process.

#include "tests/e2e/RulerProgram.h"

namespace lindrel::e2e {
namespace {

// Pixels of an area that are not the ruler's yellow: text, smoothed or not.
int inkIn(const Box& area) {
  int n = 0;
  for (LONG y = area.top; y < area.bottom; ++y) {
    for (LONG x = area.left; x < area.right; ++x) n += screenPixel(x, y) != kYellow;
  }
  return n;
}

using RulerE2E = RulerProgram;

TEST_F(RulerE2E, StartsAsAHalfScreenYellowStripCentredTopmostOutOfTheTaskbarWithItsScaleAndReadout) {
  const Box r = rectOf(ruler);
  EXPECT_EQ(r, (Box{320, 366, 960, 433}));
  EXPECT_TRUE(isTopmost(ruler));
  const LONG ex = ::GetWindowLongW(ruler, GWL_EXSTYLE);
  EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(ex & WS_EX_APPWINDOW);
  EXPECT_EQ(::GetWindowLongW(ruler, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
  // The readout and the credit, between the scale's numbers and the bottom edge, right of the middle.
  EXPECT_GT(inkIn(Box{r.left + 400, r.top + 32, r.right - 6, r.top + 44}), 150);   // the readout
  EXPECT_GT(inkIn(Box{r.right - 120, r.top + 45, r.right - 6, r.bottom - 6}), 40);  // "Lindrel"
  EXPECT_EQ(inkIn(Box{r.left + 20, r.top + 40, r.left + 300, r.bottom}), 0);
  // The pixel scale along the top: a tick on every even column, none on the odd, in the rows every tick covers.
  for (int x = 0; x < 200; ++x) {
    for (int y = 0; y < 5; ++y) {
      ASSERT_EQ(screenPixel(r.left + x, r.top + y), x % 2 == 0 ? kBlack : kYellow) << "column " << x << " row " << y;
    }
  }
  EXPECT_EQ(tickLength(r, 2), 5);    // 70 twips
  EXPECT_EQ(tickLength(r, 4), 9);    // 140
  EXPECT_EQ(tickLength(r, 10), 14);  // 210
  EXPECT_GE(tickLength(r, 60), 19);  // 280, down into its number
  EXPECT_EQ(tickLength(r, 638), 5);  // the last tick before the right edge
}

}  // namespace
}  // namespace lindrel::e2e
