#pragma once
// The ruler's context menu: the unit submenus, the magnifier, the about box, the defaults
// and exit. It only says which command was chosen; the application decides what each one does.

#include <functional>
#include <memory>
#include <optional>

#include "platform/Platform.h"
#include "ruler/RulerState.h"

namespace lindrel {

class RulerMenu {
 public:
  struct Commands {
    std::function<void(Unit)> setUnit;
    std::function<void()> openMagnifier;
    std::function<void()> showAbout;
    std::function<void()> restoreDefaults;
    std::function<void()> exit;
  };

  RulerMenu(platform::Platform& platform, Commands commands);

  // Pops the tree up on a window at a screen point (none: at the pointer); returns after the
  // chosen command ran.
  void popupOn(platform::Window& window, std::optional<platform::Point> at = std::nullopt);

 private:
  Commands commands_;
  std::unique_ptr<platform::Menu> menu_;
};

}  // namespace lindrel
