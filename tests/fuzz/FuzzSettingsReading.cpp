// Any values of any kind and length in the settings store, every kept value among them, on
// one to three monitors at any of four DPIs: a kept place leaves room for any window beside
// it, the ruler starts on a monitor, at a kept place only where enough of it shows and at a
// kept size only where that fits; the magnifier's settings are ones it can show; and what was
// read writes back as itself without a second write.

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "picker/ColourHistory.h"
#include "platform/sim/SimPlatform.h"
#include "ruler/RulerMeasures.h"
#include "ruler/RulerWindow.h"
#include "settings/Settings.h"

namespace {

namespace platform = lindrel::platform;
using platform::Point;
using platform::Rect;
using platform::sim::Monitor;

constexpr std::array<const char*, 10> kNames{"rulerposition",     "rulersize",         "rulerorientation",
                                             "rulerunit",         "magnifierposition", "magnifiernotation",
                                             "magnifierhistory",  "magnifierzoom",     "magnifiersampling",
                                             "other"};
constexpr std::array<Rect, 3> kMonitorRects{Rect{0, 0, 1280, 800}, Rect{-1920, -300, 0, 780}, Rect{1280, 0, 2000, 1200}};
constexpr std::array<int, 4> kDpis{96, 120, 144, 192};

void check(bool holds) {
  if (!holds) std::abort();
}

// A window of any size at the place has its edges in 32 bits.
bool roomBeside(const std::optional<Point>& place) {
  const auto fits = [](long long v) { return v - platform::kMaxWindowPixels >= INT_MIN && v + platform::kMaxWindowPixels <= INT_MAX; };
  return !place || (fits(place->x) && fits(place->y));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  platform::sim::SimConfig config;
  config.monitors.clear();
  for (std::size_t m = 0; m <= data[0] % 3u; ++m) {
    config.monitors.push_back(Monitor{kMonitorRects[m], m == 0, kDpis[(data[0] >> (2 + 2 * m)) % 4u]});
  }
  config.pointer = {600, 400};
  // Values one after another: a name, a kind, a length, the bytes.
  for (std::size_t i = 1; i + 3 <= size;) {
    platform::StoredValue value{static_cast<platform::StoredValue::Kind>(data[i + 1] % 3u), {}};
    const std::string name = kNames[data[i] % kNames.size()];
    const std::size_t length = data[i + 2] % 53u;
    i += 3;
    for (std::size_t k = 0; k < length && i < size; ++k) value.bytes.push_back(data[i++]);
    config.settings[name] = value;
  }
  platform::sim::SimPlatform sim(config);
  const lindrel::Settings read = lindrel::readSettings(sim.settings).settings;
  check(roomBeside(read.ruler.topLeft) && roomBeside(read.magnifierTopLeft));
  check(lindrel::magnified::isZoomStep(read.zoom) && read.history.size() <= lindrel::ColourHistory::kCapacity);
  check(std::all_of(read.history.begin(), read.history.end(), [](platform::Colour c) { return c <= 0xFFFFFF; }));

  const lindrel::RulerStart start = lindrel::RulerWindow::startFor(sim, read.ruler);
  check(std::ranges::count(sim.monitors(), start.monitor) == 1);
  if (start.topLeft) {
    const Point least{platform::kLeastVisiblePixels, platform::kLeastVisiblePixels};
    check(sim.showsOnAMonitor(Rect::at(*start.topLeft, start.size.value_or(least))));
  }
  if (start.size) {
    const int least = lindrel::ruler_measures::leastSizeAt(sim.monitorDpi(start.monitor));
    check(start.size->x >= least && start.size->y >= least && start.size->x <= sim.virtualDesktop().width() &&
          start.size->y <= sim.virtualDesktop().height());
  }

  // What was read, written into an empty store, reads back the same; again, nothing is written.
  platform::sim::SimPlatform empty;
  auto window = empty.createWindow({});
  lindrel::Settings current;
  lindrel::SettingsWriter writer(empty.settings, window->addTimer(1000, false), [&] { return current; }, true);
  current = read;
  writer.writeNow();
  check(lindrel::readSettings(empty.settings).settings == read);
  const std::size_t writes = empty.settings.writes.size();
  writer.changed();
  empty.advance(1000);
  check(empty.settings.writes.size() == writes);
  return 0;
}
