// The ruler's scales as a user reads them: tick columns and lengths on the surface, and
// where each number is written.

#include "tests/unit/SimApp.h"

namespace lindrel::testing {
namespace {

using platform::kBlack;

class PixelScale : public SimApp {};

TEST_F(PixelScale, TicksAlongTheTopEdgeEveryTwoPixelsWithLongerOnesAtFourTenAndThirty) {
  EXPECT_EQ(tickLengthAt(0), 19);   // 280 twips: every 30th pixel
  EXPECT_EQ(tickLengthAt(2), 5);    // 70 twips
  EXPECT_EQ(tickLengthAt(4), 9);    // 140 twips: every 4th pixel
  EXPECT_EQ(tickLengthAt(10), 14);  // 210 twips: every 10th pixel
  EXPECT_EQ(tickLengthAt(30), 19);
  EXPECT_EQ(tickLengthAt(1), 0);
  EXPECT_EQ(tickLengthAt(3), 0);
  EXPECT_EQ(surfacePixel(30, 19), kYellow);
}

TEST_F(PixelScale, NumbersAreCentredOnEveryThirtiethPixel) {
  EXPECT_TRUE(wroteText("0", {2, 18}));
  EXPECT_TRUE(wroteText("30", {24, 18}));
  EXPECT_TRUE(wroteText("60", {54, 18}));
  EXPECT_TRUE(wroteText("120", {111, 18}));
  EXPECT_TRUE(wroteText("1980", {1968, 18}));
  // On a desktop narrower than 2000 pixels the scale still reaches 30000 twips.
  EXPECT_EQ(rulerSurface().texts().size(), 67u);
  EXPECT_EQ(rulerSurface().texts().back().text, "1980");
}

TEST_F(PixelScale, VerticalScaleRunsDownTheLeftEdge) {
  frmMain& r = ruler();
  r.window().cls();
  r.window().setWidth(1000);
  r.window().setHeight(r.stretchedHeight());
  r.Pixel_V();
  EXPECT_EQ(tickLengthAtRow(0), 19);
  EXPECT_EQ(tickLengthAtRow(2), 5);
  EXPECT_EQ(tickLengthAtRow(4), 9);
  EXPECT_EQ(tickLengthAtRow(10), 14);
  EXPECT_TRUE(wroteText("0", {23, 0}));
  EXPECT_TRUE(wroteText("30", {23, 25}));
  EXPECT_TRUE(wroteText("1980", {23, 1975}));
}

TEST_F(PixelScale, DrawingAgainWithoutClearingChangesNothing) {
  const auto before = rulerSurface();
  ruler().Pixel_H();
  for (int x = 0; x < 200; ++x) {
    for (int y = 0; y < 30; ++y) ASSERT_EQ(rulerSurface().at({x, y}), before.at({x, y})) << x << "," << y;
  }
}

class WideDesktop : public SimApp {
 protected:
  WideDesktop()
      : SimApp(platform::sim::SimConfig{{{Rect{0, 0, 1280, 800}, true}, {Rect{1280, -600, 3840, 2280}, false}}}) {}
};

TEST_F(WideDesktop, TheScaleReachesPastPixel2000ToTheEndOfTheDesktop) {
  // 3840 pixels of desktop plus 500 twips: ticks up to pixel 3872.
  EXPECT_EQ(tickLengthAt(2000), 14);  // where a 30000-twip scale would end: 210 twips
  EXPECT_EQ(tickLengthAt(3002), 5);
  EXPECT_EQ(tickLengthAt(3840), 19);
  EXPECT_EQ(tickLengthAt(3872), 9);
  EXPECT_TRUE(wroteText("2010", {1998, 18}));
  EXPECT_TRUE(wroteText("3870", {3858, 18}));
  EXPECT_EQ(rulerSurface().texts().back().text, "3870");
}

TEST_F(WideDesktop, AVerticalScaleReachesTheTallestMonitor) {
  frmMain& r = ruler();
  r.window().cls();
  r.window().setWidth(1000);
  r.window().setHeight(r.stretchedHeight());
  r.Pixel_V();
  // 2880 pixels of desktop from top to bottom.
  EXPECT_EQ(tickLengthAtRow(2880), 19);
  EXPECT_TRUE(wroteText("1980", {23, 1975}));  // a 30000-twip scale would stop here
  EXPECT_TRUE(wroteText("2880", {23, 2875}));
}

class CentimetreScale : public SimApp {
 protected:
  void draw(std::int16_t dpi, bool horizontal = true) {
    frmMain& r = ruler();
    r.window().cls();
    if (horizontal) {
      r.window().setWidth(r.stretchedWidth());
      r.cm_H(dpi);
    } else {
      r.window().setHeight(r.stretchedHeight());
      r.window().setWidth(1000);
      r.cm_V(dpi);
    }
  }
  std::string lastNumber() { return rulerSurface().texts().back().text; }
};

TEST_F(CentimetreScale, At72DpiTheDriftCorrectionAccumulates) {
  draw(72);
  EXPECT_TRUE(wroteText("0", {2, 18}));
  EXPECT_TRUE(wroteText("1", {26, 18}));  // tick 10 at 420 twips
  EXPECT_TRUE(wroteText("2", {54, 18}));  // tick 20 at 855 twips: 15 twips of correction
  EXPECT_EQ(tickLengthAt(28), 16);        // the number's tick, 245 twips
  EXPECT_EQ(tickLengthAt(34), 12);        // tick 12 at 507 twips, a 4 mm tick of 175 twips
  EXPECT_EQ(tickLengthAt(40), 7);         // tick 14 at 594 twips: 105 twips
  EXPECT_EQ(tickLengthAt(31), 0);         // tick 11 at 463.5: odd ticks draw nothing
  EXPECT_EQ(lastNumber(), "70");
  draw(72, false);
  EXPECT_TRUE(wroteText("0", {23, -2}));
  EXPECT_TRUE(wroteText("1", {23, 26}));
  EXPECT_TRUE(wroteText("2", {23, 55}));
  EXPECT_EQ(tickLengthAtRow(34), 12);
}

TEST_F(CentimetreScale, At200DpiTheCorrectionPullsTicksBack) {
  draw(200);
  EXPECT_TRUE(wroteText("1", {76, 18}));  // tick 10 at 1185 twips
  EXPECT_EQ(tickLengthAt(87), 7);         // tick 11 at 1302 twips
  EXPECT_EQ(tickLengthAt(95), 7);         // tick 12 at 1419 twips
  EXPECT_EQ(tickLengthAt(118), 12);       // tick 15 at 1770 twips, a 5 mm tick
  EXPECT_EQ(lastNumber(), "25");
}

TEST_F(CentimetreScale, At300DpiEveryMillimetreHasATick) {
  draw(300);
  EXPECT_TRUE(wroteText("1", {116, 18}));  // 1770 twips
  EXPECT_EQ(tickLengthAt(12), 7);          // 177 twips, 1 mm
  EXPECT_EQ(tickLengthAt(59), 12);         // 885 twips, 5 mm
  EXPECT_EQ(lastNumber(), "16");
}

TEST_F(CentimetreScale, At600DpiNumberColumnsFollowTheAccumulatedStep) {
  draw(600);
  // 50 additions of 35.4 come to 1770.0000000000016: 110.50000000000010 rounds up...
  EXPECT_TRUE(wroteText("0.5", {111, 18}));
  // ...while 150 come to 5309.9999999999945: 346.4999 rounds down, and 200 to 469.4999.
  EXPECT_TRUE(wroteText("1.5", {346, 18}));
  EXPECT_TRUE(wroteText("2", {469, 18}));
  EXPECT_TRUE(wroteText("1", {234, 18}));
  EXPECT_EQ(lastNumber(), "8");
  EXPECT_EQ(tickLengthAt(12), 7);   // tick 5 at 177 twips: 0.5 mm
  EXPECT_EQ(tickLengthAt(59), 12);  // tick 25 at 885 twips: 2.5 mm
  EXPECT_EQ(tickLengthAt(2), 0);    // tick 1 draws nothing
}

TEST_F(CentimetreScale, At1200DpiExtraNumbersEveryTwoMillimetres) {
  draw(1200);
  EXPECT_TRUE(wroteText("0", {2, 18}));
  EXPECT_TRUE(wroteText("0.2", {87, 18}));    // tick 100 at 1416.0000000000016
  EXPECT_TRUE(wroteText("1", {469, 18}));     // tick 500 at 7079.99999999995: 469.49999
  EXPECT_TRUE(wroteText("4.2", {1975, 18}));  // the last number
  EXPECT_EQ(lastNumber(), "4.2");
  EXPECT_EQ(tickLengthAt(472), 16);  // 1 cm
  EXPECT_EQ(tickLengthAt(47), 16);   // tick 50: 1 mm, 245 twips
  EXPECT_EQ(tickLengthAt(19), 12);   // tick 20: 0.4 mm, 175 twips
  EXPECT_EQ(tickLengthAt(9), 7);     // tick 10: 0.2 mm, 105 twips
  draw(1200, false);
  EXPECT_TRUE(wroteText("0", {23, -2}));
  EXPECT_TRUE(wroteText("0.2", {23, 88}));
  EXPECT_TRUE(wroteText("1", {23, 470}));
}

TEST_F(CentimetreScale, AnUnknownResolutionDrawsNothing) {
  ruler().window().cls();
  std::int16_t dpi = 150;
  ruler().cm_H(dpi);
  EXPECT_TRUE(rulerSurface().texts().empty());
  EXPECT_EQ(tickLengthAt(0), 0);
}

}  // namespace
}  // namespace lindrel::testing
