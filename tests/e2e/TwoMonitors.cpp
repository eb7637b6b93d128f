// Two monitors side by side on the X dummy driver: the main one at 0..1280 and another left
// of it at -1280..0. The ruler starts on the one under the pointer, measures on both and
// across the boundary, and the magnifier picks on both.

#include <cstdio>
#include <optional>

#include "tests/e2e/RulerProgram.h"

namespace lindrel::e2e {
namespace {

std::wstring htmlCode(COLORREF c) {
  wchar_t code[8];
  std::swprintf(code, 8, L"#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
  return code;
}

// The program started with the pointer on the left monitor, once Wine's desktop has both.
class TwoMonitors : public ::testing::Test {
 protected:
  void SetUp() override {
    // Wine's desktop takes a moment after the display starts to find the second monitor.
    ASSERT_TRUE(waitFor([] { return ::GetSystemMetrics(SM_CMONITORS) == 2; }, 15000));
    ASSERT_EQ(::GetSystemMetrics(SM_XVIRTUALSCREEN), -1280);
    moveTo({-640, 400});
    program.emplace();
    ruler = program->window(L"LindrelRuler");
    ASSERT_NE(ruler, nullptr);
    settle(500);
  }
  std::optional<Program> program;
  HWND ruler = nullptr;
};

TEST_F(TwoMonitors, TheRulerStartsUnderThePointerMeasuresOnBothAndAcrossAndTheMagnifierPicksOnBoth) {
  // Centred on the left monitor, half as long as it.
  EXPECT_EQ(rectOf(ruler), (Box{-960, 366, -320, 433}));

  // Moved and stretched over the boundary: the scale runs on across it without a jump.
  drag({-640, 400}, {-660, 400});
  drag({-342, 400}, {298, 400});
  settle(300);
  Box r = rectOf(ruler);
  EXPECT_EQ(r, (Box{-980, 366, 300, 433}));
  EXPECT_EQ(columnsOffThePixelScale(r), 0);

  // The pen picks the ruler's yellow on the left monitor and the desktop on the right one.
  HWND magnifier = openFromMenu(*program, ruler, "Z", L"LindrelZoomOut");
  ASSERT_NE(magnifier, nullptr);
  const POINT pen = rectOf(child(magnifier, L"Button", 0)).centre();
  drag(pen, {-300, r.bottom - 8}, 10, 300);
  settle(200);
  EXPECT_EQ(textOf(child(magnifier, L"Edit", 0)), L"#FFFF00");
  const POINT desktop{1200, 780};
  const std::wstring desktopCode = htmlCode(screenPixel(desktop.x, desktop.y));
  drag(pen, desktop, 10, 300);
  settle(200);
  EXPECT_EQ(textOf(child(magnifier, L"Edit", 0)), desktopCode);
  // Opened from a ruler across both monitors, with no room beside it on its own, the
  // magnifier lies beside it on the other, not over it.
  const auto apart = [&] {
    RECT overlap{}, a{r.left, r.top, r.right, r.bottom};
    const Box m = rectOf(magnifier);
    const RECT b{m.left, m.top, m.right, m.bottom};
    return ::IntersectRect(&overlap, &a, &b) == FALSE;
  };
  EXPECT_TRUE(apart());

  // The about box opens centred on the ruler's monitor, the left one.
  drag(uncoveredSpot(ruler, 30), {-900, 200});
  settle(300);
  HWND about = openFromMenu(*program, ruler, "A", L"LindrelAbout");
  ASSERT_NE(about, nullptr);
  EXPECT_NEAR(rectOf(about).centre().x, -640, 1);
  EXPECT_NEAR(rectOf(about).centre().y, 400, 1);
  key(VK_ESCAPE);
  ASSERT_TRUE(waitFor([&] { return !::IsWindowVisible(about); }));

  // The magnifier put where the defaults bring the ruler moves beside it with them.
  const Box m = rectOf(magnifier);
  drag({m.left + 40, m.top + 8}, {-700, 300});
  settle(300);
  chooseFromMenu(ruler, "R");
  ASSERT_TRUE(waitFor([&] { return rectOf(ruler) == Box{-960, 366, -320, 433}; }));
  r = rectOf(ruler);
  EXPECT_TRUE(apart());
}

TEST_F(TwoMonitors, ALineAcrossTheBoundaryMeasuresExactly) {
  click(uncoveredSpot(ruler, 10));
  key('M');
  ASSERT_TRUE(waitFor([&] { return program->windows(L"LindrelMeasure").size() == 2; }));
  settle(300);
  drag({-100, 300}, {200, 700});
  key('C', false, true);
  EXPECT_EQ(clipboardText(), L"dx 300, dy 400, 500.00 px, 53.13°");
  key(VK_ESCAPE);
  EXPECT_TRUE(waitFor([&] { return program->windows(L"LindrelMeasure").empty(); }));
}

TEST_F(TwoMonitors, ThePhysicalScaleUsesTheCalibrationOfTheMonitorTheStripIsOn) {
  chooseFromMenu(ruler, "WR");  // 实际尺寸
  settle(300);
  // 640 pixels measured as 160 mm on the left monitor and as 128 mm on the right one.
  ASSERT_TRUE(waitFor([&] { return !::IsWindow(calibrateWith(*program, ruler, L"160")); }));
  drag({-640, 400}, {640, 400});
  ASSERT_EQ(rectOf(ruler).left, 320);
  ASSERT_TRUE(waitFor([&] { return !::IsWindow(calibrateWith(*program, ruler, L"128")); }));
  EXPECT_TRUE(waitFor([&] { return longTicks(rectOf(ruler)) == everyStep(50, 640); }));
  drag({640, 400}, {-640, 400});
  EXPECT_TRUE(waitFor([&] { return longTicks(rectOf(ruler)) == everyStep(40, 640); }));
  drag({-640, 400}, {640, 400});
  EXPECT_TRUE(waitFor([&] { return longTicks(rectOf(ruler)) == everyStep(50, 640); }));
}

}  // namespace
}  // namespace lindrel::e2e
