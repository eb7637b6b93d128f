// Start-up, the size readout and the layout after a resize.

#include "ruler/zynmod.h"
#include "tests/unit/SimApp.h"

namespace lindrel::testing {
namespace {

using platform::kTrue;

class RulerStart : public SimApp {};

TEST_F(RulerStart, OpensHalfTheScreenWideCentredTopmostWithThePixelReadout) {
  EXPECT_EQ(rulerRect(), (Rect{320, 366, 960, 433}));  // 640 x 67 on 1280 x 800
  EXPECT_TRUE(rulerWindow().isVisible());
  EXPECT_TRUE(sim.isTopmost(rulerWindow().hwnd()));
  EXPECT_EQ(app.module1().isHor, kTrue);
  EXPECT_EQ(app.module1().unitMode, "xs");
  EXPECT_EQ(ruler().labXY.caption(), "单位:像素 | X: 640.00 Y: 67.00");
  EXPECT_EQ(ruler().lab.caption(), "Lindrel");
  EXPECT_TRUE(sim.messageBoxes().empty());  // the size guard never fires at start-up
  // The stretched strip was never on the screen.
  for (const Rect& shown : rulerWindow().shownRects()) EXPECT_EQ(shown, rulerRect());
}

TEST_F(RulerStart, TheScaleDrawnAtStartUpCoversTheWholeScreenWhenWidened) {
  const auto texts = rulerSurface().texts().size();
  ruler().window().setWidth(sim.screenWidth());
  EXPECT_EQ(tickLengthAt(1200), 19);
  EXPECT_EQ(tickLengthAt(1278), 5);
  EXPECT_EQ(rulerSurface().texts().size(), texts);  // nothing was drawn again
}

TEST_F(RulerStart, OnlyMinusOneMakesAWindowTopmost) {
  const auto hwnd = rulerWindow().hwnd();
  zynmod::setTopMost(sim, hwnd, 1);
  EXPECT_FALSE(sim.isTopmost(hwnd));
  zynmod::setTopMost(sim, hwnd, kTrue);
  EXPECT_TRUE(sim.isTopmost(hwnd));
  const auto& call = sim.setWindowPosCalls().back();
  EXPECT_EQ(call.flags, platform::kSwpNoMove | platform::kSwpNoSize);
  EXPECT_EQ(call.x | call.y | call.cx | call.cy, 0);
}

class Readout : public SimApp {
 protected:
  std::string readout(const std::string& mode, double x, double y) {
    app.module1().unitMode = mode;
    ruler().setLabXY(x, y);
    return ruler().labXY.caption();
  }
};

TEST_F(Readout, EveryUnitWithItsText) {
  EXPECT_EQ(readout("xs", 14400, 1005), "单位:像素 | X: 960.00 Y: 67.00");
  EXPECT_EQ(readout("0", 14400, 1005), "单位: 厘米 72 DPI | X: 33.88 Y: 2.36");
  EXPECT_EQ(readout("1", 14400, 1005), "单位:厘米 200 DPI(FAX) | X: 12.19 Y: .85");
  EXPECT_EQ(readout("2", 14400, 1005), "单位:厘米 300 DPI | X: 8.14 Y: .57");
  EXPECT_EQ(readout("3", 14400, 1005), "单位:厘米 600 DPI | X: 4.07 Y: .28");
  EXPECT_EQ(readout("4", 14400, 1005), "单位:厘米 1200 DPI | X: 2.03 Y: .14");
  EXPECT_EQ(readout("xs", 28800, 15), "单位:像素 | X: 1920.00 Y: 1.00");
}

TEST_F(Readout, AStripEndingOnANumberedMarkReadsThatNumber) {
  EXPECT_EQ(readout("2", 1770, 1005).substr(0, 31), "单位:厘米 300 DPI | X: 1.00");
  EXPECT_NE(readout("3", 7080, 1005).find("X: 2.00 "), std::string::npos);  // 2 cm at 600 DPI
  EXPECT_NE(readout("4", 7080, 1005).find("X: 1.00 "), std::string::npos);
  EXPECT_NE(readout("0", 1275, 1005).find("X: 3.00 "), std::string::npos);  // 3 cm at 72 DPI
  EXPECT_NE(readout("1", 1185, 1005).find("X: 1.00 "), std::string::npos);
}

TEST_F(Readout, AnUnknownUnitLeavesTheCaption) {
  const std::string before = ruler().labXY.caption();
  EXPECT_EQ(readout("7", 100, 100), before);
  EXPECT_EQ(readout("", 100, 100), before);
}

TEST_F(Readout, FollowsEveryResizeButNotAMove) {
  ruler().window().setHeight(1500);
  EXPECT_EQ(ruler().labXY.caption(), "单位:像素 | X: 640.00 Y: 100.00");
  ruler().window().move(0, 0);
  EXPECT_EQ(ruler().labXY.caption(), "单位:像素 | X: 640.00 Y: 100.00");
}

class SizeGuard : public SimApp {};

TEST_F(SizeGuard, LabelsSitInTheBottomRightCornerAfterEveryResize) {
  frmMain& r = ruler();
  r.window().setWidth(7680);
  const double w = r.window().width(), h = r.window().height();
  // Both end 100 twips from the right edge (within a pixel), lab 100 above the bottom edge,
  // and the readout right on top of lab.
  EXPECT_NEAR(r.lab.left() + r.lab.width(), w - 100, 7.5);
  EXPECT_NEAR(r.labXY.left() + r.labXY.width(), w - 100, 7.5);
  EXPECT_NEAR(r.lab.top() + r.lab.height(), h - 100, 7.5);
  EXPECT_EQ(r.labXY.top() + r.labXY.height(), r.lab.top());
}

TEST_F(SizeGuard, ThirtyFourPixelsPassAndThirtyThreeBringTheMessage) {
  frmMain& r = ruler();
  r.window().setHeight(510);
  EXPECT_TRUE(sim.messageBoxes().empty());
  EXPECT_EQ(rulerRect().height(), 34);

  const auto hwnd = rulerWindow().hwnd();
  bool topmostWhileUp = true;
  sim.onMessageBox = [&](const platform::sim::MessageBoxRecord& box) { topmostWhileUp = box.topmost.at(hwnd); };
  r.window().setHeight(495);
  ASSERT_EQ(sim.messageBoxes().size(), 1u);
  EXPECT_EQ(sim.messageBoxes()[0].text, "App Size Error by:zyn");
  EXPECT_EQ(sim.messageBoxes()[0].caption, "Lindrel");
  EXPECT_FALSE(topmostWhileUp);
  // Then the default size for a horizontal strip, topmost again, labels laid out.
  EXPECT_EQ(rulerRect().width(), 640);
  EXPECT_EQ(rulerRect().height(), 67);
  EXPECT_TRUE(sim.isTopmost(hwnd));
  EXPECT_EQ(r.labXY.caption(), "单位:像素 | X: 640.00 Y: 67.00");
}

TEST_F(SizeGuard, AVerticalStripReturnsToItsOwnDefaultSize) {
  app.module1().isHor = platform::kFalse;
  ruler().window().setWidth(300);
  EXPECT_EQ(sim.messageBoxes().size(), 1u);
  EXPECT_EQ(rulerRect().width(), 67);
  EXPECT_EQ(rulerRect().height(), 400);
}

}  // namespace
}  // namespace lindrel::testing
