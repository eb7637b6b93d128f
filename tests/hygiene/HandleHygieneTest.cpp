// Every handle the program takes is given back: the live handles counted through their
// owners are back at their start after a thousand unit changes, a thousand magnifier ticks,
// a hundred openings of the magnifier and of the about box, a hundred copies, and a hundred
// moves of the ruler and the magnifier to a monitor of 200 % and back.

#include <gtest/gtest.h>

#include <functional>

#include "about/AboutBox.h"
#include "app/Application.h"
#include "picker/MagnifierWindow.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Platform.h"
#include "ruler/RulerWindow.h"
#include "tests/e2e/Driver.h"

namespace lindrel {
namespace {

namespace win32 = platform::win32;

Application* theApp = nullptr;  // for the timer that closes the about box

TEST(HandleHygiene, EveryHandleTakenIsGivenBack) {
  win32::Win32Platform platform(::GetModuleHandleW(nullptr));
  Application app(platform);
  e2e::MessageBoxWatcher answerer;  // presses OK on the program's message boxes, as a user would
  theApp = &app;
  app.start();
  platform.pump(100);
  // n steps, with what is waiting delivered every 50 of them.
  const auto repeat = [&](int n, const std::function<void(int)>& step) {
    for (int i = 0; i < n; ++i) {
      step(i);
      if (i % 50 == 0) platform.pump(0);
    }
  };
  // Every seventh a turn of the strip, the others pixels and each resolution in turn.
  const auto unitChange = [&](int i) {
    if (i % 7 == 0) app.ruler().toggleOrientation();
    else app.ruler().setUnit(i % 7 == 1 ? Unit::pixels() : Unit::centimetres(kResolutions[i % 7 - 2]));
  };
  // The magnifier opened, ticked and copied from as often as asked, and closed.
  const auto useMagnifier = [&](int ticks, int copies) {
    app.openMagnifier();
    platform.pump(10);
    repeat(ticks, [&](int) { app.magnifier().sampleTick(); });
    for (int i = 0; i < copies; ++i) app.magnifier().copyCode();
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
    for (HWND hwnd : {reinterpret_cast<HWND>(app.ruler().window().hwnd()),
                      reinterpret_cast<HWND>(app.magnifier().window()->hwnd())}) {
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

  // One of everything first, so that what the program keeps for its whole life (fonts at
  // each DPI, the pen pointer) is already made when the counting starts.
  for (const int i : {0, 1}) unitChange(i);
  app.openMagnifier();
  toDpiAndBack();
  openAndCloseAbout();
  useMagnifier(1, 1);
  app.about().startSystemInfo();
  platform.pump(100);
  const long start = win32::liveHandles();
  EXPECT_GT(start, 0);

  repeat(1000, unitChange);
  EXPECT_EQ(win32::liveHandles(), start) << "after 1000 unit changes";
  useMagnifier(1000, 100);
  EXPECT_EQ(win32::liveHandles(), start) << "after 1000 magnifier ticks and 100 copies";
  for (int i = 0; i < 100; ++i) useMagnifier(0, 0);
  EXPECT_EQ(win32::liveHandles(), start) << "after 100 openings of the magnifier";
  for (int i = 0; i < 100; ++i) {
    openAndCloseAbout();
    if (i % 10 == 0) app.about().startSystemInfo();  // the registry look-ups, and their message
  }
  platform.pump(100);
  EXPECT_EQ(win32::liveHandles(), start) << "after 100 openings of the about box";
  app.openMagnifier();
  repeat(100, [&](int) { toDpiAndBack(); });
  app.magnifier().window()->close();
  platform.pump(100);
  EXPECT_EQ(win32::liveHandles(), start) << "after 100 moves to 200 % and back";
  theApp = nullptr;
}

}  // namespace
}  // namespace lindrel
