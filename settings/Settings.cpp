#include "settings/Settings.h"

#include <algorithm>
#include <cmath>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string_view>
#include <utility>

#include "picker/ColourHistory.h"
#include "ruler/PhysicalScale.h"

namespace lindrel {
namespace {

using platform::Point;
using platform::StoredValue;
using Bytes = std::vector<std::uint8_t>;
using Stored = std::optional<StoredValue>;

// A kept coordinate leaves room for the largest window beside it: its edges fit in 32 bits.
constexpr std::int64_t kFarthestCoordinate = std::numeric_limits<std::int32_t>::max() - platform::kMaxWindowPixels;

// 32-bit numbers, little-endian, as Windows keeps a number.
Bytes numbers(std::initializer_list<std::int32_t> values) {
  Bytes bytes;
  for (const std::int32_t value : values) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> shift));
  }
  return bytes;
}

std::int32_t numberAt(const Bytes& bytes, std::size_t index) {
  std::uint32_t value = 0;
  for (std::size_t i = 4; i > 0; --i) value = value << 8 | bytes[4 * index + i - 1];
  return static_cast<std::int32_t>(value);
}

Stored number(std::int32_t value) { return StoredValue{StoredValue::Kind::Number, numbers({value})}; }
Stored bytes(Bytes data) { return StoredValue{StoredValue::Kind::Bytes, std::move(data)}; }

// A point or a size: x, then y.
Stored pairData(const std::optional<Point>& pair) { return pair ? bytes(numbers({pair->x, pair->y})) : std::nullopt; }

std::optional<Point> pairOf(const Bytes& data) {
  if (data.size() != 8) return std::nullopt;
  return Point{numberAt(data, 0), numberAt(data, 1)};
}

std::optional<Point> placeOf(const Bytes& data) {
  const auto at = pairOf(data);
  const auto near = [](std::int32_t v) { return std::abs(std::int64_t{v}) <= kFarthestCoordinate; };
  return at && near(at->x) && near(at->y) ? at : std::nullopt;
}

std::optional<Point> sizeOf(const Bytes& data) {
  const auto size = pairOf(data);
  const auto fits = [](std::int32_t v) { return v > 0 && v <= platform::kMaxWindowPixels; };
  return size && fits(size->x) && fits(size->y) ? size : std::nullopt;
}

// One of a list of choices, as its place in the list.
template <class T, std::size_t N>
Stored choiceData(const std::array<T, N>& choices, const T& chosen) {
  return number(static_cast<std::int32_t>(std::find(choices.begin(), choices.end(), chosen) - choices.begin()));
}

template <class T, std::size_t N>
std::optional<T> choiceOf(const std::array<T, N>& choices, const Bytes& data) {
  if (data.size() != 4) return std::nullopt;
  const auto index = static_cast<std::uint32_t>(numberAt(data, 0));
  return index < N ? std::optional<T>(choices[index]) : std::nullopt;
}

constexpr std::array<Orientation, 2> kOrientations{Orientation::Horizontal, Orientation::Vertical};
constexpr std::array<strings::Language, 2> kLanguages{strings::Language::Chinese, strings::Language::English};

// Colours (0x00BBGGRR), newest first; no value for none.
Stored historyData(const std::vector<platform::Colour>& colours) {
  if (colours.empty()) return std::nullopt;
  Bytes data;
  for (const platform::Colour c : colours) {
    const Bytes one = numbers({static_cast<std::int32_t>(c)});
    data.insert(data.end(), one.begin(), one.end());
  }
  return bytes(std::move(data));
}

std::optional<std::vector<platform::Colour>> historyOf(const Bytes& data) {
  if (data.empty() || data.size() % 4 != 0 || data.size() > 4 * ColourHistory::kCapacity) return std::nullopt;
  std::vector<platform::Colour> colours;
  for (std::size_t i = 0; i < data.size() / 4; ++i) {
    const auto colour = static_cast<platform::Colour>(numberAt(data, i));
    if (colour > 0xFFFFFF) return std::nullopt;
    colours.push_back(colour);
  }
  return colours;
}

// A hotkey as (modifiers << 8) | key; 0 for one the user cleared.
Stored hotkeyData(const std::optional<platform::Hotkey>& key) {
  return number(key ? static_cast<std::int32_t>(key->modifiers << 8 | key->key) : 0);
}

