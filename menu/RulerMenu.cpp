#include "menu/RulerMenu.h"

#include "hotkeys/Hotkeys.h"
#include "strings/UiText.h"

#include <memory>
#include <utility>

namespace lindrel {

RulerMenu::RulerMenu(platform::Platform& platform, Commands commands)
    : platform_(platform), commands_(std::move(commands)) {}

platform::MenuItemSpec RulerMenu::tree(const Marks& marks) {
  using platform::MenuItemSpec;
  using strings::ui;
  using strings::UiText;
  const Unit inUse = marks.unit;
  const auto withKey = [&](std::string caption, HotkeyAction action) {
    const std::string& key = marks.hotkeys[static_cast<std::size_t>(action)];
    return key.empty() ? caption : caption + "\t" + key;
  };
  const auto unitItem = [&](std::string caption, Unit unit) {
    return MenuItemSpec{caption, [this, unit] { commands_.setUnit(unit); }, {}, unit == inUse, true};
  };
  // A submenu of the print resolutions for centimetres and for inches.
  const auto printed = [&](std::string caption, UnitKind kind) {
    MenuItemSpec submenu{caption, {}, {}, inUse.kind == kind, true};
    for (const Resolution resolution : kResolutions) {
      submenu.children.push_back(unitItem(infoOf(resolution).caption, Unit{kind, resolution}));
    }
    return submenu;
  };
  const MenuItemSpec separator{"-", {}, {}};
  MenuItemSpec units{ui(UiText::MenuUnits), {}, {}};
  units.children.push_back(unitItem(ui(UiText::MenuPixels), Unit::pixels()));
  units.children.push_back(printed(ui(UiText::MenuCentimetres), UnitKind::Centimetres));
  units.children.push_back(printed(ui(UiText::MenuInches), UnitKind::Inches));
  units.children.push_back(unitItem(ui(UiText::MenuPhysical), Unit::physical()));
  units.children.push_back(separator);
  units.children.push_back(MenuItemSpec{ui(UiText::MenuCalibrate), [this] { commands_.calibrate(); }, {}});

  MenuItemSpec top{"menu", {}, {}};
  top.children.push_back(std::move(units));
  top.children.push_back(separator);
  top.children.push_back(MenuItemSpec{withKey(ui(UiText::MenuMagnifier), HotkeyAction::Pick), [this] { commands_.openMagnifier(); }, {}});
  top.children.push_back(MenuItemSpec{withKey(ui(UiText::MenuMeasure), HotkeyAction::Measure), [this] { commands_.measureScreen(); }, {}});
  top.children.push_back(separator);
  top.children.push_back(MenuItemSpec{withKey(ui(UiText::MenuHideRuler), HotkeyAction::ToggleRuler), [this] { commands_.hideRuler(); }, {}});
  top.children.push_back(MenuItemSpec{ui(UiText::MenuHotkeys), [this] { commands_.editHotkeys(); }, {}});
  MenuItemSpec languages{ui(UiText::MenuLanguage), {}, {}};
  const auto languageItem = [&](UiText caption, strings::Language language) {
    return MenuItemSpec{ui(caption), [this, language] { commands_.setLanguage(language); }, {},
                        language == strings::language(), true};
  };
  languages.children.push_back(languageItem(UiText::LanguageChinese, strings::Language::Chinese));
  languages.children.push_back(languageItem(UiText::LanguageEnglish, strings::Language::English));
  top.children.push_back(std::move(languages));
  top.children.push_back(separator);
  top.children.push_back(MenuItemSpec{ui(UiText::MenuAbout), [this] { commands_.showAbout(); }, {}});
  top.children.push_back(separator);
  top.children.push_back(MenuItemSpec{ui(UiText::MenuRestoreDefaults), [this] { commands_.restoreDefaults(); }, {}});
  top.children.push_back(MenuItemSpec{ui(UiText::MenuExit), [this] { commands_.exit(); }, {}});
  return top;
}

void RulerMenu::popupOn(platform::Window& window, const Marks& marks, std::optional<platform::Point> at) {
  // Made for each popup, with the dot where the unit is now; it lives until the chosen
  // command has run.
  const std::unique_ptr<platform::Menu> menu = platform_.createMenu(tree(marks));
  window.popupMenu(*menu, at);
}

}  // namespace lindrel
