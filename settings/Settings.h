#pragma once
// What the program keeps between runs, in the platform's settings store: one value for each
// setting, each written whole in one call, so two copies running at once never leave half of
// one copy's value with half of the other's; the last to write a value wins.

#include <functional>
#include <map>
#include <string>
#include <optional>
#include <vector>

#include "hotkeys/Hotkeys.h"
#include "picker/ColourCode.h"
#include "picker/MagnifiedView.h"
#include "platform/Controls.h"
#include "platform/Platform.h"
#include "ruler/RulerState.h"
#include "strings/UiText.h"

namespace lindrel {

// Every setting at its default is a first start. Another setting is a member here and one
// entry in the table of stored values (Settings.cpp).
struct Settings {
  RulerPlacement ruler;
  // Where the user last put the magnifier (its top-left, physical pixels); none: beside the ruler.
  std::optional<platform::Point> magnifierTopLeft;
  colour_code::Notation notation = colour_code::Notation::Html;
  // The magnifier's colours taken, newest first.
  std::vector<platform::Colour> history;
  int zoom = magnified::kDefaultZoom;
  magnified::Sampling sampling = magnified::Sampling::Point;
  HotkeySet hotkeys = defaultHotkeys();
  // Each calibrated monitor's pixels per millimetre, by its identity and resolution.
  std::map<std::string, double> calibrations;
  strings::Language language = strings::Language::Chinese;
  friend bool operator==(const Settings&, const Settings&) = default;
};

// The settings the values hold. A value that is missing, of another kind or size, or out of
// range leaves its setting at the default.
Settings settingsFrom(const platform::StoredValues& values);
// What the store holds, and whether it could be read at all: a store that cannot be read
// is a first start.
struct StoredSettings {
  Settings settings;
  bool read = false;
};
StoredSettings readSettings(platform::SettingsStore& store);

// Keeps the store up to date with the settings as they change: a change starts a second in
// which every further change joins it, then each value that differs from what the store
// holds is written. Nothing is written while nothing differs, and nothing runs while nothing
// changes. Where what the store holds is not known (it could not be read at start, or a
// write failed), the next write after a change writes every value, so the store never holds
// one run's place beside another's size.
class SettingsWriter {
 public:
  static constexpr int kGatherMs = 1000;

  // timer: one the writer may use alone, living as long as the writer. current: the settings
  // as they are now. When the store was read, it is taken to hold what they are when the
  // writer is made (what start-up read and used), so a start by itself writes nothing.
  SettingsWriter(platform::SettingsStore& store, platform::Timer& timer, std::function<Settings()> current,
                 bool storeWasRead);

  // Something that is kept may have changed.
  void changed();
  // Writes what differs now: the process is about to end.
  void writeNow();

 private:
  platform::SettingsStore& store_;
  platform::Timer& timer_;
  std::function<Settings()> current_;
  // What the store holds, value by value, as far as this program knows; none: not known.
  std::optional<std::vector<std::optional<platform::StoredValue>>> held_;
  bool changedSinceWrite_ = false;
};

}  // namespace lindrel
