// The platform's contract, run against the simulated desktop (host) and Win32 (under Wine):
// what the tests on the simulated desktop rely on holds on the real system too.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/contract/Harness.h"

namespace lindrel::contract {
namespace {

using platform::Colour;
using platform::Point;
using platform::Rect;

constexpr Colour kYellow = platform::rgb(255, 255, 0);

class Contract : public ::testing::Test {
 protected:
  Contract() : harness(makeHarness()), p(harness->platform()) {}

  std::unique_ptr<platform::Window> window(Point size = {200, 100}) {
    auto w = p.createWindow({.className = "LindrelContract", .caption = "contract", .border = platform::Border::None,
                             .backColour = kYellow, .foreColour = platform::kBlack, .designSize = size});
    w->onResize = [this] { ++resizes; };
    return w;
  }

  std::unique_ptr<Harness> harness;
  platform::Platform& p;
  int resizes = 0;  // of the windows made here, unless a test handles them itself
};

TEST_F(Contract, AResizeRunsTheResizeHandlingAtOnceAndReentrantlyAndAHoldShowsTheResultOnce) {
  auto w = window();
  std::vector<std::string> trace;
  w->onResize = [&] {
    trace.push_back("enter " + std::to_string(w->rect().width()));
    if (w->rect().width() < 100) w->resize({100, w->rect().height()});
    trace.push_back("leave " + std::to_string(w->rect().width()));
  };
  w->resize({40, 100});
  w->resize({100, 100});  // no change: no handling
  EXPECT_EQ(trace, (std::vector<std::string>{"enter 40", "enter 100", "leave 100", "leave 100"}));
  w->move({-3000, 2500});  // left of the primary monitor
  EXPECT_EQ(harness->systemRect(*w), (Rect{-3000, 2500, -2900, 2600}));
  const Rect before = harness->systemRect(*w);
  {
    auto hold = w->holdScreenUpdates();
    w->resize({2000, 67});
    w->resize({400, 67});
    EXPECT_EQ(harness->systemRect(*w), before);
  }
  EXPECT_EQ(harness->systemRect(*w), Rect::at(before.topLeft(), {400, 67}));
}

TEST_F(Contract, LinesLandOnWholePixelsOfASurfaceThatIsNeverCutBackAndShowOnTheScreen) {
  auto w = window({640, 67});
  w->show();
  harness->pump(50);
  EXPECT_EQ(resizes, 1);  // the first showing lays the window out, a later one does not
  w->show();
  EXPECT_EQ(resizes, 1);
  const Rect r = harness->systemRect(*w);
  EXPECT_EQ(r, (Rect{320, 366, 960, 433}));  // centred on the primary monitor
  w->drawLine({10, 0}, {10, 19});            // the end pixel is left out
  w->resize({400, 67});
  w->drawLine({500, 0}, {500, 5});  // beyond the window, on the surface it once had
  w->resize({640, 67});
  harness->pump(300);
  for (const auto& [at, colour] : {std::pair{Point{10, 18}, platform::kBlack}, std::pair{Point{10, 19}, kYellow},
                                   std::pair{Point{11, 5}, kYellow}, std::pair{Point{500, 4}, platform::kBlack}}) {
    EXPECT_EQ(p.screenPixel(r.topLeft() + at), colour) << at.x << "," << at.y;
  }
  for (const bool topmost : {true, false}) {
    w->setTopmost(topmost);
    EXPECT_EQ(harness->isTopmost(*w), topmost);
  }
}

TEST_F(Contract, ALabelTakesItsCaptionsSizeATimerTicksOnlyWhileEnabledAndTheWindowHearsWhoMovedIt) {
  auto w = window();
  w->show();
  platform::Label& label = w->addLabel({.caption = "X", .autoSize = true});
  const int narrow = label.rect().width();
  label.setCaption("单位:像素 | X: 640.00 Y: 67.00");
  EXPECT_GT(label.rect().width(), 10 * narrow);
  int ticks = 0, idle = 0;
  platform::Timer& running = w->addTimer(50, true);
  running.onTimer = [&] { ++ticks; };
  w->addTimer(50, false).onTimer = [&] { ++idle; };
  harness->pump(400);
  EXPECT_GE(ticks, 2);
  EXPECT_EQ(idle, 0);
  std::vector<platform::ChangedBy> changes;
  w->onRectChange = [&](platform::ChangedBy by) { changes.push_back(by); };
  w->move({100, 100});
  harness->moveBySystem(*w, {40, 60});
  EXPECT_EQ(changes, (std::vector{platform::ChangedBy::Program, platform::ChangedBy::System}));
  EXPECT_EQ(w->rect(), (Rect{40, 60, 240, 160}));
}

TEST_F(Contract, AStoredValueIsWrittenWholeAndReadBackAsItWasAndAMessageBoxWaitsForItsAnswer) {
  platform::SettingsStore& store = p.settingsStore();
  const platform::StoredValue bytes{platform::StoredValue::Kind::Bytes, {1, 2, 3, 4, 5, 6, 7, 8}};
  const platform::StoredValue number{platform::StoredValue::Kind::Number, {9, 0, 0, 0}};
  ASSERT_TRUE(store.write("ContractBytes", bytes) && store.write("ContractNumber", number));
  auto values = store.readAll();
  ASSERT_TRUE(values.has_value());
  EXPECT_EQ(values->at("contractbytes"), bytes);
  EXPECT_EQ(values->at("contractnumber"), number);
  EXPECT_TRUE(store.write("ContractBytes", std::nullopt) && store.write("ContractNumber", std::nullopt));
  EXPECT_TRUE(store.write("ContractNumber", std::nullopt));  // already gone
  EXPECT_EQ(store.readAll()->count("contractbytes"), 0u);

  p.showMessage("App Size Error by:zyn");
  p.dispatch([] { throw platform::Failure("系统资源不足，无法打开窗口"); });
  EXPECT_EQ(harness->answeredMessageBoxes(), (std::vector<std::string>{"App Size Error by:zyn", "系统资源不足，无法打开窗口"}));
}

}  // namespace
}  // namespace lindrel::contract
