// Every handle the program takes is given back: the process's real GDI objects, USER
// objects and kernel handles, as the system counts them, are back at their start after each
// operation is repeated a hundred or a thousand times.

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "about/AboutBox.h"
#include "app/Application.h"
#include "picker/MagnifierWindow.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Window.h"
#include "ruler/RulerWindow.h"
#include "tests/e2e/Driver.h"

namespace lindrel {
namespace {

namespace win32 = platform::win32;

Application* theApp = nullptr;  // for the timer that closes the about box

TEST(HandleHygiene, EveryObjectAndHandleTakenIsGivenBack) {
  win32::Win32Platform platform(::GetModuleHandleW(nullptr));
  Application app(platform);
  e2e::MessageBoxWatcher answerer;  // presses OK on the program's message boxes, as a user would
  theApp = &app;
  app.start();
  platform.pump(100);
  const auto repeat = [&](int n, const std::function<void(int)>& step) {
    for (int i = 0; i < n; ++i) {
      step(i);
      if (i % 50 == 0) platform.pump(0);
    }
  };
  // Every seventh a turn of the strip, the others pixels and each resolution in turn.
  const auto unitChange = [&](int i) {
    if (i % 7 == 0) app.ruler().toggleOrientation();
    else app.ruler().setUnit(kUnits[static_cast<std::size_t>(i % 7 - 1)]);
  };
  const auto useMagnifier = [&](int ticks, int times) {
    app.openMagnifier();
    platform.pump(10);
    repeat(ticks, [&](int) { app.magnifier().sampleTick(); });
    platform::Button& pen = app.magnifier().penButton();
    for (int i = 0; i < times; ++i) {
      pen.onMouseDown(platform::MouseEvent{});
      pen.onMouseUp(platform::MouseEvent{});
      app.magnifier().copyCode();
    }
    app.magnifier().window()->close();
  };
  // The about box as the menu opens it, closed again a moment after it is up.
  const auto openAndCloseAbout = [&] {
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
      if (theApp != nullptr) theApp->about().close();
    });
    app.showAbout();
    ::KillTimer(nullptr, timer);
  };
  // Windows tells a window that went to a monitor of another DPI; both windows go to 200 %
  // and back, with the rectangles Windows would suggest.
  const auto toDpiAndBack = [&] {
    for (platform::Window* w : {&app.ruler().window(), app.magnifier().window()}) {
      const HWND hwnd = dynamic_cast<win32::Win32Window&>(*w).handle();
      for (const int dpi : {192, 96}) {
        RECT r{};
        ::GetWindowRect(hwnd, &r);
        const int scaled = dpi == 192 ? 2 : 1, shrunk = dpi == 192 ? 1 : 2;
        RECT suggested{r.left, r.top, r.left + (r.right - r.left) * scaled / shrunk,
                       r.top + (r.bottom - r.top) * scaled / shrunk};
        ::SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
      }
    }
  };

  // Each operation once, so that what lives as long as the program (fonts at each DPI, the
  // pen pointer, window classes, buffers grown to a size) is made; then many times, after
  // which the process holds what it held after the first.
  const auto holdsNoMore = [&](const char* what, int times, const std::function<void(int)>& step) {
    step(0);
    platform.pump(200);
    const e2e::Resources before = e2e::resourcesOfThisProcess();
    ASSERT_GT(before.gdi, 10);
    ASSERT_GT(before.user, 0);
    ASSERT_GT(before.kernel, 0);
    repeat(times, step);
    platform.pump(200);
    EXPECT_EQ(e2e::resourcesOfThisProcess(), before) << what;
  };
  holdsNoMore("1000 unit changes", 1000, unitChange);
  holdsNoMore("1000 magnifier ticks, 100 picks and 100 copies", 1, [&](int) { useMagnifier(1000, 100); });
  holdsNoMore("100 openings of the magnifier", 100, [&](int) { useMagnifier(0, 0); });
  holdsNoMore("100 openings of the about box", 100, [&](int i) {
    openAndCloseAbout();
    if (i % 10 == 0) app.about().startSystemInfo();  // the registry look-ups, and their message
  });
  holdsNoMore("100 moves to 200 % and back", 100, [&](int) {
    app.openMagnifier();
    toDpiAndBack();
    app.magnifier().window()->close();
  });
  theApp = nullptr;
}

}  // namespace
}  // namespace lindrel
