#include "hotkeys/HotkeyDialog.h"
#include "strings/UiText.h"

#include <string>

namespace lindrel {
namespace {

using platform::Rect;

// The design at 96 DPI, in pixels: a row an action.
constexpr int kRowTop = 16, kRowHeight = 30, kRows = static_cast<int>(kHotkeyActions.size());

}  // namespace

HotkeyDialog::HotkeyDialog(platform::Platform& platform) : platform_(platform) {}

HotkeyDialog::~HotkeyDialog() = default;

std::optional<HotkeySet> HotkeyDialog::edit(const HotkeySet& keys, const PerHotkeyAction<bool>& heldElsewhere,
                                            const Rect& onMonitorOf) {
  if (window_ != nullptr && window_->isOpen()) return std::nullopt;
  set_.reset();
  load(keys, heldElsewhere, onMonitorOf);
  window_->showModal();
  return set_;
}

void HotkeyDialog::load(const HotkeySet& keys, const PerHotkeyAction<bool>& heldElsewhere, const Rect& onMonitorOf) {
  platform::WindowSpec design;
  design.startNear = onMonitorOf;
  design.className = "LindrelHotkeys";
  design.caption = strings::ui(strings::UiText::HotkeysCaption);
  design.border = platform::Border::FixedDialog;
  design.designSize = {460, kRowTop + kRows * kRowHeight + 52};
  window_ = platform_.createWindow(design);
  platform::Window& w = *window_;
  for (const HotkeyAction action : kHotkeyActions) {
    const auto i = static_cast<std::size_t>(action);
    const int top = kRowTop + static_cast<int>(i) * kRowHeight;
    w.addLabel({Rect::at({12, top + 3}, {90, 18}), nameOf(action)});
    Row& row = rows_[i];
    row.key = &w.addHotkeyBox({Rect::at({104, top}, {120, 22})});
    row.win = &w.addCheckBox({Rect::at({232, top}, {48, 22}), "Win"});
    platform::Button& clear = w.addButton({Rect::at({284, top}, {48, 22}), strings::ui(strings::UiText::HotkeyClear)});
    if (heldElsewhere[i]) w.addLabel({Rect::at({338, top + 3}, {116, 18}), strings::ui(strings::UiText::HotkeyHeldElsewhere)});
    const std::optional<platform::Hotkey>& key = keys[action];
    row.key->setHotkey(key ? std::optional(platform::Hotkey{key->key, static_cast<std::uint8_t>(key->modifiers & ~platform::Hotkey::Win)})
                           : std::nullopt);
    row.win->setChecked(key && (key->modifiers & platform::Hotkey::Win));
    clear.onClick = [&row] {
      row.key->setHotkey(std::nullopt);
      row.win->setChecked(false);
    };
  }
  const int buttonsTop = kRowTop + kRows * kRowHeight + 14;
  platform::Button& ok = w.addButton({Rect::at({282, buttonsTop}, {80, 24}), strings::ui(strings::UiText::Ok), platform::Picture::None, true});
  platform::Button& cancel = w.addButton({Rect::at({370, buttonsTop}, {80, 24}), strings::ui(strings::UiText::Cancel), platform::Picture::None, false, true});
  ok.onClick = [this] {
    set_ = shown();  // read while the boxes are there
    window_->close();
  };
  cancel.onClick = [this] { window_->close(); };
}

HotkeySet HotkeyDialog::shown() const {
  HotkeySet keys;
  for (const HotkeyAction action : kHotkeyActions) {
    const Row& row = rows_[static_cast<std::size_t>(action)];
    std::optional<platform::Hotkey> key = row.key->hotkey();
    if (key && row.win->checked()) key->modifiers |= platform::Hotkey::Win;
    keys[action] = key;
  }
  return keys;
}

}  // namespace lindrel
