// Every handle the program takes is given back: the live handles counted through their
// owners are back at their start after a thousand unit changes, a thousand magnifier ticks,
// a hundred openings of the magnifier and of the about box, and a hundred copies.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "about/frmAbout.h"
#include "app/Application.h"
#include "menu/frmMenu.h"
#include "picker/frmZoomOut.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Platform.h"
#include "ruler/frmMain.h"

namespace lindrel {
namespace {

namespace win32 = platform::win32;

Application* theApp = nullptr;

// Presses OK on the program's message boxes from another thread, as a user would.
class BoxAnswerer {
 public:
  BoxAnswerer()
      : thread_([this] {
          while (!stop_) {
            if (HWND box = ::FindWindowW(L"#32770", L"Lindrel")) ::PostMessageW(box, WM_COMMAND, IDOK, 0);
            ::Sleep(5);
          }
        }) {}
  ~BoxAnswerer() {
    stop_ = true;
    thread_.join();
  }

 private:
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

class HandleHygiene : public ::testing::Test {
 protected:
  HandleHygiene() : platform(::GetModuleHandleW(nullptr)), app(platform) {
    theApp = &app;
    app.start();
    platform.pump(100);
  }
  ~HandleHygiene() override { theApp = nullptr; }

  // The about box from the menu, closed again a moment after it is up.
  void openAndCloseAbout() {
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
      if (theApp != nullptr) theApp->about().unload();
    });
    app.menu().menuAbout_Click();
    ::KillTimer(nullptr, timer);
  }
  void openAndCloseMagnifier() {
    app.menu().menuZoomOut_Click();
    platform.pump(10);
    app.zoomOut().window()->close();
  }
  void unitChange(int i) {
    if (i % 7 == 0) {
      app.ruler().chgHorV();
    } else if (i % 7 == 1) {
      app.menu().menuXs_Click();
    } else {
      app.menu().menuDpi_Click(static_cast<std::int16_t>(i % 7 - 2));
    }
  }
  // One of everything, so that what the program keeps for its whole life (fonts, the pen
  // pointer, the menu) is already made when the counting starts.
  void warmUp() {
    unitChange(0);
    unitChange(1);
    openAndCloseAbout();
    app.menu().menuZoomOut_Click();
    app.zoomOut().Timer1_Timer();
    app.zoomOut().btnCopy_Click();
    app.zoomOut().window()->close();
    app.about().StartSysInfo();
    platform.pump(100);
  }

  win32::Win32Platform platform;
  Application app;
  BoxAnswerer answerer;
};

TEST_F(HandleHygiene, EveryHandleTakenIsGivenBack) {
  warmUp();
  const long start = win32::liveHandles();

  for (int i = 0; i < 1000; ++i) {
    unitChange(i);
    if (i % 50 == 0) platform.pump(0);
  }
  EXPECT_EQ(win32::liveHandles(), start) << "after 1000 unit changes";

  app.menu().menuZoomOut_Click();
  frmZoomOut& picker = app.zoomOut();
  for (int i = 0; i < 1000; ++i) {
    picker.Timer1_Timer();
    if (i % 50 == 0) platform.pump(0);
  }
  for (int i = 0; i < 100; ++i) picker.btnCopy_Click();
  picker.window()->close();
  EXPECT_EQ(win32::liveHandles(), start) << "after 1000 magnifier ticks and 100 copies";

  for (int i = 0; i < 100; ++i) openAndCloseMagnifier();
  EXPECT_EQ(win32::liveHandles(), start) << "after 100 openings of the magnifier";

  for (int i = 0; i < 100; ++i) {
    openAndCloseAbout();
    if (i % 10 == 0) app.about().StartSysInfo();  // the registry look-ups, and their message
  }
  platform.pump(100);
  EXPECT_EQ(win32::liveHandles(), start) << "after 100 openings of the about box";
  EXPECT_GT(start, 0);
}

}  // namespace
}  // namespace lindrel