void readHotkey(const Bytes& data, std::optional<platform::Hotkey>& key) {
  if (data.size() != 4) return;
  const auto value = static_cast<std::uint32_t>(numberAt(data, 0));
  const std::uint32_t code = value & 0xFF, modifiers = value >> 8 & 0xFF;
  if (value == 0) {
    key.reset();
  } else if (value >> 16 == 0 && isHotkeyKey(static_cast<int>(code)) && (modifiers & ~platform::Hotkey::kAllModifiers) == 0) {
    key = platform::Hotkey{static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(modifiers)};
  }
}

// Calibrations, each as its key's length, the key, and micropixels per millimetre; no value
// for none. A value that does not read gives none; a calibration out of the sane range is
// left out.
constexpr double kMicro = 1e6;
Stored calibrationsData(const std::map<std::string, double>& calibrations) {
  if (calibrations.empty()) return std::nullopt;
  Bytes data;
  for (const auto& [key, pixelsPerMm] : calibrations) {
    if (key.size() > 255) continue;
    data.push_back(static_cast<std::uint8_t>(key.size()));
    data.insert(data.end(), key.begin(), key.end());
    const Bytes value = numbers({static_cast<std::int32_t>(std::lround(pixelsPerMm * kMicro))});
    data.insert(data.end(), value.begin(), value.end());
  }
  return bytes(std::move(data));
}

std::optional<std::map<std::string, double>> calibrationsOf(const Bytes& data) {
  std::map<std::string, double> calibrations;
  for (std::size_t at = 0; at < data.size();) {
    const std::size_t keyLength = data[at];
    if (at + 1 + keyLength + 4 > data.size()) return std::nullopt;
    const std::string key(data.begin() + static_cast<std::ptrdiff_t>(at + 1), data.begin() + static_cast<std::ptrdiff_t>(at + 1 + keyLength));
    const Bytes value(data.begin() + static_cast<std::ptrdiff_t>(at + 1 + keyLength), data.begin() + static_cast<std::ptrdiff_t>(at + 5 + keyLength));
    const double pixelsPerMm = numberAt(value, 0) / kMicro;
    if (isSanePixelsPerMm(pixelsPerMm)) calibrations[key] = pixelsPerMm;
    at += 5 + keyLength;
  }
  return calibrations;
}

// One stored value: the setting as its data (none: no value), and back into the setting,
// which keeps its default when the data does not read.
struct StoredSetting {
  std::string_view name;
  StoredValue::Kind kind;
  Stored (*data)(const Settings&);
  void (*read)(const Bytes&, Settings&);
};

