// The platform's contract, run against the simulated desktop (host) and Win32 (under Wine):
// a green test in the simulation means the same thing on the real system.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/Errors.h"
#include "platform/Handles.h"
#include "tests/common/ErrorOf.h"
#include "tests/contract/Harness.h"

namespace lindrel::contract {
namespace {

using platform::Colour;
using platform::ErrorNumber;
using platform::Rect;
using lindrel::testing::errorOf;

constexpr Colour kYellow = platform::rgb(255, 255, 0);

class Contract : public ::testing::Test {
 protected:
  Contract() : harness(makeHarness()), p(harness->platform()) {}

  std::unique_ptr<platform::Window> window(double width = 3000, double height = 1500) {
    auto w = p.createWindow({.className = "LindrelContract", .caption = "contract", .border = platform::Border::None,
                             .backColor = kYellow, .foreColor = platform::kBlack, .width = width, .height = height});
    w->onResize = [this] { ++resizes; };
    return w;
  }
  Rect systemRect(platform::Window& w) {
    Rect r;
    p.api().GetWindowRect(w.hwnd(), r);
    return r;
  }
  Colour surfacePixel(platform::Window& w, int x, int y) { return p.api().GetPixel(w.hdc(), x, y); }

  std::unique_ptr<Harness> harness;
  platform::Platform& p;
  int resizes = 0;  // of the windows made here, unless a test handles them itself
};

TEST_F(Contract, SizesAreWholePixelsAndOnlyAPixelChangeRunsTheResizeHandlingAtOnceAndReentrantly) {
  auto w = window();
  std::vector<double> seen;  // the width the handling finds
  w->onResize = [&] { seen.push_back(w->width()); };
  w->setWidth(1000);
  ASSERT_EQ(seen, (std::vector<double>{1005}));
  for (const double samePixels : {1005.0, 1007.0}) w->setWidth(samePixels);
  w->move(-45000, 37500);  // 3000 pixels left of the primary screen, beyond 16 bits of twips
  EXPECT_EQ((std::pair{w->left(), w->top()}), (std::pair{-45000.0, 37500.0}));
  EXPECT_EQ(errorOf([&] { w->setWidth(-15); }), ErrorNumber::InvalidPropertyValue);
  EXPECT_EQ(errorOf([&] { w->setHeight(-600); }), ErrorNumber::InvalidPropertyValue);
  EXPECT_EQ(seen.size(), 1u);
  w->setHeight(7.5);  // half a pixel ties to even: an empty window, which is allowed
  EXPECT_EQ(w->height(), 0);
  w->setHeight(22.5);
  EXPECT_EQ(w->height(), 30);
  EXPECT_EQ(seen.size(), 3u);
  EXPECT_EQ(systemRect(*w), (Rect{-3000, 2500, -3000 + 67, 2500 + 2}));

  // Resize handling that writes a size itself runs again, nested, before the outer one ends.
  std::vector<std::string> trace;
  w->onResize = [&] {
    trace.push_back("enter " + std::to_string(static_cast<int>(w->width())));
    if (w->width() < 1500) w->setWidth(1500);
    trace.push_back("leave " + std::to_string(static_cast<int>(w->width())));
  };
  w->setWidth(600);
  EXPECT_EQ(trace, (std::vector<std::string>{"enter 600", "enter 1500", "leave 1500", "leave 1500"}));
  EXPECT_EQ(systemRect(*w).width(), 100);
}

TEST_F(Contract, HeldGeometryReachesTheScreenOnceWhenTheHoldEnds) {
  auto w = window();
  const Rect before = systemRect(*w);
  {
    auto hold = w->holdScreenUpdates();
    w->setWidth(30000);
    w->setHeight(1000);
    EXPECT_EQ(resizes, 2);
    EXPECT_EQ(systemRect(*w), before);
    w->setWidth(6000);
  }
  EXPECT_EQ(systemRect(*w), (Rect{before.left, before.top, before.left + 400, before.top + 67}));
}

TEST_F(Contract, PointsAndLinesLandOnWholePixelsOfASurfaceThatGrowsWithTheWindowAndIsNeverCutBack) {
  auto w = window();  // 200 x 100 pixels
  w->pset(75, 45);    // (5, 3)
  EXPECT_EQ(surfacePixel(*w, 5, 3), platform::kBlack);
  // A tick as the scales draw it: from just above the window down to 280 twips, end point left out.
  w->pset(150, -10);
  w->lineTo(150, 280);
  for (int y = 0; y <= 19; ++y) EXPECT_EQ(surfacePixel(*w, 10, y), y < 19 ? platform::kBlack : kYellow) << y;
  EXPECT_EQ(surfacePixel(*w, 11, 5), kYellow);
  w->cls();
  for (const auto& [x, y] : {std::pair{10, 5}, std::pair{5, 3}}) EXPECT_EQ(surfacePixel(*w, x, y), kYellow);

  w->setWidth(6000);
  w->pset(350 * 15, -10);
  w->lineTo(350 * 15, 150);
  w->setWidth(1500);
  EXPECT_GE(w->surfaceSize().x, 400);
  w->setWidth(6000);
  EXPECT_EQ(surfacePixel(*w, 350, 5), platform::kBlack);
  // What lands outside the surface is lost, without harm.
  w->pset(-1500, -1500);
  w->lineTo(-15, 90000);
  EXPECT_EQ(surfacePixel(*w, 0, 0), kYellow);
}

TEST_F(Contract, AnAutoSizedLabelTakesTheSizeOfItsCaptionAndATimerTicksOnlyWhileEnabled) {
  auto w = window();
  platform::Label& label = w->addLabel({.caption = "X", .font = {}, .autoSize = true});
  const double narrow = label.width();
  label.setCaption("单位:像素 | X: 640.00 Y: 67.00");
  EXPECT_GT(label.width(), 10 * narrow);
  EXPECT_GT(label.height(), 0);

  int ticks = 0, idle = 0;
  platform::Timer& running = w->addTimer(50, true);
  running.onTimer = [&] { ++ticks; };
  w->addTimer(50, false).onTimer = [&] { ++idle; };
  harness->pump(400);
  EXPECT_GE(ticks, 2);
  EXPECT_EQ(idle, 0);
  running.setEnabled(false);
  const int before = ticks;
  harness->pump(200);
  EXPECT_EQ(ticks, before);
}

TEST_F(Contract, AShownWindowIsCentredOnceShowsItsSurfaceAndMovesBetweenTheBands) {
  EXPECT_EQ(p.monitorArea(Rect{0, 0, 1, 1}), (Rect{0, 0, 1280, 800}));
  EXPECT_LE(p.virtualDesktop().left, 0);
  EXPECT_GE(p.virtualDesktop().right, 1280);
  auto w = window(9600, 1000);
  w->show();
  harness->pump(50);
  EXPECT_TRUE(w->isVisible());
  const Rect r = systemRect(*w);
  EXPECT_EQ(r, (Rect{320, 366, 960, 433}));
  EXPECT_EQ(resizes, 1);  // the first showing lays the window out, a later one does not
  w->show();
  EXPECT_EQ(resizes, 1);

  w->pset(10 * 15, -10);
  w->lineTo(10 * 15, 1500);
  harness->pump(300);
  platform::ScreenDc screen = platform::getScreenDc(p.api());
  EXPECT_EQ(p.api().GetPixel(screen.get(), r.left + 10, r.top + 40), platform::kBlack);
  EXPECT_EQ(p.api().GetPixel(screen.get(), r.left + 11, r.top + 40), kYellow);
  EXPECT_EQ(p.api().GetPixel(screen.get(), r.left + 150, r.top + 50), kYellow);

  for (const bool topmost : {true, false}) {
    p.api().SetWindowPos(w->hwnd(), topmost ? platform::kHwndTopmost : platform::kHwndNoTopmost, 0, 0, 0, 0,
                         platform::kSwpNoMove | platform::kSwpNoSize);
    EXPECT_EQ(harness->isTopmost(w->hwnd()), topmost);
  }
  EXPECT_EQ(systemRect(*w), r);
}

TEST_F(Contract, AFormHearsWhoMovedItsWindowAndWhenTheSessionEnds) {
  auto w = window();
  w->show();
  harness->pump(50);
  std::vector<platform::ChangedBy> changes;
  w->onRectChange = [&](platform::ChangedBy by) { changes.push_back(by); };
  int sessionEnds = 0;
  w->onSessionEnd = [&] { ++sessionEnds; };
  w->move(1500, 1500);
  w->move(1500, 1500);  // no change
  p.api().SetWindowPos(w->hwnd(), platform::kNoWindow, 40, 60, 0, 0, platform::kSwpNoSize | platform::kSwpNoZOrder);
  harness->pump(50);
  EXPECT_EQ(changes, (std::vector{platform::ChangedBy::Program, platform::ChangedBy::System}));
  EXPECT_EQ(w->pixelRect(), (Rect{40, 60, 240, 160}));
  EXPECT_TRUE(harness->endSession(w->hwnd()));
  EXPECT_EQ(sessionEnds, 1);
  // Kept places show only where enough of them lies on a monitor.
  EXPECT_TRUE(p.showsOnAMonitor(Rect{1246, 766, 1300, 900}));
  EXPECT_FALSE(p.showsOnAMonitor(Rect{1247, 0, 1300, 800}));
  EXPECT_FALSE(p.showsOnAMonitor(Rect{-500, -500, -10, -10}));
}

TEST_F(Contract, ARegistryValueIsWrittenWholeReadBackAsItWasAndOnlyThroughAKeyOpenForWriting) {
  platform::Api& api = p.api();
  const platform::RegistryKey key =
      platform::createRegistryKey(api, platform::kHkeyCurrentUser, "Software\\Lindrel", platform::kKeySetValue);
  const platform::RegistryKey reading =
      platform::openRegistryKey(api, platform::kHkeyCurrentUser, "Software\\Lindrel", platform::kKeyRead);
  ASSERT_TRUE(key && reading);
  const std::vector<std::uint8_t> bytes{1, 2, 3, 4, 5, 6, 7, 8};
  ASSERT_EQ(api.RegSetValueEx(key.get(), "ContractProbe", platform::kRegBinary, bytes.data(), 8), platform::kErrorSuccess);
  std::vector<std::uint8_t> read(9);
  std::uint32_t type = 0, size = 4;
  EXPECT_EQ(api.RegQueryValueEx(reading.get(), "ContractProbe", type, read.data(), size), platform::kErrorMoreData);
  EXPECT_EQ(size, 8u);
  size = 9;
  EXPECT_EQ(api.RegQueryValueEx(reading.get(), "ContractProbe", type, read.data(), size), platform::kErrorSuccess);
  EXPECT_EQ((std::pair{type, size}), (std::pair{platform::kRegBinary, 8u}));
  EXPECT_EQ(std::vector(read.begin(), read.begin() + 8), bytes);
  EXPECT_EQ(api.RegSetValueEx(reading.get(), "ContractProbe", platform::kRegBinary, bytes.data(), 4),
            platform::kErrorAccessDenied);
  EXPECT_EQ(api.RegDeleteValue(reading.get(), "ContractProbe"), platform::kErrorAccessDenied);
  EXPECT_EQ(api.RegDeleteValue(key.get(), "ContractProbe"), platform::kErrorSuccess);
  EXPECT_EQ(api.RegDeleteValue(key.get(), "ContractProbe"), platform::kErrorFileNotFound);
  EXPECT_EQ(api.RegQueryValueEx(reading.get(), "ContractProbe", type, read.data(), size), platform::kErrorFileNotFound);
}

TEST_F(Contract, AMessageBoxWaitsUntilItIsAnsweredAndAnErrorNoHandlerTrappedIsShownNotFatal) {
  p.msgBox("App Size Error by:zyn");
  EXPECT_EQ(harness->answeredMessageBoxes(), (std::vector<std::string>{"App Size Error by:zyn"}));
  p.dispatch([] { platform::raise(ErrorNumber::TypeMismatch); });
  p.dispatch([] {});
  EXPECT_EQ(harness->answeredMessageBoxes(), (std::vector<std::string>{"App Size Error by:zyn", "Type mismatch"}));
}

}  // namespace
}  // namespace lindrel::contract
