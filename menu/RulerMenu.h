#pragma once
// The ruler's context menu: the unit submenus, the magnifier, measuring the screen, hiding
// the strip, the hotkeys, the about box, the defaults and exit. It only says which command was chosen; the application decides what each one does.

#include <array>
#include <functional>
#include <string>
#include <optional>

#include "platform/Platform.h"
#include "ruler/RulerState.h"
#include "strings/UiText.h"

namespace lindrel {

class RulerMenu {
 public:
  struct Commands {
    std::function<void(Unit)> setUnit;
    std::function<void()> openMagnifier;
    std::function<void()> measureScreen;
    std::function<void()> hideRuler;
    std::function<void()> editHotkeys;
    std::function<void(strings::Language)> setLanguage;
    std::function<void()> calibrate;
    std::function<void()> showAbout;
    std::function<void()> restoreDefaults;
    std::function<void()> exit;
  };

  RulerMenu(platform::Platform& platform, Commands commands);

  // Pops the tree up on a window at a screen point (none: at the pointer); returns after the
  // chosen command ran.
  // What the menu shows beside its items: the unit in use, and the hotkey of the magnifier,
  // measuring and hiding the strip (empty: none, or another program holds it).
  struct Marks {
    Unit unit;
    std::array<std::string, 3> hotkeys;
  };
  void popupOn(platform::Window& window, const Marks& marks, std::optional<platform::Point> at = std::nullopt);

 private:
  // The tree with a dot on the unit in use (and on 厘米 for any of its resolutions) and the
  // hotkeys beside their items.
  platform::MenuItemSpec tree(const Marks& marks);

  platform::Platform& platform_;
  Commands commands_;
};

}  // namespace lindrel
