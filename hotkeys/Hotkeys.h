#pragma once
// The actions a global hotkey starts, their keys by default, and a hotkey as a user reads it.

#include <array>
#include <optional>
#include <string>

#include "platform/Input.h"

namespace lindrel {

enum class HotkeyAction { Pick, Measure, ToggleRuler };
inline constexpr std::array kHotkeyActions{HotkeyAction::Pick, HotkeyAction::Measure, HotkeyAction::ToggleRuler};
// One of something for each action, in the order of kHotkeyActions.
template <class T>
using PerHotkeyAction = std::array<T, kHotkeyActions.size()>;

// "取色", "屏幕测量", "显示/隐藏标尺".
std::string nameOf(HotkeyAction action);

// A key for each action; none: the user cleared it.
struct HotkeySet {
  PerHotkeyAction<std::optional<platform::Hotkey>> keys;
  std::optional<platform::Hotkey>& operator[](HotkeyAction a) { return keys[static_cast<std::size_t>(a)]; }
  const std::optional<platform::Hotkey>& operator[](HotkeyAction a) const { return keys[static_cast<std::size_t>(a)]; }
  friend bool operator==(const HotkeySet&, const HotkeySet&) = default;
};

// Win+Shift+Z, Win+Shift+X and Win+Shift+A: combinations Windows 10 and 11 give no meaning.
HotkeySet defaultHotkeys();

// A key a hotkey may take: not a modifier key itself, and a code the platform knows.
bool isHotkeyKey(int key);
// "Win+Shift+Z", "Ctrl+Alt+F5"; "无" for none.
std::string hotkeyText(const std::optional<platform::Hotkey>& key);

}  // namespace lindrel