const StoredSetting kSettings[] = {
    {"RulerPosition", StoredValue::Kind::Bytes, [](const Settings& s) { return pairData(s.ruler.topLeft); },
     [](const Bytes& b, Settings& s) {
       if (const auto at = placeOf(b)) s.ruler.topLeft = at;
     }},
    {"RulerSize", StoredValue::Kind::Bytes, [](const Settings& s) { return pairData(s.ruler.size); },
     [](const Bytes& b, Settings& s) {
       if (const auto size = sizeOf(b)) s.ruler.size = size;
     }},
    {"RulerOrientation", StoredValue::Kind::Number,
     [](const Settings& s) { return choiceData(kOrientations, s.ruler.state.orientation); },
     [](const Bytes& b, Settings& s) {
       s.ruler.state.orientation = choiceOf(kOrientations, b).value_or(s.ruler.state.orientation);
     }},
    {"RulerUnit", StoredValue::Kind::Number, [](const Settings& s) { return choiceData(kUnits, s.ruler.state.unit); },
     [](const Bytes& b, Settings& s) { s.ruler.state.unit = choiceOf(kUnits, b).value_or(s.ruler.state.unit); }},
    {"MagnifierPosition", StoredValue::Kind::Bytes, [](const Settings& s) { return pairData(s.magnifierTopLeft); },
     [](const Bytes& b, Settings& s) {
       if (const auto at = placeOf(b)) s.magnifierTopLeft = at;
     }},
    {"MagnifierNotation", StoredValue::Kind::Number,
     [](const Settings& s) { return choiceData(colour_code::kNotations, s.notation); },
     [](const Bytes& b, Settings& s) { s.notation = choiceOf(colour_code::kNotations, b).value_or(s.notation); }},
    {"MagnifierHistory", StoredValue::Kind::Bytes, [](const Settings& s) { return historyData(s.history); },
     [](const Bytes& b, Settings& s) {
       if (const auto colours = historyOf(b)) s.history = *colours;
     }},
    // The zoom as itself ("16" for 16x), so the value reads plainly.
    {"MagnifierZoom", StoredValue::Kind::Number, [](const Settings& s) { return number(s.zoom); },
     [](const Bytes& b, Settings& s) {
       if (b.size() == 4 && magnified::isZoomStep(numberAt(b, 0))) s.zoom = numberAt(b, 0);
     }},
    {"MagnifierSampling", StoredValue::Kind::Number,
     [](const Settings& s) { return choiceData(magnified::kSamplings, s.sampling); },
     [](const Bytes& b, Settings& s) { s.sampling = choiceOf(magnified::kSamplings, b).value_or(s.sampling); }},
    {"Language", StoredValue::Kind::Number, [](const Settings& s) { return choiceData(kLanguages, s.language); },
     [](const Bytes& b, Settings& s) { s.language = choiceOf(kLanguages, b).value_or(s.language); }},
    {"HotkeyPick", StoredValue::Kind::Number, [](const Settings& s) { return hotkeyData(s.hotkeys[HotkeyAction::Pick]); },
     [](const Bytes& b, Settings& s) { readHotkey(b, s.hotkeys[HotkeyAction::Pick]); }},
    {"HotkeyMeasure", StoredValue::Kind::Number,
     [](const Settings& s) { return hotkeyData(s.hotkeys[HotkeyAction::Measure]); },
     [](const Bytes& b, Settings& s) { readHotkey(b, s.hotkeys[HotkeyAction::Measure]); }},
    {"HotkeyRuler", StoredValue::Kind::Number,
     [](const Settings& s) { return hotkeyData(s.hotkeys[HotkeyAction::ToggleRuler]); },
     [](const Bytes& b, Settings& s) { readHotkey(b, s.hotkeys[HotkeyAction::ToggleRuler]); }},
    {"MonitorCalibrations", StoredValue::Kind::Bytes, [](const Settings& s) { return calibrationsData(s.calibrations); },
     [](const Bytes& b, Settings& s) {
       if (const auto calibrations = calibrationsOf(b)) s.calibrations = *calibrations;
     }},
};

std::vector<Stored> dataOf(const Settings& settings) {
  std::vector<Stored> data;
  for (const StoredSetting& setting : kSettings) data.push_back(setting.data(settings));
  return data;
}

}  // namespace

Settings settingsFrom(const platform::StoredValues& values) {
  Settings settings;
  for (const StoredSetting& setting : kSettings) {
    const auto value = values.find(platform::lowerCase(setting.name));
    if (value != values.end() && value->second.kind == setting.kind) setting.read(value->second.bytes, settings);
  }
  return settings;
}

StoredSettings readSettings(platform::SettingsStore& store) {
  const std::optional<platform::StoredValues> values = store.readAll();
  return {settingsFrom(values.value_or(platform::StoredValues{})), values.has_value()};
}

SettingsWriter::SettingsWriter(platform::SettingsStore& store, platform::Timer& timer, std::function<Settings()> current,
                               bool storeWasRead)
    : store_(store), timer_(timer), current_(std::move(current)) {
  if (storeWasRead) held_ = dataOf(current_());
  timer_.setEnabled(false);
  timer_.setInterval(kGatherMs);
  timer_.onTimer = [this] { writeNow(); };
}

void SettingsWriter::changed() {
  changedSinceWrite_ = true;
  // The first change after a quiet spell starts the second; a running one is not restarted.
  timer_.setEnabled(true);
}

void SettingsWriter::writeNow() {
  timer_.setEnabled(false);
  // Not knowing what the store holds is no reason to write: the user's change is.
  if (!held_ && !changedSinceWrite_) return;
  const std::vector<Stored> now = dataOf(current_());
  bool failed = false;
  for (std::size_t i = 0; i < now.size(); ++i) {
    if (held_ && now[i] == (*held_)[i]) continue;
    failed = !store_.write(kSettings[i].name, now[i]) || failed;
  }
  changedSinceWrite_ = false;
  if (failed) {
    held_.reset();
    changedSinceWrite_ = true;  // the change is still to be written
  } else {
    held_ = now;
  }
}

}  // namespace lindrel
