#include "hotkeys/Hotkeys.h"
#include "strings/UiText.h"

#include <cstdio>

namespace lindrel {
namespace {

using platform::Hotkey;

// Virtual-key codes, as the platform gives them.
constexpr int kF1 = 0x70, kF24 = 0x87, kNumpad0 = 0x60, kNumpad9 = 0x69;

struct KeyName {
  int key;
  const char* name;
};
constexpr KeyName kKeyNames[] = {
    {0x08, "Backspace"}, {0x09, "Tab"},    {0x0D, "Enter"},  {0x13, "Pause"},   {0x1B, "Esc"},   {0x20, "Space"},
    {0x21, "PageUp"},    {0x22, "PageDown"}, {0x23, "End"}, {0x24, "Home"},    {0x25, "Left"},  {0x26, "Up"},
    {0x27, "Right"},     {0x28, "Down"},   {0x2C, "PrtSc"},  {0x2D, "Insert"},  {0x2E, "Delete"}, {0x6A, "Num *"},
    {0x6B, "Num +"},     {0x6D, "Num -"},  {0x6E, "Num ."},  {0x6F, "Num /"},   {0xBA, ";"},     {0xBB, "="},
    {0xBC, ","},         {0xBD, "-"},      {0xBE, "."},      {0xBF, "/"},       {0xC0, "`"},     {0xDB, "["},
    {0xDC, "\\"},        {0xDD, "]"},      {0xDE, "'"},
};

std::string keyName(int key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
  // Appended, not "F" + ...: GCC 12 warns of an overlap that cannot happen in that form.
  if (key >= kF1 && key <= kF24) return std::string("F").append(std::to_string(key - kF1 + 1));
  if (key >= kNumpad0 && key <= kNumpad9) return std::string("Num ").append(std::to_string(key - kNumpad0));
  for (const KeyName& k : kKeyNames) {
    if (k.key == key) return k.name;
  }
  char code[8];
  std::snprintf(code, sizeof code, "0x%02X", key);
  return code;
}

}  // namespace

std::string nameOf(HotkeyAction action) {
  constexpr strings::UiText kNames[] = {strings::UiText::HotkeyPick, strings::UiText::HotkeyMeasure, strings::UiText::HotkeyToggleRuler};
  return strings::ui(kNames[static_cast<std::size_t>(action)]);
}

HotkeySet defaultHotkeys() {
  const std::uint8_t winShift = Hotkey::Win | Hotkey::Shift;
  return HotkeySet{{Hotkey{'Z', winShift}, Hotkey{'X', winShift}, Hotkey{'A', winShift}}};
}

bool isHotkeyKey(int key) {
  // Not Shift, Ctrl, Alt (0x10 to 0x12), the Windows keys (0x5B, 0x5C) nor their left and
  // right keys (0xA0 to 0xA5); nothing beyond the codes the keyboard sends.
  return key >= 0x08 && key <= 0xFE && !(key >= 0x10 && key <= 0x12) && key != 0x5B && key != 0x5C &&
         !(key >= 0xA0 && key <= 0xA5);
}

std::string hotkeyText(const std::optional<Hotkey>& key) {
  if (!key) return strings::ui(strings::UiText::HotkeyNone);
  std::string text;
  if (key->modifiers & Hotkey::Win) text += "Win+";
  if (key->modifiers & Hotkey::Ctrl) text += "Ctrl+";
  if (key->modifiers & Hotkey::Alt) text += "Alt+";
  if (key->modifiers & Hotkey::Shift) text += "Shift+";
  return text + keyName(key->key);
}

}  // namespace lindrel
