// Start-up, the size readout and the layout after a resize.

#include "platform/Topmost.h"
#include "tests/unit/SimApp.h"

namespace lindrel::testing {
namespace {

class RulerStart : public SimApp {};

TEST_F(RulerStart, OpensHalfTheScreenWideCentredTopmostWithThePixelReadout) {
  EXPECT_EQ(rulerRect(), (Rect{320, 366, 960, 433}));  // 640 x 67 on 1280 x 800
  EXPECT_TRUE(rulerWindow().isVisible());
  EXPECT_TRUE(sim.isTopmost(rulerWindow().hwnd()));
  EXPECT_EQ(ruler().state().orientation, Orientation::Horizontal);
  EXPECT_EQ(ruler().state().unit, Unit::pixels());
  EXPECT_EQ(ruler().readoutLabel().caption(), "单位:像素 | X: 640.00 Y: 67.00");
  EXPECT_EQ(ruler().creditLabel().caption(), "Lindrel");
  EXPECT_TRUE(sim.messageBoxes().empty());  // the size guard never fires at start-up
  // The stretched strip was never on the screen.
  for (const Rect& shown : rulerWindow().shownRects()) EXPECT_EQ(shown, rulerRect());
  // The scale drawn at start-up covers the whole screen when the strip is widened.
  const auto texts = rulerSurface().texts().size();
  ruler().window().setWidth(sim.screenWidth());
  EXPECT_EQ(tickLengthAt(1200), 19);
  EXPECT_EQ(tickLengthAt(1278), 5);
  EXPECT_EQ(rulerSurface().texts().size(), texts);  // nothing was drawn again
}

TEST_F(RulerStart, TheTopmostBandChangesNeitherPlaceNorSize) {
  const auto hwnd = rulerWindow().hwnd();
  platform::setTopmost(sim, hwnd, false);
  EXPECT_FALSE(sim.isTopmost(hwnd));
  platform::setTopmost(sim, hwnd, true);
  EXPECT_TRUE(sim.isTopmost(hwnd));
  const auto& call = sim.setWindowPosCalls().back();
  EXPECT_EQ(call.flags, platform::kSwpNoMove | platform::kSwpNoSize);
}

TEST_F(RulerStart, TheReadoutShowsTheSizeInTheUnitAndAStripOnANumberedMarkReadsItsNumber) {
  struct Case {
    Unit unit;
    double widthTwips;
    const char* readout;
  };
  const Case cases[] = {
      {Unit::pixels(), 14400, "单位:像素 | X: 960.00 Y: 67.00"},
      {Unit::centimetres(Resolution::Dpi72), 14400, "单位: 厘米 72 DPI | X: 33.88 Y: 2.36"},
      {Unit::centimetres(Resolution::Dpi200Fax), 14400, "单位:厘米 200 DPI(FAX) | X: 12.19 Y: .85"},
      {Unit::centimetres(Resolution::Dpi300), 14400, "单位:厘米 300 DPI | X: 8.14 Y: .57"},
      {Unit::centimetres(Resolution::Dpi600), 14400, "单位:厘米 600 DPI | X: 4.07 Y: .28"},
      {Unit::centimetres(Resolution::Dpi1200), 14400, "单位:厘米 1200 DPI | X: 2.03 Y: .14"},
      // Edges on numbered marks: 1 cm at 300 DPI, 2 at 600, 1 at 1200, 3 at 72, 1 at 200.
      {Unit::centimetres(Resolution::Dpi300), 1770, "单位:厘米 300 DPI | X: 1.00 Y: .57"},
      {Unit::centimetres(Resolution::Dpi600), 7080, "单位:厘米 600 DPI | X: 2.00 Y: .28"},
      {Unit::centimetres(Resolution::Dpi1200), 7080, "单位:厘米 1200 DPI | X: 1.00 Y: .14"},
      {Unit::centimetres(Resolution::Dpi72), 1275, "单位: 厘米 72 DPI | X: 3.00 Y: 2.36"},
      {Unit::centimetres(Resolution::Dpi200Fax), 1185, "单位:厘米 200 DPI(FAX) | X: 1.00 Y: .85"},
  };
  for (const Case& c : cases) {
    ruler().setUnit(c.unit);
    ruler().window().setWidth(c.widthTwips);
    EXPECT_EQ(ruler().readoutLabel().caption(), c.readout);
  }
  // A move leaves it.
  ruler().window().move(0, 0);
  EXPECT_EQ(ruler().readoutLabel().caption(), cases[std::size(cases) - 1].readout);
}

TEST_F(RulerStart, TheLabelsSitInTheBottomRightCornerAfterEveryResize) {
  RulerWindow& r = ruler();
  r.window().setWidth(7680);
  const double w = r.window().width(), h = r.window().height();
  // Both end 100 twips from the right edge (within a pixel), the credit 100 above the bottom
  // edge, and the readout right on top of the credit.
  const platform::Label &credit = r.creditLabel(), &readout = r.readoutLabel();
  EXPECT_NEAR(credit.left() + credit.width(), w - 100, 7.5);
  EXPECT_NEAR(readout.left() + readout.width(), w - 100, 7.5);
  EXPECT_NEAR(credit.top() + credit.height(), h - 100, 7.5);
  EXPECT_EQ(readout.top() + readout.height(), credit.top());
}

TEST_F(RulerStart, ThirtyFourPixelsPassAndThirtyThreeBringTheMessageAndTheDefaultSize) {
  ruler().window().setHeight(510);
  EXPECT_TRUE(sim.messageBoxes().empty());
  EXPECT_EQ(rulerRect().height(), 34);

  const auto hwnd = rulerWindow().hwnd();
  bool topmostWhileUp = true;
  sim.onMessageBox = [&](const platform::sim::MessageBoxRecord& box) { topmostWhileUp = box.topmost.at(hwnd); };
  ruler().window().setHeight(495);
  ASSERT_EQ(messages(), std::vector<std::string>{"App Size Error by:zyn"});
  EXPECT_EQ(sim.messageBoxes()[0].caption, "Lindrel");
  EXPECT_FALSE(topmostWhileUp);
  EXPECT_EQ(rulerRect(), (Rect{320, 366, 960, 433}));
  EXPECT_TRUE(sim.isTopmost(hwnd));
  EXPECT_EQ(ruler().readoutLabel().caption(), "单位:像素 | X: 640.00 Y: 67.00");

  // A vertical strip goes back to its own default size.
  ruler().toggleOrientation();
  ruler().window().setWidth(300);
  EXPECT_EQ(sim.messageBoxes().size(), 2u);
  EXPECT_EQ(rulerRect().width(), 67);
  EXPECT_EQ(rulerRect().height(), 400);
}

}  // namespace
}  // namespace lindrel::testing
