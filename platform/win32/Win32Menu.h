#pragma once
// A popup menu tree: one Win32 menu per submenu, a command id per command item.

#include <functional>
#include <vector>

#include "platform/Controls.h"
#include "platform/win32/Handles.h"

namespace lindrel::platform::win32 {

class Win32Menu final : public Menu {
 public:
  explicit Win32Menu(const MenuItemSpec& top);
  // The submenu that holds the top item's children.
  HMENU popup() const { return top_.get(); }
  // Runs the command with the id TrackPopupMenu returned (0: nothing chosen).
  void run(UINT id) const;

 private:
  MenuHandle build(const MenuItemSpec& item);
  std::vector<std::function<void()>> commands_;  // before top_: building fills it
  MenuHandle top_;  // destroying it destroys its submenus with it
};

}  // namespace lindrel::platform::win32
