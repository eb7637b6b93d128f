#include "menu/RulerMenu.h"

#include <memory>
#include <utility>

namespace lindrel {

RulerMenu::RulerMenu(platform::Platform& platform, Commands commands)
    : platform_(platform), commands_(std::move(commands)) {}

platform::MenuItemSpec RulerMenu::tree(Unit inUse) {
  using platform::MenuItemSpec;
  const auto unitItem = [&](const char* caption, Unit unit) {
    return MenuItemSpec{caption, [this, unit] { commands_.setUnit(unit); }, {}, unit == inUse, true};
  };
  MenuItemSpec centimetres{"厘米(&C)", {}, {}, inUse.centimetresAt.has_value(), true};
  for (const Resolution resolution : kResolutions) {
    centimetres.children.push_back(unitItem(infoOf(resolution).menuCaption, Unit::centimetres(resolution)));
  }
  MenuItemSpec units{"单位设置(&W)", {}, {}};
  units.children.push_back(unitItem("像素(&P)", Unit::pixels()));
  units.children.push_back(std::move(centimetres));

  const MenuItemSpec separator{"-", {}, {}};
  MenuItemSpec top{"menu", {}, {}};
  top.children.push_back(std::move(units));
  top.children.push_back(separator);
  top.children.push_back(MenuItemSpec{"放大取色(&Z)", [this] { commands_.openMagnifier(); }, {}});
  top.children.push_back(MenuItemSpec{"屏幕测量(&M)", [this] { commands_.measureScreen(); }, {}});
  top.children.push_back(separator);
  top.children.push_back(MenuItemSpec{"关于软件(&A)", [this] { commands_.showAbout(); }, {}});
  top.children.push_back(separator);
  top.children.push_back(MenuItemSpec{"恢复默认(&R)", [this] { commands_.restoreDefaults(); }, {}});
  top.children.push_back(MenuItemSpec{"退出程序(&E)", [this] { commands_.exit(); }, {}});
  return top;
}

void RulerMenu::popupOn(platform::Window& window, Unit inUse, std::optional<platform::Point> at) {
  // Made for each popup, with the dot where the unit is now; it lives until the chosen
  // command has run.
  const std::unique_ptr<platform::Menu> menu = platform_.createMenu(tree(inUse));
  window.popupMenu(*menu, at);
}

}  // namespace lindrel
