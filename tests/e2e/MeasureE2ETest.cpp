// Measuring the screen as a user does, over a window of known pixels: a framed grey
// rectangle, a one-pixel line, a yellow block and a red gradient on white.

#include "tests/e2e/RulerProgram.h"

namespace lindrel::e2e {
namespace {

constexpr Box kFrame{200, 150, 500, 450};  // a one-pixel black frame round light grey
constexpr LONG kLineX = 700;               // a black line from y 100 to 599
constexpr Box kYellow{800, 100, 1000, 300};
constexpr Box kGradient{800, 400, 1055, 500};  // red rising by one every pixel from 0

void paintPattern(HDC dc) {
  const auto fill = [&](const Box& b, COLORREF c) {
    const RECT r{b.left, b.top, b.right, b.bottom};
    ::SetBkColor(dc, c);
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
  };
  fill({0, 0, 1280, 800}, RGB(255, 255, 255));
  fill(kFrame, kBlack);
  fill({kFrame.left + 1, kFrame.top + 1, kFrame.right - 1, kFrame.bottom - 1}, RGB(220, 220, 220));
  fill({kLineX, 100, kLineX + 1, 600}, kBlack);
  fill(kYellow, RGB(255, 255, 0));
  for (LONG x = kGradient.left; x < kGradient.right; ++x) fill({x, kGradient.top, x + 1, kGradient.bottom}, RGB(x - 800, 0, 0));
}

class MeasureE2E : public RulerProgram {
 protected:
  void SetUp() override {
    RulerProgram::SetUp();
    if (HasFatalFailure()) return;
    // The strip out of the way, at the bottom left, over white.
    const Box r = rectOf(ruler);
    drag({r.left + 40, r.top + 30}, {40, 800 - r.height() + 30});
    settle(300);
    strip = rectOf(ruler);
  }
  HWND enter() {
    click({strip.left + 30, strip.top + 10});
    key('M');
    HWND overlay = program.window(L"LindrelMeasure");
    if (overlay != nullptr) settle(300);
    return overlay;
  }
  std::wstring copied() {
    setClipboardText(L"");
    key('C', false, true);
    return clipboardText();
  }

  PaintedArea pattern{Box{0, 0, 1280, 800}, paintPattern};
  Box strip{};
};

TEST_F(MeasureE2E, TheSpacingRunsToWhereTheColourEndsAndTheWheelWidensIt) {
  HWND overlay = enter();
  ASSERT_NE(overlay, nullptr);
  EXPECT_TRUE(program.windows(L"LindrelRuler").empty());  // the strip is out of the picture
  EXPECT_EQ(rectOf(overlay), (Box{0, 0, 1280, 800}));
  const std::pair<POINT, std::wstring> spots[] = {
      {{300, 300}, L"298 × 298 px"},                       // inside the frame
      {{100, 700}, L"1280 × 800 px"},  // white to the monitor's edges, where the strip was too
      {{900, 200}, L"200 × 200 px"},                      // yellow on white
      {{850, 450}, L"61 × 100 px"},                       // red 50 ± 30: x 820 to 880
  };
  for (const auto& [at, text] : spots) {
    moveTo(at);
    EXPECT_EQ(copied(), text) << at.x << "," << at.y;
  }
  wheel({850, 450}, 2);  // the tolerance 30 -> 40
  EXPECT_EQ(copied(), L"81 × 100 px");
  key(VK_ESCAPE);
  ASSERT_TRUE(waitFor([&] { return program.windows(L"LindrelMeasure").empty(); }));
  EXPECT_TRUE(waitFor([&] { return rectOf(program.window(L"LindrelRuler")) == strip; }));
  EXPECT_EQ(::WindowFromPoint(strip.centre()), ruler);  // back on top
}

TEST_F(MeasureE2E, TwoPointsByMouseOrKeysReadTheirStepsLengthAndAngleAndCtrlSnapsToALine) {
  // The magnifier open, and the mode from the menu this time.
  HWND magnifier = openFromMenu('Z', L"LindrelZoomOut");
  ASSERT_NE(magnifier, nullptr);
  const Box magnified = rectOf(magnifier);
  click({strip.left + 30, strip.top + 10}, true);
  settle(300);
  key('M');
  ASSERT_NE(program.window(L"LindrelMeasure"), nullptr);
  EXPECT_FALSE(::IsWindowVisible(magnifier));
  settle(300);
  drag({210, 160}, {510, 560});
  EXPECT_EQ(copied(), L"dx 300, dy 400, 500.00 px, 53.13°");
  // From the keyboard alone: Enter, thirty and forty steps of ten, Enter.
  moveTo({510, 560});
  key(VK_RETURN);
  for (int i = 0; i < 30; ++i) key(VK_LEFT, true);
  for (int i = 0; i < 40; ++i) key(VK_UP, true);
  key(VK_RETURN);
  EXPECT_EQ(copied(), L"dx -300, dy -400, 500.00 px, 53.13°");
  // With Ctrl held, an end 5 pixels short of the line lands on it.
  holdKey(VK_CONTROL, true);
  drag({600, 300}, {kLineX - 5, 330});
  holdKey(VK_CONTROL, false);
  EXPECT_EQ(copied(), L"dx 100, dy 30, 104.40 px, 16.70°");
  // A right-click drops nothing finished; the next leaves, every window back as it was.
  click({640, 700}, true);
  ASSERT_TRUE(waitFor([&] { return program.windows(L"LindrelMeasure").empty(); }));
  EXPECT_TRUE(waitFor([&] { return rectOf(program.window(L"LindrelRuler")) == strip; }));
  EXPECT_TRUE(::IsWindowVisible(magnifier));
  EXPECT_EQ(rectOf(magnifier), magnified);
}

}  // namespace
}  // namespace lindrel::e2e
