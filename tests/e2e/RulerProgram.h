#pragma once
// What every end-to-end test starts from: a running lindrel.exe with its ruler on the screen.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string_view>
#include <vector>

#include "tests/e2e/Driver.h"

namespace lindrel::e2e {

inline constexpr COLORREF kYellow = RGB(255, 255, 0);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);
// The units in menu order: pixels, then centimetres at 72, 200, 300, 600 and 1200 DPI.
inline constexpr int kUnits = 6;

// Text is smoothed: ink is anything but the ruler's yellow.
inline bool isInk(COLORREF c) { return c != kYellow; }

// The DPI texts and controls are laid out at (under Wine, one for every monitor).
inline int screenDpi() {
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
  ::ReleaseDC(nullptr, screen);
  return dpi;
}
// A length of the design, in pixels at 96 DPI, at the screen's DPI.
inline LONG atDpi(double pixels) { return std::lround(pixels * screenDpi() / 96.0); }

// The tallest run of rows with ink in an area: the height of a line of text there.
inline int tallestInk(const Box& area) {
  const Shot shot(area);
  int tallest = 0;
  for (int y = 0, run = 0; y < shot.height(); ++y) {
    bool ink = false;
    for (int x = 0; x < shot.width() && !ink; ++x) ink = isInk(shot.at(x, y));
    run = ink ? run + 1 : 0;
    tallest = std::max(tallest, run);
  }
  return tallest;
}

// A point on a window at a height below its top, as far left as nothing covers it (a
// magnifier beside a strip may lie over part of it on a small screen at 200 %).
inline POINT uncoveredSpot(HWND window, LONG below, LONG fromLeft = 60) {
  const Box r = rectOf(window);
  for (LONG x = r.left + fromLeft; x < r.right - 20; x += 20) {
    if (::WindowFromPoint(POINT{x, r.top + below}) == window) return POINT{x, r.top + below};
  }
  return POINT{r.left + fromLeft, r.top + below};
}

// How far down from the top edge the black tick at a column of the ruler reaches.
inline int tickLength(const Box& ruler, int column) {
  int n = 0;
  while (n < ruler.height() && screenPixel(ruler.left + column, ruler.top + n) == kBlack) ++n;
  return n;
}

// Columns of a horizontal strip's pixel scale, as far as the screens show it, that break its
// tick on every even column.
inline int columnsOffThePixelScale(const Box& r) {
  const LONG left = std::max<LONG>(r.left, ::GetSystemMetrics(SM_XVIRTUALSCREEN));
  const Shot top(Box{left, r.top, r.right, r.top + 3});
  int wrong = 0;
  for (int x = 0; x < top.width(); ++x) wrong += (top.at(x, 1) == kBlack) != ((x + left - r.left) % 2 == 0);
  return wrong;
}

// The columns where the strip's longest ticks (16 pixels and more) stand, from its left edge.
inline std::vector<int> longTicks(const Box& r) {
  std::vector<int> at;
  for (int x = 0; x < r.width(); ++x) {
    if (tickLength(r, x) >= 16) at.push_back(x);
  }
  return at;
}
// Every column from 0 up to a length, a step apart.
inline std::vector<int> everyStep(int step, int length) {
  std::vector<int> at;
  for (int x = 0; x < length; x += step) at.push_back(x);
  return at;
}

// A ruler's menu, opened on a bare spot of the strip, and items chosen by their access keys.
inline void chooseFromMenu(HWND ruler, std::string_view accessKeys = "") {
  click(uncoveredSpot(ruler, 40), true);
  settle(300);
  for (const char k : accessKeys) key(static_cast<WORD>(k));
}
// The window that menu items open, once it has settled; null when none comes up.
inline HWND openFromMenu(const Program& program, HWND ruler, std::string_view accessKeys, const wchar_t* className) {
  chooseFromMenu(ruler, accessKeys);
  HWND opened = program.window(className);
  if (opened != nullptr) settle(500);
  return opened;
}

// The calibration dialog opened from a ruler's menu, a measured length typed in its box, and
// 确定; the dialog, or null when none came up.
inline HWND calibrateWith(const Program& program, HWND ruler, const wchar_t* length) {
  HWND dialog = openFromMenu(program, ruler, "WK", L"LindrelCalibration");
  if (dialog == nullptr) return nullptr;
  clickOn(child(dialog, L"Edit", 0));
  typeText(length);
  clickOn(child(dialog, L"Button", 1));  // 确定
  settle(400);
  return dialog;
}

class RulerProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ruler = program.window(L"LindrelRuler");
    ASSERT_NE(ruler, nullptr);
    settle(500);
  }
  void openMenu() { chooseFromMenu(ruler); }
  // A unit by its place in menu order, chosen by keys.
  void chooseUnit(int unit) { chooseUnitByKey(unit == 0 ? 'P' : 'C', unit - 1); }
  // 单位设置, then a unit's access key; for a submenu, steps down it and Enter.
  void chooseUnitByKey(WORD access, int down = -1) {
    openMenu();
    key('W');
    key(access);
    for (int i = 0; i < down; ++i) key(VK_DOWN);
    if (down >= 0) key(VK_RETURN);
    settle(400);
  }
  // The program ended once its settings are written (a second after a change), or at once,
  // and started again on them.
  void restart(DWORD afterMs = 1500) {
    settle(afterMs);
    std::destroy_at(&program);
    std::construct_at(&program, KeptSettings::Used);
    ruler = program.window(L"LindrelRuler");
    ASSERT_NE(ruler, nullptr);
    settle(500);
  }
  // At 200 % the magnifier beside a strip in the middle of this 1280 x 800 screen lies over
  // part of it; moved to the left edge, the strip leaves it room on its right.
  void makeRoomForTheMagnifier() {
    if (screenDpi() == 96) return;
    const Box r = rectOf(ruler);
    drag({r.left + 40, r.top + 30}, {40, r.top + 30});
    settle(300);
  }
  HWND openFromMenu(char accessKey, const wchar_t* className) {
    return e2e::openFromMenu(program, ruler, std::string_view(&accessKey, 1), className);
  }

  Program program;
  HWND ruler = nullptr;
};

}  // namespace lindrel::e2e
