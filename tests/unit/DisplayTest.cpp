// Scaled and several monitors: the scales stay physical while texts, controls and the
// magnifier follow each monitor's DPI; every monitor works, also left of the primary one.

#include "tests/unit/PickerApp.h"

namespace lindrel::testing {
namespace {

using platform::sim::Monitor;
using platform::sim::SimConfig;

// A 2560 x 1600 monitor at 200 % left of a 1280 x 800 primary one at 100 %.
SimConfig twoMonitors(Point pointer = {100, 100}) {
  SimConfig config;
  config.monitors = {Monitor{Rect{0, 0, 1280, 800}, true, 96}, Monitor{Rect{-2560, 0, 0, 1600}, false, 192}};
  config.pointer = pointer;
  return config;
}
SimConfig oneMonitorAt(int dpi) { return {{Monitor{Rect{0, 0, 1280, 800}, true, dpi}}}; }

class Display : public SimApp {
 protected:
  explicit Display(SimConfig config) : SimApp(std::move(config)) {}
  std::vector<int> ticks(int from, int to) {
    std::vector<int> lengths;
    for (int column = from; column < to; ++column) lengths.push_back(tickLengthAt(column));
    return lengths;
  }
};

class StartOnTheScaledMonitor : public Display {
 protected:
  StartOnTheScaledMonitor() : Display(twoMonitors({-100, 900})) {}
};

TEST_F(StartOnTheScaledMonitor, CentredHalfItsLengthTextsGrownTicksPhysicalBandsGuardAndKeysScaled) {
  EXPECT_EQ(rulerWindow().dpi(), 192);
  EXPECT_EQ(rulerRect(), (Rect{-1920, 733, -640, 866}));  // 1280 x 133, centred on the left monitor
  EXPECT_NE(ruler().readoutLabel().caption().find("X: 1280.00 (640.00 @200%)"), std::string::npos);
  // A tick every 2 physical pixels, as at 100 %; numbers every 60 pixels, twice their size.
  EXPECT_EQ(ticks(0, 8), (std::vector<int>{19, 0, 5, 0, 9, 0, 5, 0}));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(rulerSurface().texts()[i].text, std::to_string(60 * i));
  EXPECT_EQ(rulerWindow().textSize(kScaleNumberFont, "0").y, 22);
  // The bands, the size guard and the keys follow the DPI.
  const Rect r = rulerRect();
  sim.moveCursor(Point{r.right - 7, r.top + 10});
  EXPECT_EQ(ruler().dragZone(), DragZone::RightEdge);  // 8 pixels wide at 200 %
  EXPECT_EQ(ruler().minimumSizePixels(), 67);          // 500 twips at 200 %
  sim.keyDown(platform::Key::Right);
  EXPECT_EQ(rulerRect().left, r.left + 1);  // still one physical pixel
  sim.onMessageBox = [](const platform::sim::MessageBoxRecord&) {};
  for (int i = 0; i < 67; ++i) sim.keyDown(platform::Key::Up, platform::kShiftOnly);
  EXPECT_EQ(messages(), std::vector<std::string>{"App Size Error by:zyn"});
  EXPECT_EQ(rulerRect().height(), 67);
}

class MovingBetweenMonitors : public Display {
 protected:
  MovingBetweenMonitors() : Display(twoMonitors()) {}
};

TEST_F(MovingBetweenMonitors, KeepsThePhysicalLengthAndScaleAndGrowsTheThicknessToTheLeastSizeSilently) {
  EXPECT_EQ(rulerWindow().dpi(), 96);
  const std::vector<int> scale = ticks(0, 120);
  const int length = rulerRect().width();
  sim.drag(rulerMiddle(), Point{-900, 400}, 20);
  EXPECT_EQ(rulerWindow().dpi(), 192);
  EXPECT_EQ(rulerRect().width(), length);
  EXPECT_EQ(rulerRect().height(), 133);
  EXPECT_EQ(ticks(0, 120), scale);
  EXPECT_NE(ruler().readoutLabel().caption().find("(320.00 @200%)"), std::string::npos);
  // Back at 100 %, the default thickness and the plain readout again.
  sim.drag(rulerMiddle(), Point{600, 400}, 20);
  EXPECT_EQ(rulerWindow().dpi(), 96);
  EXPECT_EQ(rulerRect().height(), 67);
  EXPECT_EQ(ruler().readoutLabel().caption(), "单位:像素 | X: 640.00 Y: 67.00");
  // A thickness of its own below the least size at 200 % grows to it, silently.
  ruler().window().setHeight(40 * 15);
  sim.drag(rulerMiddle(), Point{-900, 400}, 20);
  EXPECT_EQ(rulerRect().height(), 67);
  EXPECT_TRUE(sim.messageBoxes().empty());
}

class ReadoutOnScaledMonitors : public Display, public ::testing::WithParamInterface<std::pair<int, const char*>> {
 protected:
  ReadoutOnScaledMonitors() : Display(oneMonitorAt(GetParam().first)) {}
};

TEST_P(ReadoutOnScaledMonitors, PixelsAlsoInTheLogicalPixelsOfTheScale) {
  ruler().window().resize(1281 * 15, 200 * 15);
  EXPECT_NE(ruler().readoutLabel().caption().find(GetParam().second), std::string::npos) << ruler().readoutLabel().caption();
  // The centimetre units stay physical.
  ruler().setUnit(Unit::centimetres(Resolution::Dpi300));
  EXPECT_NE(ruler().readoutLabel().caption().find("X: 10.86"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Scales, ReadoutOnScaledMonitors,
                         ::testing::Values(std::pair{96, "X: 1281.00 Y: 200.00"},
                                           std::pair{120, "X: 1281.00 (1024.80 @125%)"},
                                           std::pair{144, "X: 1281.00 (854.00 @150%)"},
                                           std::pair{192, "X: 1281.00 (640.50 @200%)"}));

// Grown numbers never touch their neighbours: where they would, every second mark carries one.
TEST(NumberSpacing, NeighboursKeepAGapAtEveryDpiAndUnit) {
  for (const int dpi : {96, 120, 144, 192, 240}) {
    platform::sim::SimPlatform sim(oneMonitorAt(dpi));
    Application app(sim);
    app.start();
    for (const Unit unit : allUnits()) {
      app.ruler().setUnit(unit);
      const std::vector<Rect>& areas = app.ruler().numberAreas();
      ASSERT_GT(areas.size(), 2u);
      for (std::size_t i = 1; i < areas.size(); ++i) {
        EXPECT_GE(areas[i].left - areas[i - 1].right, 3 * dpi / 96) << dpi << " DPI, number " << i;
      }
    }
  }
}

// Started on the primary monitor at 100 %, or on the scaled one at 200 %; red left of the boundary, blue right.
class PickerOnMonitors : public PickerApp, public ::testing::WithParamInterface<bool> {
 protected:
  PickerOnMonitors()
      : PickerApp(twoMonitors(GetParam() ? Point{-100, 900} : Point{100, 100}),
                  [](Point p) { return p.x < 0 ? rgb(200, 0, 0) : rgb(0, 0, 200); }) {}
};

TEST_P(PickerOnMonitors, SamplesAcrossTheBoundaryAndScalesOnTheScaledMonitor) {
  const int dpi = GetParam() ? 192 : 96;
  EXPECT_EQ(window().dpi(), dpi);
  // Nothing overlaps or is cut by the window's edge.
  const std::vector<Rect> controls = window().controlRects();
  const Rect client{0, 0, window().clientSize().x, window().clientSize().y};
  for (std::size_t i = 0; i < controls.size(); ++i) {
    EXPECT_EQ(platform::intersect(controls[i], client), controls[i]);
    for (std::size_t j = i + 1; j < controls.size(); ++j) EXPECT_TRUE(platform::intersect(controls[i], controls[j]).empty());
  }
  // The pen just right of the boundary: the pixel under it, and the blocks of its
  // left neighbour (on the other monitor, beyond the outline) and of itself, 5 pixels at
  // 100 %, 10 at 200 %.
  penTo(Point{0, 300});
  EXPECT_EQ(picker().colour(), rgb(0, 0, 200));
  const int block = 5 * dpi / 96, pointer = 20 * block;
  EXPECT_EQ(magnified(pointer - 2, pointer), rgb(200, 0, 0));
  EXPECT_EQ(magnified(pointer, pointer), rgb(0, 0, 200));
  EXPECT_EQ(magnified(pointer + block - 1, pointer + block - 1), rgb(0, 0, 200));
}

INSTANTIATE_TEST_SUITE_P(StartingOnEither, PickerOnMonitors, ::testing::Bool());

}  // namespace
}  // namespace lindrel::testing
