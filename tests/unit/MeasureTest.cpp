// Measuring on painted captures: where spans end, where Ctrl snaps an end, and what a
// measurement reads in each unit.

#include <gtest/gtest.h>

#include <functional>

#include "measure/Measurement.h"

namespace lindrel::testing {
namespace {

using measure::Spans;
using platform::Colour;
using platform::Point;
using platform::Rect;
using platform::rgb;

constexpr Colour kWhite = platform::kWhite, kBlack = platform::kBlack;

// A capture of an area painted pixel by pixel from its own top-left, holding its pixels.
struct Painted {
  Painted(const Rect& area, const std::function<Colour(int x, int y)>& paint) {
    for (int y = 0; y < area.height(); ++y) {
      for (int x = 0; x < area.width(); ++x) pixels.push_back(platform::imagePixel(paint(x, y)));
    }
    image = {area, pixels.data(), area.width()};
  }
  Painted(const Painted&) = delete;
  operator const platform::ScreenImage&() const { return image; }
  std::vector<std::uint32_t> pixels;
  platform::ScreenImage image;
};

const auto noise = [](int x, int y) {  // grey 128, each channel off by up to 10
  return rgb(118 + (7 * x + 3 * y) % 21, 118 + (5 * x + 11 * y) % 21, 118 + (3 * x + 7 * y) % 21);
};
const auto gradient = [](int x, int y) { return rgb(4 * x, 100, 3 * y); };
const auto yellowOnWhite = [](int x, int) { return x < 12 ? kWhite : rgb(255, 255, 0); };
const auto line = [](int x, int y) { return x == 12 && y >= 3 && y <= 16 ? kBlack : kWhite; };  // x 12, y 3..16

TEST(Measure, SpansRunToTheLastPixelMatchingThePointersOwnAndStopAtTheMonitorsEdge) {
  const struct { const char* what; Rect area; Colour (*paint)(int, int); Point at; int tolerance; Spans spans; } cases[] = {
      {"noise within the tolerance", {0, 0, 20, 10}, noise, {3, 0}, 30, {0, 19, 0, 9}},
      // Red 40 at x 10 matches 28..52 (x 7..13); blue 30 at y 10 matches 18..42 (y 6..14).
      {"a gradient, past its small steps", {0, 0, 40, 30}, gradient, {10, 10}, 12, {7, 13, 6, 14}},
      {"yellow on white differs in blue alone", {0, 0, 20, 10}, yellowOnWhite, {5, 5}, 200, {0, 11, 0, 9}},
      {"beside a one-pixel line", {0, 0, 30, 20}, line, {5, 10}, 30, {0, 11, 0, 19}},
      {"along the line", {0, 0, 30, 20}, line, {12, 8}, 30, {12, 12, 3, 16}},
      {"left of the primary monitor", {-1920, -200, -1890, -180}, line, {-1908, -192}, 30, {-1908, -1908, -197, -184}},
  };
  for (const auto& c : cases) {
    const Painted capture(c.area, c.paint);
    EXPECT_EQ(measure::spansAt(capture, c.at, c.tolerance), c.spans) << c.what;
  }
  EXPECT_FALSE(measure::spansAt(Painted({0, 0, 30, 20}, line), {30, 5}, 30));  // off the capture
}

TEST(Measure, CtrlTakesAnEndToTheNearestDifferingPixelWithinEightPixels) {
  const Painted capture({0, 0, 30, 30}, [](int x, int) { return x == 20 ? kBlack : kWhite; });
  const struct { Point at; std::optional<Point> to; } cases[] = {
      {{15, 10}, Point{20, 10}},  // 5 pixels from the line
      {{20, 10}, Point{20, 10}},  // on it
      {{12, 10}, Point{20, 10}},  // 8 pixels away
      {{11, 10}, std::nullopt},   // 9
  };
  for (const auto& c : cases) EXPECT_EQ(measure::snapToEdge(capture, c.at, 30), c.to) << c.at.x;
}

TEST(Measure, ReadingsInPixelsScaledPixelsAndCentimetres) {
  const measure::TwoPoints example = measure::between({10, 10}, {310, 410});
  EXPECT_EQ(measure::twoPointsText(example, Unit::pixels()), "dx 300, dy 400, 500.00 px, 53.13°");
  EXPECT_EQ(measure::twoPointsText(measure::between({310, 410}, {10, 410}), Unit::pixels()), "dx -300, dy 0, 300.00 px, 0.00°");
  EXPECT_EQ(measure::twoPointsText(example, Unit::centimetres(Resolution::Dpi300)), "dx 2.54, dy 3.39, 4.24 cm, 53.13°");
  const Spans spans{0, 117, 0, 235};
  EXPECT_EQ(measure::spacingText(spans, Unit::centimetres(Resolution::Dpi300)), "1.00 × 2.00 cm");
  // On a monitor at 200 %, the label adds the size in the pixels applications use there.
  const Painted white({0, 0, 300, 400}, [](int, int) { return kWhite; });
  measure::Measurement scaled({{white, 192}}, Unit::pixels(), {5, 5});
  EXPECT_EQ(scaled.label(), (std::vector<std::string>{"300 × 400 px (150.00 × 200.00 @200%)", "容差 30"}));
  scaled.turnWheel(-7);
  EXPECT_EQ(scaled.tolerance(), 0);
}

TEST(Measure, ARightClickDropsALineBeingDrawnAndOtherwiseLeavesAndArrowsStayOnTheScreen) {
  const Painted white({0, 0, 20, 20}, [](int, int) { return kWhite; });
  measure::Measurement m({{white, 96}}, Unit::pixels(), {18, 5});
  m.enter(false);
  EXPECT_EQ(m.arrow({10, 0}, false), (Point{18, 5}));  // off the screen: stays
  EXPECT_EQ(m.arrow({1, 0}, false), (Point{19, 5}));
  EXPECT_FALSE(m.rightClick());
  EXPECT_FALSE(m.line());
  EXPECT_EQ(m.text(), "20 × 20 px");
  EXPECT_TRUE(m.rightClick());
}

}  // namespace
}  // namespace lindrel::testing
