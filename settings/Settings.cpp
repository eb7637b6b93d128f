#include "settings/Settings.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <initializer_list>
#include <limits>
#include <utility>

#include "picker/ColourHistory.h"
#include "platform/Handles.h"
#include "platform/Window.h"

namespace lindrel {
namespace {

using platform::Point;
using Bytes = std::vector<std::uint8_t>;
using Data = std::optional<Bytes>;

// A kept coordinate leaves room for the largest window beside it: its edges fit in 32 bits.
constexpr std::int64_t kFarthestCoordinate = std::numeric_limits<std::int32_t>::max() - platform::kMaxWindowPixels;

// 32-bit numbers, little-endian, as Windows keeps a REG_DWORD.
Bytes numbers(std::initializer_list<std::int32_t> values) {
  Bytes bytes;
  for (const std::int32_t value : values) {
    for (int shift = 0; shift < 32; shift += 8) {
      bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> shift));
    }
  }
  return bytes;
}

std::int32_t numberAt(const Bytes& bytes, std::size_t index) {
  std::uint32_t value = 0;
  for (std::size_t i = 4; i > 0; --i) value = value << 8 | bytes[4 * index + i - 1];
  return static_cast<std::int32_t>(value);
}

// A point or a size: x, then y.
Data pairData(const std::optional<Point>& pair) { return pair ? Data{numbers({pair->x, pair->y})} : std::nullopt; }

std::optional<Point> pairOf(const Bytes& bytes) {
  if (bytes.size() != 8) return std::nullopt;
  return Point{numberAt(bytes, 0), numberAt(bytes, 1)};
}

std::optional<Point> placeOf(const Bytes& bytes) {
  const auto at = pairOf(bytes);
  const auto near = [](std::int32_t v) { return std::abs(std::int64_t{v}) <= kFarthestCoordinate; };
  return at && near(at->x) && near(at->y) ? at : std::nullopt;
}

std::optional<Point> sizeOf(const Bytes& bytes) {
  const auto size = pairOf(bytes);
  const auto fits = [](std::int32_t v) { return v > 0 && v <= platform::kMaxWindowPixels; };
  return size && fits(size->x) && fits(size->y) ? size : std::nullopt;
}

// One of a list of choices, as its place in the list.
template <class T, std::size_t N>
Data choiceData(const std::array<T, N>& choices, const T& chosen) {
  return numbers({static_cast<std::int32_t>(std::find(choices.begin(), choices.end(), chosen) - choices.begin())});
}

template <class T, std::size_t N>
std::optional<T> choiceOf(const std::array<T, N>& choices, const Bytes& bytes) {
  if (bytes.size() != 4) return std::nullopt;
  const auto index = static_cast<std::uint32_t>(numberAt(bytes, 0));
  return index < N ? std::optional<T>(choices[index]) : std::nullopt;
}

constexpr std::array<Orientation, 2> kOrientations{Orientation::Horizontal, Orientation::Vertical};

// Colour references (0x00BBGGRR), newest first; no value for none.
Data historyData(const std::vector<platform::Colour>& colours) {
  if (colours.empty()) return std::nullopt;
  Bytes bytes;
  for (const platform::Colour c : colours) {
    const Bytes one = numbers({static_cast<std::int32_t>(c)});
    bytes.insert(bytes.end(), one.begin(), one.end());
  }
  return bytes;
}

std::optional<std::vector<platform::Colour>> historyOf(const Bytes& bytes) {
  if (bytes.empty() || bytes.size() % 4 != 0 || bytes.size() > 4 * ColourHistory::kCapacity) return std::nullopt;
  std::vector<platform::Colour> colours;
  for (std::size_t i = 0; i < bytes.size() / 4; ++i) {
    const auto colour = static_cast<platform::Colour>(numberAt(bytes, i));
    if (colour > 0xFFFFFF) return std::nullopt;
    colours.push_back(colour);
  }
  return colours;
}

// One registry value: the setting as its data (none: no value), and back into the setting,
// which keeps its default when the data does not read.
struct StoredValue {
  std::string_view name;
  std::uint32_t type;
  Data (*data)(const Settings&);
  void (*read)(const Bytes&, Settings&);
};

