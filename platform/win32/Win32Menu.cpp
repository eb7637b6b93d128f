#include "platform/win32/Win32Menu.h"

namespace lindrel::platform::win32 {
namespace {
constexpr UINT kFirstCommand = 1000;
}

Win32Menu::Win32Menu(const MenuItemSpec& top) : top_(build(top)) {}

MenuHandle Win32Menu::build(const MenuItemSpec& item) {
  MenuHandle menu(::CreatePopupMenu());
  for (const MenuItemSpec& child : item.children) {
    if (child.caption == "-") {
      ::AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    } else if (!child.children.empty()) {
      MenuHandle sub = build(child);
      // The parent destroys the submenu with itself once it holds it.
      if (::AppendMenuW(menu.get(), MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub.get()), wide(child.caption).c_str())) {
        (void)sub.release();
      }
    } else {
      commands_.push_back(child.onClick);
      ::AppendMenuW(menu.get(), MF_STRING | (child.checked ? MF_CHECKED : MF_UNCHECKED), kFirstCommand + commands_.size() - 1, wide(child.caption).c_str());
    }
  }
  return menu;
}

void Win32Menu::run(UINT id) const {
  if (id < kFirstCommand || id - kFirstCommand >= commands_.size()) return;
  if (const auto& command = commands_[id - kFirstCommand]) command();
}

}  // namespace lindrel::platform::win32
