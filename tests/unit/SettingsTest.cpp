// What the program keeps between runs: written as the user changes it, at most once a second
// and at once on the way out, read back at the next start, and never trusted blindly.

#include "picker/MagnifierWindow.h"
#include "settings/Settings.h"
#include "tests/unit/SimApp.h"

namespace lindrel::testing {
namespace {

using colour_code::Notation;
using platform::Key;
using platform::MouseButton;
using platform::sim::Monitor;
using platform::sim::Registry;
using platform::sim::RegistryValue;
using platform::sim::SimConfig;

const platform::sim::RegistryPath kKey{static_cast<std::uintptr_t>(platform::kHkeyCurrentUser), "software\\lindrel"};

RegistryValue pair(std::int32_t x, std::int32_t y) {
  RegistryValue value{platform::kRegBinary, {}};
  for (const std::int32_t n : {x, y}) {
    for (int shift = 0; shift < 32; shift += 8) value.data.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(n) >> shift));
  }
  return value;
}

// A start of the program on a desktop whose registry another run left.
struct Launch {
  explicit Launch(SimConfig config, const std::function<void(SimPlatform&)>& before = nullptr)
      : sim(std::move(config)), app(sim) {
    if (before) before(sim);
    app.start();
  }
  Rect ruler() { return dynamic_cast<SimWindow&>(app.ruler().window()).screenRect(); }
  Rect magnifier() { return dynamic_cast<SimWindow&>(*app.magnifier().window()).screenRect(); }
  // Right-clicks on the ruler and follows the captions to a menu item.
  void choose(std::vector<std::string> path) {
    sim.onPopupMenu = [path](const platform::sim::PopupRecord&) { return path; };
    const Rect r = ruler();
    sim.click(MouseButton::Right, Point{r.left + 20, r.top + 20});
    sim.onPopupMenu = nullptr;
  }
  void openMagnifier() { choose({"放大取色(&Z)"}); }
  std::optional<RegistryValue> kept(const std::string& name) {
    const auto key = sim.registry().find(kKey);
    if (key == sim.registry().end() || key->second.count(name) == 0) return std::nullopt;
    return key->second.at(name);
  }

  SimPlatform sim;
  Application app;
};

SimConfig desktop(Registry registry = {}, std::vector<Monitor> monitors = {Monitor{Rect{0, 0, 1280, 800}, true}}) {
  SimConfig config;
  config.monitors = std::move(monitors);
  config.registry = std::move(registry);
  config.pointer = Point{600, 400};
  return config;
}

constexpr Rect kFirstStart{320, 366, 960, 433};

TEST(KeptSettings, EverySettingComesBackAtTheNextStartAlsoOnAScaledMonitorAndOnlyTheProgramsKeyIsWritten) {
  const std::vector<Monitor> monitors{Monitor{Rect{0, 0, 1280, 800}, true, 96},
                                      Monitor{Rect{-2560, 0, 0, 1600}, false, 192}};
  Launch first(desktop({}, monitors));
  first.sim.drag(Point{600, 390}, Point{-1200, 300}, 50);  // onto the 200 % monitor
  first.sim.doubleClick(Point{-1200, 300});
  first.choose({"单位设置(&W)", "厘米(&C)", "300 DPI"});
  first.openMagnifier();
  first.sim.moveWindow(*first.app.magnifier().window(), Point{200, 150});
  first.sim.choose(first.app.magnifier().notationList(), static_cast<int>(Notation::Hsv));
  first.sim.focus(&first.app.magnifier().magnifierView());
  first.sim.onPopupMenu = [](const platform::sim::PopupRecord&) { return std::vector<std::string>{"3×3 平均(&3)"}; };
  for (const Key key : {Key::Plus, Key::Plus, Key::ContextMenu}) first.sim.keyDown(key);
  for (const char* code : {"#123456", "#654321"}) {
    first.sim.edit(first.app.magnifier().codeBox(), code);
    first.sim.press(first.app.magnifier().setButton());
  }
  const Rect ruler = first.ruler();
  ASSERT_EQ(first.app.ruler().window().dpi(), 192);
  first.choose({"退出程序(&E)"});
  ASSERT_TRUE(first.sim.ended());
  for (const auto& write : first.sim.registryWrites()) EXPECT_EQ(write.key, kKey);

  Launch next(desktop(first.sim.registry(), monitors));
  EXPECT_EQ(next.ruler(), ruler);
  EXPECT_EQ(next.app.ruler().window().dpi(), 192);
  EXPECT_EQ(next.app.ruler().state(), (RulerState{Orientation::Vertical, Unit::centimetres(Resolution::Dpi300)}));
  next.openMagnifier();
  EXPECT_EQ((Point{next.magnifier().left, next.magnifier().top}), (Point{200, 150}));
  EXPECT_EQ(next.app.magnifier().notationList().listIndex(), static_cast<int>(Notation::Hsv));
  EXPECT_EQ(next.app.magnifier().zoom(), 8);
  EXPECT_EQ(next.app.magnifier().sampling(), magnified::Sampling::Average3x3);
  EXPECT_EQ(next.app.magnifier().history(), (std::vector<platform::Colour>{platform::rgb(0x65, 0x43, 0x21),
                                                                            platform::rgb(0x12, 0x34, 0x56)}));
  EXPECT_TRUE(next.sim.messageBoxes().empty());
}

