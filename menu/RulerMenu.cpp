#include "menu/RulerMenu.h"

#include "hotkeys/Hotkeys.h"

#include <memory>
#include <utility>

namespace lindrel {

RulerMenu::RulerMenu(platform::Platform& platform, Commands commands)
    : platform_(platform), commands_(std::move(commands)) {}

platform::MenuItemSpec RulerMenu::tree(const Marks& marks) {
  using platform::MenuItemSpec;
  const Unit inUse = marks.unit;
  const auto withKey = [&](std::string caption, HotkeyAction action) {
    const std::string& key = marks.hotkeys[static_cast<std::size_t>(action)];
    return key.empty() ? caption : caption + "\t" + key;
  };
  const auto unitItem = [&](const char* caption, Unit unit) {
    return MenuItemSpec{caption, [this, unit] { commands_.setUnit(unit); }, {}, unit == inUse, true};
  };
  // A submenu of the print resolutions for centimetres and for inches.
  const auto printed = [&](const char* caption, UnitKind kind) {
    MenuItemSpec submenu{caption, {}, {}, inUse.kind == kind, true};
    for (const Resolution resolution : kResolutions) {
      submenu.children.push_back(unitItem(infoOf(resolution).menuCaption, Unit{kind, resolution}));
    }
    return submenu;
  };
  const MenuItemSpec separator{"-", {}, {}};
  MenuItemSpec units{"单位设置(&W)", {}, {}};
  units.children.push_back(unitItem("像素(&P)", Unit::pixels()));
  units.children.push_back(printed("厘米(&C)", UnitKind::Centimetres));
  units.children.push_back(printed("英寸(&I)", UnitKind::Inches));
  units.children.push_back(unitItem("实际尺寸(&R)", Unit::physical()));
  units.children.push_back(separator);
  units.children.push_back(MenuItemSpec{"校准(&K)...", [this] { commands_.calibrate(); }, {}});

  MenuItemSpec top{"menu", {}, {}};
  top.children.push_back(std::move(units));
  top.children.push_back(separator);
  top.children.push_back(MenuItemSpec{withKey("放大取色(&Z)", HotkeyAction::Pick), [this] { commands_.openMagnifier(); }, {}});
  top.children.push_back(MenuItemSpec{withKey("屏幕测量(&M)", HotkeyAction::Measure), [this] { commands_.measureScreen(); }, {}});
  top.children.push_back(separator);
  top.children.push_back(MenuItemSpec{withKey("隐藏标尺(&D)", HotkeyAction::ToggleRuler), [this] { commands_.hideRuler(); }, {}});
  top.children.push_back(MenuItemSpec{"快捷键(&H)...", [this] { commands_.editHotkeys(); }, {}});
  top.children.push_back(separator);
  top.children.push_back(MenuItemSpec{"关于软件(&A)", [this] { commands_.showAbout(); }, {}});
  top.children.push_back(separator);
  top.children.push_back(MenuItemSpec{"恢复默认(&R)", [this] { commands_.restoreDefaults(); }, {}});
  top.children.push_back(MenuItemSpec{"退出程序(&E)", [this] { commands_.exit(); }, {}});
  return top;
}

void RulerMenu::popupOn(platform::Window& window, const Marks& marks, std::optional<platform::Point> at) {
  // Made for each popup, with the dot where the unit is now; it lives until the chosen
  // command has run.
  const std::unique_ptr<platform::Menu> menu = platform_.createMenu(tree(marks));
  window.popupMenu(*menu, at);
}

}  // namespace lindrel
