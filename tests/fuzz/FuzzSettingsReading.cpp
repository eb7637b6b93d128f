// Any data under HKCU\Software\Lindrel, of any type and length, on one to three monitors at
// any of four DPIs: a kept place leaves room for any window beside it, the ruler starts on a
// monitor, at a kept place only where enough of it shows and at a kept size only where that
// fits, and every setting that reads writes back as itself without a second write.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/sim/SimPlatform.h"
#include "ruler/RulerWindow.h"
#include "settings/Settings.h"

namespace {

namespace platform = lindrel::platform;
using platform::Point;
using platform::Rect;
using platform::sim::Monitor;

constexpr std::array<const char*, 7> kNames{"rulerposition",     "rulersize",         "rulerorientation", "rulerunit",
                                            "magnifierposition", "magnifiernotation", "other"};
constexpr std::array<Rect, 3> kMonitorRects{Rect{0, 0, 1280, 800}, Rect{-1920, -300, 0, 780}, Rect{1280, 0, 2000, 1200}};
constexpr std::array<int, 4> kDpis{96, 120, 144, 192};

void check(bool holds) {
  if (!holds) std::abort();
}

// A window of any size at the place has its edges in 32 bits.
bool roomBeside(const std::optional<Point>& place) {
  const auto fits = [](std::int64_t v) {
    return v - platform::kMaxWindowPixels >= INT32_MIN && v + platform::kMaxWindowPixels <= INT32_MAX;
  };
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
  auto& values = config.registry[{static_cast<std::uintptr_t>(platform::kHkeyCurrentUser), "software\\lindrel"}];
  // Values one after another: a name, a type, a length, the bytes.
  for (std::size_t i = 1; i + 3 <= size;) {
    platform::sim::RegistryValue value{data[i + 1] % 12u, {}};
    const std::string name = kNames[data[i] % kNames.size()];
    const std::size_t length = data[i + 2] % 17u;
    i += 3;
    for (std::size_t k = 0; k < length && i < size; ++k) value.data.push_back(data[i++]);
    values[name] = value;
  }
  platform::sim::SimPlatform sim(config);
  const lindrel::Settings read = lindrel::readSettings(sim);
  check(sim.openKeys() == 0);
  check(roomBeside(read.ruler.topLeft) && roomBeside(read.magnifierTopLeft));

  const lindrel::RulerStart start = lindrel::RulerWindow::startFor(sim, read.ruler);
  check(std::ranges::count(sim.monitors(), start.monitor) == 1);
  if (start.topLeft) {
    const Point least{platform::kLeastVisiblePixels, platform::kLeastVisiblePixels};
    const Point s = start.size.value_or(least);
    check(sim.showsOnAMonitor(Rect{start.topLeft->x, start.topLeft->y, start.topLeft->x + s.x, start.topLeft->y + s.y}));
  }
  if (start.size) {
    const int least = lindrel::RulerWindow::minimumSizePixelsAt(sim.monitorDpi(start.monitor));
    check(start.size->x >= least && start.size->y >= least && start.size->x <= sim.virtualDesktop().width() &&
          start.size->y <= sim.virtualDesktop().height());
  }

  // What was read, written into an empty key, reads back the same; again, nothing is written.
  platform::sim::SimPlatform empty;
  auto window = empty.createWindow({});
  lindrel::Settings current;
  lindrel::SettingsWriter writer(empty, window->addTimer(1000, false), [&] { return current; });
  current = read;
  writer.writeNow();
  check(lindrel::readSettings(empty) == read);
  const std::size_t writes = empty.registryWrites().size();
  writer.changed();
  empty.advance(1000);
  check(empty.registryWrites().size() == writes);
  return 0;
}
