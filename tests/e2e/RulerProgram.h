#pragma once
// What every end-to-end test starts from: a running lindrel.exe with its ruler on the screen.

#include <gtest/gtest.h>

#include "tests/e2e/Driver.h"

namespace lindrel::e2e {

inline constexpr COLORREF kYellow = RGB(255, 255, 0);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);

// How far down from the top edge the black tick at a column of the ruler reaches.
inline int tickLength(const Box& ruler, int column) {
  int n = 0;
  while (n < ruler.height() && screenPixel(ruler.left + column, ruler.top + n) == kBlack) ++n;
  return n;
}

class RulerProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ruler = program.window(L"LindrelRuler");
    ASSERT_NE(ruler, nullptr);
    settle(500);
  }
  // Opens the ruler's menu with a right-click on a bare spot of the strip.
  void openMenu() {
    const Box r = rectOf(ruler);
    click({r.left + 60, r.top + 40}, true);
    settle(300);
  }
  // The window a menu item opens, chosen by its access key; null when none comes up.
  HWND openFromMenu(WORD accessKey, const wchar_t* className) {
    openMenu();
    key(accessKey);
    return program.window(className);
  }

  Program program;
  HWND ruler = nullptr;
};

}  // namespace lindrel::e2e