// Kept: a vertical strip at 300 DPI at (100, 50), 90 by 400; the magnifier at (700, 300) in HSV,
// #123456 taken last and #00FF00 before it, at 16x, averaging 5x5.
Registry keptRegistry() {
  return Registry{{kKey,
                   {{"rulerposition", pair(100, 50)},
                    {"rulersize", pair(90, 400)},
                    {"rulerorientation", RegistryValue::dword(1)},
                    {"rulerunit", RegistryValue::dword(3)},
                    {"magnifierposition", pair(700, 300)},
                    {"magnifiernotation", RegistryValue::dword(7)},
                    {"magnifierhistory", pair(0x563412, 0x00FF00)},
                    {"magnifierzoom", RegistryValue::dword(16)},
                    {"magnifiersampling", RegistryValue::dword(2)}}}};
}

// What a start shows.
struct Shown {
  Rect ruler;
  RulerState state;
  Point magnifier;
  int notation;
  std::vector<platform::Colour> history;
  int zoom;
  magnified::Sampling sampling;
  friend bool operator==(const Shown&, const Shown&) = default;
};

struct CorruptCase {
  const char* value;
  RegistryValue data;
  void (*expect)(Shown&, int verticalThickness);
};

TEST(KeptSettings, EachValueThatDoesNotReadOrFitTakesItsDefaultAndTheOthersSurvive) {
  const Shown kept{Rect{100, 50, 190, 450}, RulerState{Orientation::Vertical, Unit::centimetres(Resolution::Dpi300)},
                   Point{700, 300}, static_cast<int>(Notation::Hsv),
                   {platform::rgb(0x12, 0x34, 0x56), platform::rgb(0, 0xFF, 0)}, 16, magnified::Sampling::Average5x5};
  const auto centred = [](Shown& s, int) { s.ruler = Rect{595, 200, 685, 600}; };
  const CorruptCase cases[] = {
      {"", {}, [](Shown&, int) {}},
      {"rulerposition", RegistryValue::dword(100), centred},
      {"rulerposition", RegistryValue{platform::kRegBinary, std::vector<std::uint8_t>(9, 0)}, centred},
      {"rulerposition", pair(5000, 5000), centred},  // on no monitor
      {"rulerposition", pair(1260, 50), centred},    // 20 pixels on the monitor
      {"rulersize", pair(-90, 400), [](Shown& s, int thickness) { s.ruler = Rect{100, 50, 100 + thickness, 690}; }},
      {"rulersize", pair(33, 400), [](Shown& s, int thickness) { s.ruler = Rect{100, 50, 100 + thickness, 690}; }},
      {"rulersize", pair(90, 801), [](Shown& s, int thickness) { s.ruler = Rect{100, 50, 100 + thickness, 690}; }},
      {"rulerorientation", RegistryValue::dword(2), [](Shown& s, int) { s.state.orientation = Orientation::Horizontal; }},
      {"rulerunit", RegistryValue::dword(6), [](Shown& s, int) { s.state.unit = Unit::pixels(); }},
      {"rulerunit", RegistryValue{platform::kRegBinary, {2, 0, 0, 0}}, [](Shown& s, int) { s.state.unit = Unit::pixels(); }},
      {"magnifierposition", pair(-9000, 300), [](Shown& s, int) { s.magnifier = Point{194, 50}; }},  // beside
      {"magnifiernotation", RegistryValue::dword(0xFFFFFFFF), [](Shown& s, int) { s.notation = 0; }},
      {"magnifierhistory", RegistryValue{platform::kRegBinary, std::vector<std::uint8_t>(5, 0)},
       [](Shown& s, int) { s.history.clear(); }},
      {"magnifierhistory", pair(0x563412, 0x1000000), [](Shown& s, int) { s.history.clear(); }},  // no colour
      {"magnifierzoom", RegistryValue::dword(7), [](Shown& s, int) { s.zoom = 5; }},  // no zoom step
      {"magnifiersampling", RegistryValue::dword(3), [](Shown& s, int) { s.sampling = magnified::Sampling::Point; }},
  };
  for (const CorruptCase& c : cases) {
    SCOPED_TRACE(std::string(c.value) + " of " + std::to_string(c.data.data.size()) + " bytes");
    Registry registry = keptRegistry();
    if (*c.value != '\0') registry[kKey][c.value] = c.data;
    Launch run(desktop(registry));
    run.openMagnifier();
    Shown expected = kept;
    c.expect(expected, run.app.ruler().defaultThicknessPixels(Orientation::Vertical));
    EXPECT_EQ((Shown{run.ruler(), run.app.ruler().state(), Point{run.magnifier().left, run.magnifier().top},
                     run.app.magnifier().notationList().listIndex(), run.app.magnifier().history(),
                     run.app.magnifier().zoom(), run.app.magnifier().sampling()}),
              expected);
    EXPECT_TRUE(run.sim.messageBoxes().empty());
    EXPECT_TRUE(run.sim.registryWrites().empty());
  }
}