const StoredValue kValues[] = {
    {"RulerPosition", platform::kRegBinary, [](const Settings& s) { return pairData(s.ruler.topLeft); },
     [](const Bytes& b, Settings& s) {
       if (const auto at = placeOf(b)) s.ruler.topLeft = at;
     }},
    {"RulerSize", platform::kRegBinary, [](const Settings& s) { return pairData(s.ruler.size); },
     [](const Bytes& b, Settings& s) {
       if (const auto size = sizeOf(b)) s.ruler.size = size;
     }},
    {"RulerOrientation", platform::kRegDword,
     [](const Settings& s) { return choiceData(kOrientations, s.ruler.state.orientation); },
     [](const Bytes& b, Settings& s) {
       s.ruler.state.orientation = choiceOf(kOrientations, b).value_or(s.ruler.state.orientation);
     }},
    {"RulerUnit", platform::kRegDword, [](const Settings& s) { return choiceData(kUnits, s.ruler.state.unit); },
     [](const Bytes& b, Settings& s) { s.ruler.state.unit = choiceOf(kUnits, b).value_or(s.ruler.state.unit); }},
    {"MagnifierPosition", platform::kRegBinary, [](const Settings& s) { return pairData(s.magnifierTopLeft); },
     [](const Bytes& b, Settings& s) {
       if (const auto at = placeOf(b)) s.magnifierTopLeft = at;
     }},
    {"MagnifierNotation", platform::kRegDword,
     [](const Settings& s) { return choiceData(colour_code::kNotations, s.notation); },
     [](const Bytes& b, Settings& s) { s.notation = choiceOf(colour_code::kNotations, b).value_or(s.notation); }},
    {"MagnifierHistory", platform::kRegBinary, [](const Settings& s) { return historyData(s.history); },
     [](const Bytes& b, Settings& s) {
       if (const auto colours = historyOf(b)) s.history = *colours;
     }},
    // The zoom as itself ("16" for 16x), so the key reads plainly.
    {"MagnifierZoom", platform::kRegDword, [](const Settings& s) { return Data{numbers({s.zoom})}; },
     [](const Bytes& b, Settings& s) {
       if (b.size() == 4 && magnified::isZoomStep(numberAt(b, 0))) s.zoom = numberAt(b, 0);
     }},
    {"MagnifierSampling", platform::kRegDword,
     [](const Settings& s) { return choiceData(magnified::kSamplings, s.sampling); },
     [](const Bytes& b, Settings& s) { s.sampling = choiceOf(magnified::kSamplings, b).value_or(s.sampling); }},
};

// The longest value above, and a byte more: a longer value does not fit and is refused.
constexpr std::uint32_t kReadBufferBytes = 4 * ColourHistory::kCapacity + 1;

std::vector<Data> dataOf(const Settings& settings) {
  std::vector<Data> data;
  for (const StoredValue& value : kValues) data.push_back(value.data(settings));
  return data;
}

}  // namespace

Settings readSettings(platform::Api& api) {
  Settings settings;
  const platform::RegistryKey key =
      platform::openRegistryKey(api, platform::kHkeyCurrentUser, kSettingsKey, platform::kKeyRead);
  if (!key) return settings;
  for (const StoredValue& value : kValues) {
    std::array<std::uint8_t, kReadBufferBytes> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = kReadBufferBytes;
    if (api.RegQueryValueEx(key.get(), value.name, type, buffer.data(), size) != platform::kErrorSuccess) continue;
    if (type != value.type || size > kReadBufferBytes) continue;
    value.read(Bytes(buffer.begin(), buffer.begin() + size), settings);
  }
  return settings;
}

SettingsWriter::SettingsWriter(platform::Api& api, platform::Timer& timer, std::function<Settings()> current)
    : api_(api), timer_(timer), current_(std::move(current)), held_(dataOf(current_())) {
  timer_.setEnabled(false);
  timer_.setInterval(kGatherMs);
  timer_.onTimer = [this] { writeNow(); };
}

void SettingsWriter::changed() {
  // The first change after a quiet spell starts the second; a running one is not restarted.
  timer_.setEnabled(true);
}

void SettingsWriter::writeNow() {
  timer_.setEnabled(false);
  const std::vector<Data> now = dataOf(current_());
  if (now == held_) return;
  const platform::RegistryKey key =
      platform::createRegistryKey(api_, platform::kHkeyCurrentUser, kSettingsKey, platform::kKeySetValue);
  if (!key) return;
  for (std::size_t i = 0; i < now.size(); ++i) {
    if (now[i] == held_[i]) continue;
    const StoredValue& value = kValues[i];
    const long status =
        now[i] ? api_.RegSetValueEx(key.get(), value.name, value.type, now[i]->data(),
                                    static_cast<std::uint32_t>(now[i]->size()))
               : api_.RegDeleteValue(key.get(), value.name);
    if (status == platform::kErrorSuccess || (!now[i] && status == platform::kErrorFileNotFound)) held_[i] = now[i];
  }
}

}  // namespace lindrel
