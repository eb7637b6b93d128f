#include "platform/win32/Win32Menu.h"

namespace lindrel::platform::win32 {
namespace {
constexpr UINT kFirstCommand = 1000;
}

Win32Menu::Win32Menu(const MenuItemSpec& top) : top_(build(top)) {}

MenuHandle Win32Menu::build(const MenuItemSpec& item) {
  MenuHandle menu(::CreatePopupMenu());
  UINT position = 0;
  for (const MenuItemSpec& child : item.children) {
    std::wstring caption = wide(child.caption);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    info.fType = child.caption == "-" ? MFT_SEPARATOR : (child.radio ? MFT_RADIOCHECK : 0);
    info.fState = child.checked ? MFS_CHECKED : MFS_UNCHECKED;
    if (child.caption != "-") {
      info.fMask |= MIIM_STRING;
      info.dwTypeData = caption.data();
    }
    MenuHandle sub;
    if (!child.children.empty()) {
      sub = build(child);
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = sub.get();
    } else if (child.caption != "-") {
      commands_.push_back(child.onClick);
      info.fMask |= MIIM_ID;
      info.wID = kFirstCommand + static_cast<UINT>(commands_.size()) - 1;
    }
    // The parent destroys a submenu with itself once it holds it.
    if (::InsertMenuItemW(menu.get(), position, TRUE, &info)) {
      (void)sub.release();
      ++position;
    }
  }
  return menu;
}

void Win32Menu::run(UINT id) const {
  if (id < kFirstCommand || id - kFirstCommand >= commands_.size()) return;
  if (const auto& command = commands_[id - kFirstCommand]) command();
}

}  // namespace lindrel::platform::win32