TEST(KeptSettings, APlaceWhereOnlyAnUnusedSizeWouldShowIsNotUsed) {
  SimPlatform sim;
  // Wider than the desktop, so not used; 100 pixels of it would show, none of a first start's strip.
  const RulerStart start = RulerWindow::startFor(sim, RulerPlacement{Point{-1200, 50}, Point{1300, 90}, {}});
  EXPECT_EQ(start.topLeft, std::nullopt);
  EXPECT_EQ(start.size, std::nullopt);
}

TEST(KeptSettings, ChangesWithinASecondMakeOneWriteAndNothingIsWrittenWhenNothingChangedOrWhileIdle) {
  Launch run(desktop());
  run.sim.advance(60'000);
  for (int i = 0; i < 20; ++i) {
    run.sim.keyDown(Key::Right);
    run.sim.advance(45);
  }
  EXPECT_EQ(run.sim.registryWrites().size(), 0u);
  run.sim.advance(100);
  ASSERT_EQ(run.sim.registryWrites().size(), 1u);
  EXPECT_EQ(run.sim.registryWrites()[0].value, pair(340, 366));
  // The same unit again, a step there and back: nothing to write, then or later.
  run.choose({"单位设置(&W)", "像素(&P)"});
  run.sim.keyDown(Key::Left);
  run.sim.keyDown(Key::Right);
  run.sim.advance(60'000);
  EXPECT_EQ(run.sim.registryWrites().size(), 1u);
}

TEST(KeptSettings, AKeyThatCannotBeOpenedOrWrittenIsAFirstStartAndTheWriteIsTriedAgainAtTheNextChange) {
  Launch refused(desktop(keptRegistry()), [](SimPlatform& sim) {
    sim.refuseKey = [](platform::Hkey, std::string_view) { return platform::kErrorAccessDenied; };
  });
  EXPECT_EQ(refused.ruler(), kFirstStart);
  refused.sim.keyDown(Key::Down);
  refused.sim.advance(1000);
  refused.sim.refuseKey = nullptr;
  refused.sim.setValueError = platform::kErrorAccessDenied;  // a full hive
  refused.sim.keyDown(Key::Down);
  refused.sim.advance(1000);
  EXPECT_EQ(refused.kept("rulerposition"), pair(100, 50));
  refused.sim.setValueError = platform::kErrorSuccess;
  refused.sim.keyDown(Key::Down);
  refused.sim.advance(1000);
  EXPECT_EQ(refused.kept("rulerposition"), pair(320, 369));
  EXPECT_TRUE(refused.sim.messageBoxes().empty());
}

TEST(KeptSettings, TwoCopiesRunningAtOnceWriteOnlyTheirOwnChangesAndTheLastToWriteAValueWins) {
  SimPlatform sim(desktop(keptRegistry()));
  Application first(sim), second(sim);
  first.start();
  second.start();
  second.ruler().setUnit(Unit::pixels());
  sim.advance(1000);
  sim.moveWindow(first.ruler().window(), Point{10, 20});  // the first copy's unit is not written
  sim.advance(1000);
  sim.moveWindow(second.ruler().window(), Point{30, 40});
  sim.advance(1000);
  Launch next(desktop(sim.registry()));
  EXPECT_EQ(next.ruler(), (Rect{30, 40, 120, 440}));
  EXPECT_EQ(next.app.ruler().state(), (RulerState{Orientation::Vertical, Unit::pixels()}));
}

TEST(KeptSettings, RestoringTheDefaultsGivesTheFirstStartsRulerAndForgetsTheMagnifiersPlaceButNotItsNotation) {
  Launch run(desktop(keptRegistry()));
  run.choose({"恢复默认(&R)"});
  EXPECT_EQ(run.ruler(), kFirstStart);
  EXPECT_EQ(run.app.ruler().state(), RulerState{});
  run.openMagnifier();
  EXPECT_EQ((Point{run.magnifier().left, run.magnifier().top}), (Point{964, 366}));  // beside the ruler
  run.sim.advance(1000);
  EXPECT_EQ(run.kept("magnifierposition"), std::nullopt);
  EXPECT_EQ(run.kept("magnifiernotation"), RegistryValue::dword(7));

  Launch next(desktop(run.sim.registry()));
  EXPECT_EQ(next.ruler(), kFirstStart);
  EXPECT_EQ(next.app.ruler().state(), RulerState{});
}

}  // namespace
}  // namespace lindrel::testing
