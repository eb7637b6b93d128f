// The ruler's menu as the user sees it when it pops up: the dot on the unit in use. Wine's
// menus belong to the process that shows them, so only the simulated desktop reads them.

#include "tests/unit/SimProgram.h"

namespace lindrel::testing {
namespace {

// The captions of the items that carry a dot, under a path of captions.
std::vector<std::string> dotted(const platform::MenuItemSpec& top, const std::vector<std::string>& path) {
  const platform::MenuItemSpec* menu = &top;
  for (const std::string& caption : path) {
    menu = &*std::find_if(menu->children.begin(), menu->children.end(),
                          [&](const platform::MenuItemSpec& item) { return item.caption == caption; });
  }
  std::vector<std::string> captions;
  for (const platform::MenuItemSpec& item : menu->children) {
    if (item.checked && item.radio) captions.push_back(item.caption);
  }
  return captions;
}

TEST(RulerMenu, TheUnitInUseCarriesTheDotAndSoDoesCentimetresForAnyOfItsResolutions) {
  SimProgram p;
  std::vector<std::vector<std::string>> seen;
  const auto look = [&](std::vector<std::string> choice) {
    p.sim.onPopupMenu = [&](const platform::sim::PopupRecord& popup) {
      seen = {dotted(popup.menu, {"单位设置(&W)"}), dotted(popup.menu, {"单位设置(&W)", "厘米(&C)"})};
      return choice;
    };
    p.sim.click(platform::MouseButton::Right, {p.ruler().left + 20, p.ruler().top + 20});
  };
  look({"单位设置(&W)", "厘米(&C)", "300 DPI"});
  EXPECT_EQ(seen, (std::vector<std::vector<std::string>>{{"像素(&P)"}, {}}));
  look({});
  EXPECT_EQ(seen, (std::vector<std::vector<std::string>>{{"厘米(&C)"}, {"300 DPI"}}));
}

TEST(RulerMenu, AHotkeyHeldElsewhereShowsNoKeyAndTheOthersWork) {
  SimProgram p({}, [](SimPlatform& sim) { sim.heldElsewhere.push_back(platform::Hotkey{'X', 12}); });
  std::vector<std::string> captions;
  p.sim.onPopupMenu = [&](const platform::sim::PopupRecord& popup) {
    for (const platform::MenuItemSpec& item : popup.menu.children) captions.push_back(item.caption);
    return std::vector<std::string>{};
  };
  p.sim.click(platform::MouseButton::Right, {p.ruler().left + 20, p.ruler().top + 20});
  EXPECT_NE(std::find(captions.begin(), captions.end(), "放大取色(&Z)\tWin+Shift+Z"), captions.end());
  EXPECT_NE(std::find(captions.begin(), captions.end(), "屏幕测量(&M)"), captions.end());
  EXPECT_TRUE(p.sim.messages().empty());
  p.sim.pressHotkey(platform::Hotkey{'A', 12});
  EXPECT_FALSE(p.rulerWindow().isVisible());
}

}  // namespace
}  // namespace lindrel::testing
