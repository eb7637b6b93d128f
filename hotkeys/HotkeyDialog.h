#pragma once
// The dialog that sets the global hotkeys: for each action the system's hotkey box (Ctrl,
// Alt and Shift with a key), a box for the Windows key, a button that clears the key to
// "无", and whether another program holds the key; 确定 keeps what was set, 取消 nothing.

#include <array>
#include <memory>
#include <optional>

#include "hotkeys/Hotkeys.h"
#include "platform/Platform.h"

namespace lindrel {

class HotkeyDialog {
 public:
  explicit HotkeyDialog(platform::Platform& platform);
  ~HotkeyDialog();
  HotkeyDialog(const HotkeyDialog&) = delete;
  HotkeyDialog& operator=(const HotkeyDialog&) = delete;

  // Shows the keys and which of them another program holds, modally, centred on the monitor
  // of an area (the ruler's); the keys set, or none when the user cancelled.
  std::optional<HotkeySet> edit(const HotkeySet& keys, const PerHotkeyAction<bool>& heldElsewhere,
                                const platform::Rect& onMonitorOf);
  // For tests: the window while it is up.
  platform::Window* window() { return window_.get(); }

 private:
  struct Row {
    platform::HotkeyBox* key;
    platform::CheckBox* win;
  };
  void load(const HotkeySet& keys, const PerHotkeyAction<bool>& heldElsewhere, const platform::Rect& onMonitorOf);
  HotkeySet shown() const;

  platform::Platform& platform_;
  std::unique_ptr<platform::Window> window_;
  PerHotkeyAction<Row> rows_{};
  std::optional<HotkeySet> set_;  // what 确定 took
};

}  // namespace lindrel
