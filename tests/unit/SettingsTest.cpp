// What the program keeps between runs: every stored value read back, never trusted blindly,
// and written as the user changes it, at most once a second, retried after a failure; two
// copies at once each write their own changes.

#include "settings/Settings.h"
#include "tests/unit/SimProgram.h"

namespace lindrel::testing {
namespace {

using platform::Key;
using platform::StoredValue;
using platform::StoredValues;
using platform::sim::Monitor;

StoredValue number(std::uint32_t value) {
  return {StoredValue::Kind::Number, {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                                      static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)}};
}
StoredValue pair(std::int32_t x, std::int32_t y) {
  StoredValue value{StoredValue::Kind::Bytes, number(static_cast<std::uint32_t>(x)).bytes};
  const auto second = number(static_cast<std::uint32_t>(y)).bytes;
  value.bytes.insert(value.bytes.end(), second.begin(), second.end());
  return value;
}

// Monitors' calibrations as kept: each key's length, the key, micropixels per millimetre.
StoredValue calibrations(std::initializer_list<std::pair<std::string, std::uint32_t>> entries) {
  StoredValue value{StoredValue::Kind::Bytes, {}};
  for (const auto& [key, micro] : entries) {
    value.bytes.push_back(static_cast<std::uint8_t>(key.size()));
    value.bytes.insert(value.bytes.end(), key.begin(), key.end());
    const auto figure = number(micro).bytes;
    value.bytes.insert(value.bytes.end(), figure.begin(), figure.end());
  }
  return value;
}

// Kept: a vertical strip at 300 DPI at (100, 50), 90 by 400; the magnifier at (700, 300) in
// HSV, #123456 taken last and #00FF00 before it, at 16x, averaging 5x5.
StoredValues kept() {
  return {{"rulerposition", pair(100, 50)},      {"rulersize", pair(90, 400)},
          {"rulerorientation", number(1)},       {"rulerunit", number(3)},
          {"magnifierposition", pair(700, 300)}, {"magnifiernotation", number(7)},
          {"magnifierhistory", pair(0x563412, 0x00FF00)}, {"magnifierzoom", number(16)},
          {"magnifiersampling", number(2)}};
}

const Settings kKept{RulerPlacement{Point{100, 50}, Point{90, 400},
                                    RulerState{Orientation::Vertical, Unit::centimetres(Resolution::Dpi300)}},
                     Point{700, 300}, colour_code::Notation::Hsv,
                     {platform::rgb(0x12, 0x34, 0x56), platform::rgb(0, 0xFF, 0)}, 16, magnified::Sampling::Average5x5,
                     defaultHotkeys(), {}};

TEST(KeptSettings, EachValueThatDoesNotReadOrFitTakesItsDefaultAndTheOthersSurvive) {
  const StoredValue shortBytes{StoredValue::Kind::Bytes, {1, 2, 3}};
  const std::tuple<const char*, StoredValue, void (*)(Settings&)> cases[] = {
      {"rulerposition", number(100), [](Settings& s) { s.ruler.topLeft.reset(); }},
      {"rulerposition", pair(INT32_MAX, 0), [](Settings& s) { s.ruler.topLeft.reset(); }},  // no room beside it
      {"rulersize", pair(-90, 400), [](Settings& s) { s.ruler.size.reset(); }},
      {"rulersize", pair(90, 40000), [](Settings& s) { s.ruler.size.reset(); }},
      {"rulerorientation", number(2), [](Settings& s) { s.ruler.state.orientation = Orientation::Horizontal; }},
      {"rulerunit", number(12), [](Settings& s) { s.ruler.state.unit = Unit::pixels(); }},
      {"rulerunit", pair(3, 0), [](Settings& s) { s.ruler.state.unit = Unit::pixels(); }},  // another kind
      {"rulerunit", number(11), [](Settings& s) { s.ruler.state.unit = Unit::physical(); }},
      {"monitorcalibrations", calibrations({{"A 1366x768", 3780000}, {"B 800x600", 100000000}}),
       [](Settings& s) { s.calibrations = {{"A 1366x768", 3.78}}; }},  // B: 2540 pixels to the inch
      {"monitorcalibrations", StoredValue{StoredValue::Kind::Bytes, {9, 'A', 0, 0}}, [](Settings&) {}},  // cut short
      {"language", number(1), [](Settings& s) { s.language = strings::Language::English; }},
      {"language", number(2), [](Settings&) {}},  // no such language: Chinese
      {"magnifierposition", shortBytes, [](Settings& s) { s.magnifierTopLeft.reset(); }},
      {"magnifiernotation", number(0xFFFFFFFF), [](Settings& s) { s.notation = colour_code::Notation::Html; }},
      {"magnifierhistory", shortBytes, [](Settings& s) { s.history.clear(); }},
      {"magnifierhistory", pair(0x563412, 0x1000000), [](Settings& s) { s.history.clear(); }},  // no colour
      {"magnifierzoom", number(7), [](Settings& s) { s.zoom = 5; }},  // no zoom step
      {"magnifiersampling", number(3), [](Settings& s) { s.sampling = magnified::Sampling::Point; }},
      {"hotkeypick", number(0), [](Settings& s) { s.hotkeys[HotkeyAction::Pick].reset(); }},  // cleared
      {"hotkeypick", number(0x10 | 0x200), [](Settings&) {}},  // Shift is no key: the default
      {"hotkeymeasure", number('X' | 0x1000), [](Settings&) {}},  // no such modifier
      {"hotkeyruler", number(0x7A | 0x300), [](Settings& s) { s.hotkeys[HotkeyAction::ToggleRuler] = platform::Hotkey{0x7A, 3}; }},
  };
  EXPECT_EQ(settingsFrom(kept()), kKept);
  for (const auto& [name, value, expect] : cases) {
    StoredValues values = kept();
    values[name] = value;
    Settings expected = kKept;
    expect(expected);
    EXPECT_EQ(settingsFrom(values), expected) << name;
  }
}

TEST(KeptSettings, AKeptPlaceIsUsedWhereTheStripShowsOnAMonitorAndAKeptSizeWhereItFits) {
  const SimPlatform sim{SimConfig{{Monitor{Rect{0, 0, 1280, 800}, true}, Monitor{Rect{-2560, 0, 0, 1600}, false, 192}}}};
  const std::tuple<Point, Point, bool, bool> cases[] = {
      {{100, 50}, {90, 400}, true, true},
      {{5000, 5000}, {90, 400}, false, true},  // on no monitor
      {{1260, 50}, {90, 400}, false, true},    // 20 pixels on the monitor
      {{100, 50}, {33, 400}, true, false},     // less than the least size
      {{-2000, 50}, {40, 400}, true, false},   // 40 is less than the least at 200 %
      {{-1200, 50}, {4000, 90}, true, false},  // wider than the desktop: a first start's strip shows there
  };
  for (const auto& [place, size, placeUsed, sizeUsed] : cases) {
    const RulerStart start = RulerWindow::startFor(sim, RulerPlacement{place, size, {}});
    EXPECT_EQ(start.topLeft.has_value(), placeUsed) << place.x << "," << place.y;
    EXPECT_EQ(start.size.has_value(), sizeUsed) << size.x << "x" << size.y;
  }
}

TEST(KeptSettings, ChangesWithinASecondMakeOneWriteAndNothingIsWrittenWhenNothingChangedOrWhileIdle) {
  SimProgram run;
  run.sim.advance(60'000);
  for (int i = 0; i < 20; ++i) {
    run.sim.keyDown(Key::Right);
    run.sim.advance(45);
  }
  EXPECT_TRUE(run.sim.settings.writes.empty());
  run.sim.advance(100);
  ASSERT_EQ(run.sim.settings.writes.size(), 1u);
  EXPECT_EQ(run.sim.settings.writes[0].value, pair(340, 366));
  // The same unit again, a step there and back: nothing to write, then or later.
  run.choose({"单位设置(&W)", "像素(&P)"});
  run.sim.keyDown(Key::Left);
  run.sim.keyDown(Key::Right);
  run.sim.advance(60'000);
  EXPECT_EQ(run.sim.settings.writes.size(), 1u);
}

// After a store that could not be read, or a write that failed, the next write writes every
// value: the store never holds the new place beside an old size and orientation.
TEST(KeptSettings, AStoreThatCannotBeOpenedOrWrittenIsAFirstStartAndTheNextWriteWritesEveryValue) {
  SimConfig config;
  config.settings = kept();
  SimProgram refused(config, [](SimPlatform& sim) { sim.settings.refused = true; });
  EXPECT_EQ(refused.ruler(), (Rect{320, 366, 960, 433}));
  refused.sim.keyDown(Key::Down);
  refused.sim.advance(1000);
  refused.sim.settings.refused = false;
  refused.sim.settings.writesFail = true;  // a full hive
  refused.sim.keyDown(Key::Down);
  refused.sim.advance(1000);
  EXPECT_EQ(refused.sim.settings.values, kept());
  refused.sim.settings.writesFail = false;
  refused.sim.keyDown(Key::Down);
  refused.sim.advance(1000);
  Settings now;  // every value at its default but the moved strip's
  now.ruler = RulerPlacement{Point{320, 369}, Point{640, 67}, RulerState{}};
  EXPECT_EQ(readSettings(refused.sim.settings).settings, now);
  EXPECT_EQ(refused.sim.settings.values.count("magnifierposition"), 0u);  // removed, not left from the last run
  EXPECT_TRUE(refused.sim.messages().empty());
}

TEST(KeptSettings, TwoCopiesRunningAtOnceWriteOnlyTheirOwnChangesAndTheLastToWriteAValueWins) {
  SimConfig config;
  config.settings = kept();
  SimPlatform sim(config);
  Application first(sim), second(sim);
  first.start();
  second.start();
  second.ruler().setUnit(Unit::pixels());
  sim.advance(1000);
  sim.moveWindow(first.ruler().window(), Point{10, 20});  // the first copy's unit is not written
  sim.advance(1000);
  sim.moveWindow(second.ruler().window(), Point{30, 40});
  sim.advance(1000);
  const Settings next = readSettings(sim.settings).settings;
  EXPECT_EQ(next.ruler, (RulerPlacement{Point{30, 40}, Point{90, 400}, RulerState{Orientation::Vertical, Unit::pixels()}}));
}

}  // namespace
}  // namespace lindrel::testing
