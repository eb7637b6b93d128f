#include "menu/RulerMenu.h"

#include <utility>

namespace lindrel {

RulerMenu::RulerMenu(platform::Platform& platform, Commands commands) : commands_(std::move(commands)) {
  using platform::MenuItemSpec;
  MenuItemSpec centimetres{"厘米(&C)", {}, {}};
  for (const Resolution resolution : kResolutions) {
    centimetres.children.push_back(MenuItemSpec{
        infoOf(resolution).menuCaption, [this, resolution] { commands_.setUnit(Unit::centimetres(resolution)); }, {}});
  }
  MenuItemSpec units{"单位设置(&W)", {}, {}};
  units.children.push_back(MenuItemSpec{"像素(&P)", [this] { commands_.setUnit(Unit::pixels()); }, {}});
  units.children.push_back(std::move(centimetres));

  const MenuItemSpec separator{"-", {}, {}};
  MenuItemSpec top{"menu", {}, {}};
  top.children.push_back(std::move(units));
  top.children.push_back(separator);
  top.children.push_back(MenuItemSpec{"放大取色(&Z)", [this] { commands_.openMagnifier(); }, {}});
  top.children.push_back(separator);
  top.children.push_back(MenuItemSpec{"关于软件(&A)", [this] { commands_.showAbout(); }, {}});
  top.children.push_back(separator);
  top.children.push_back(MenuItemSpec{"恢复默认(&R)", [this] { commands_.restoreDefaults(); }, {}});
  top.children.push_back(MenuItemSpec{"退出程序(&E)", [this] { commands_.exit(); }, {}});
  menu_ = platform.createMenu(top);
}

void RulerMenu::popupOn(platform::Window& window, std::optional<platform::Point> at) { window.popupMenu(*menu_, at); }

}  // namespace lindrel
