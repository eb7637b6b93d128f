// Monitors of different DPIs at once, which Wine cannot make: a 2560 x 1600 monitor at 200 %
// left of a 1280 x 800 primary one at 100 %. The scales stay physical while texts, controls
// and the magnifier follow each monitor's DPI.

#include "tests/unit/SimProgram.h"

namespace lindrel::testing {
namespace {

using platform::Colour;
using platform::rgb;
using platform::sim::Monitor;

SimConfig twoMonitors(Point pointer) {
  SimConfig config;
  config.monitors = {Monitor{Rect{0, 0, 1280, 800}, true, 96}, Monitor{Rect{-2560, 0, 0, 1600}, false, 192}};
  config.pointer = pointer;
  return config;
}

// How far down from the strip's top edge each column's tick reaches.
std::vector<int> ticks(SimProgram& p, int from, int to) {
  std::vector<int> lengths;
  for (int column = from; column < to; ++column) {
    int n = 0;
    while (p.rulerWindow().surface().at({column, n}) == platform::kBlack) ++n;
    lengths.push_back(n);
  }
  return lengths;
}

TEST(MixedDpi, OnTheScaledMonitorTheStripStartsCentredWithGrownTextsPhysicalTicksAndScaledBandsAndGuard) {
  SimProgram p(twoMonitors({-100, 900}));
  EXPECT_EQ(p.ruler(), (Rect{-1920, 733, -640, 866}));  // 1280 x 133, centred on the left monitor
  EXPECT_NE(p.app.ruler().readoutLabel().caption().find("X: 1280.00 (640.00 @200%)"), std::string::npos);
  // A tick every 2 physical pixels, as at 100 %; numbers every 60 pixels.
  EXPECT_EQ(ticks(p, 0, 8), (std::vector<int>{19, 0, 5, 0, 9, 0, 5, 0}));
  EXPECT_EQ(p.rulerWindow().texts()[1].text, "60");
  // The bands, the size guard and the keys follow the DPI.
  const Rect r = p.ruler();
  p.sim.moveCursor(Point{r.right - 7, r.top + 10});
  EXPECT_EQ(p.app.ruler().dragZone(), DragZone::RightEdge);  // 8 pixels wide at 200 %
  p.sim.keyDown(platform::Key::Right);
  EXPECT_EQ(p.ruler().left, r.left + 1);  // still one physical pixel
  for (int i = 0; i < 67; ++i) p.sim.keyDown(platform::Key::Up, platform::kShiftOnly);
  EXPECT_EQ(p.sim.messages(), std::vector<std::string>{"App Size Error by:zyn"});
  EXPECT_EQ(p.ruler().height(), 67);  // the least size at 200 %
}

TEST(MixedDpi, MovingBetweenMonitorsKeepsThePhysicalLengthAndScaleGrowsTheThicknessSilentlyAndTheAboutBoxFollows) {
  SimProgram p(twoMonitors({100, 100}));
  const std::vector<int> scale = ticks(p, 0, 120);
  const int length = p.ruler().width();
  p.sim.drag(p.rulerMiddle(), Point{-900, 400}, 20);
  EXPECT_EQ(p.ruler().size(), (Point{length, 133}));
  EXPECT_EQ(ticks(p, 0, 120), scale);
  EXPECT_NE(p.app.ruler().readoutLabel().caption().find("(320.00 @200%)"), std::string::npos);
  // The about box follows it: centred on the left monitor, at its DPI.
  p.sim.onModal = [](platform::Window& about) {
    EXPECT_EQ(about.dpi(), 192);
    EXPECT_NEAR((about.rect().left + about.rect().right) / 2.0, -1280, 1);
    EXPECT_NEAR((about.rect().top + about.rect().bottom) / 2.0, 800, 1);
  };
  p.app.showAbout();
  // Back at 100 %, the default thickness and the plain readout again.
  p.sim.drag(p.rulerMiddle(), Point{600, 400}, 20);
  EXPECT_EQ(p.ruler().height(), 67);
  EXPECT_EQ(p.app.ruler().readoutLabel().caption(), "单位:像素 | X: 640.00 Y: 67.00");
  // A thickness of its own below the least size at 200 % grows to it, silently.
  p.app.ruler().window().resize({p.ruler().width(), 40});
  p.sim.drag(p.rulerMiddle(), Point{-900, 400}, 20);
  EXPECT_EQ(p.ruler().height(), 67);
  EXPECT_TRUE(p.sim.messages().empty());
}

// Red left of the boundary, blue right; started on the primary monitor or on the scaled one.
TEST(MixedDpi, TheMagnifierSamplesAcrossTheBoundaryAndIsLaidOutOnTheScaledMonitor) {
  for (const bool scaled : {false, true}) {
    SimProgram p(twoMonitors(scaled ? Point{-100, 900} : Point{100, 100}));
    p.sim.paintDesktop([](Point at) { return at.x < 0 ? rgb(200, 0, 0) : rgb(0, 0, 200); });
    p.app.openMagnifier();
    SimWindow& w = p.magnifierWindow();
    const int dpi = scaled ? 192 : 96;
    EXPECT_EQ(w.dpi(), dpi);
    // Nothing overlaps or is cut by the window's edge.
    const std::vector<Rect> controls = w.controlRects();
    for (std::size_t i = 0; i < controls.size(); ++i) {
      EXPECT_EQ(platform::intersect(controls[i], w.clientRect()), controls[i]);
      for (std::size_t j = i + 1; j < controls.size(); ++j) EXPECT_TRUE(platform::intersect(controls[i], controls[j]).empty());
    }
    // The pen just right of the boundary: the pixel under it, and the blocks of its left
    // neighbour (on the other monitor, beyond the outline) and of itself.
    p.sim.mouseDown(platform::MouseButton::Left, w.clientOrigin() + Point{269 * dpi / 96, 220 * dpi / 96});
    p.sim.moveCursor({0, 300});
    p.sim.advance(50);
    EXPECT_EQ(p.app.magnifier().model().colour(), rgb(0, 0, 200));
    const auto& view = *w.pictureBoxes()[0];
    const int block = 5 * dpi / 96, pointer = 20 * block;
    EXPECT_EQ(view.surface().at({pointer - 2, pointer}), rgb(200, 0, 0));
    EXPECT_EQ(view.surface().at({pointer + block - 1, pointer + block - 1}), rgb(0, 0, 200));
  }
}

}  // namespace
}  // namespace lindrel::testing
