#pragma once
// Mouse buttons, modifier keys, keys and pointer shapes as the windows receive and ask for
// them. Each implementation turns the system's integers into these once, where input comes in.

#include <cstdint>
#include <functional>

#include "platform/Geometry.h"

namespace lindrel::platform {

enum class MouseButton : std::uint8_t { Left = 1, Right = 2, Middle = 4 };

// A set of mouse buttons: the one pressed or released, or the ones held during a move.
class MouseButtons {
 public:
  constexpr MouseButtons() = default;
  constexpr MouseButtons(MouseButton button) : bits_(static_cast<std::uint8_t>(button)) {}  // NOLINT: a button is a set of one
  constexpr bool contains(MouseButton button) const { return (bits_ & static_cast<std::uint8_t>(button)) != 0; }
  constexpr bool empty() const { return bits_ == 0; }
  constexpr MouseButtons with(MouseButtons other) const { return MouseButtons(bits_ | other.bits_); }
  constexpr MouseButtons without(MouseButtons other) const { return MouseButtons(bits_ & ~other.bits_); }
  friend constexpr bool operator==(MouseButtons, MouseButtons) = default;

 private:
  constexpr explicit MouseButtons(unsigned bits) : bits_(static_cast<std::uint8_t>(bits)) {}
  std::uint8_t bits_ = 0;
};

struct Modifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  friend constexpr bool operator==(const Modifiers&, const Modifiers&) = default;
};

inline constexpr Modifiers kNoModifiers{};
inline constexpr Modifiers kShiftOnly{.shift = true};

// A mouse event as a handler receives it: the button pressed or released (a press or
// release) or the buttons held (a move), the modifier keys, the position in pixels from the
// top-left of the element that receives it, and the pointer on the screen.
struct MouseEvent {
  MouseButtons buttons;
  Modifiers modifiers;
  Point at;
  Point screen;
};

using MouseHandler = std::function<void(const MouseEvent&)>;

struct MouseHandlers {
  MouseHandler onMouseDown;
  MouseHandler onMouseMove;
  MouseHandler onMouseUp;
  std::function<void()> onDoubleClick;
};

// The keys the program tells apart; every other key is Other. Plus and Minus are those of
// the main keyboard and of the number pad; ContextMenu is the menu key or Shift+F10.
enum class Key { Other, Return, Escape, Left, Up, Right, Down, Space, Plus, Minus, C, M, ContextMenu };

// The step an arrow key stands for, one pixel either way; none for other keys.
constexpr Point arrowStep(Key key) {
  switch (key) {
    case Key::Left: return {-1, 0};
    case Key::Up: return {0, -1};
    case Key::Right: return {1, 0};
    case Key::Down: return {0, 1};
    default: return {};
  }
}
constexpr bool isArrow(Key key) { return arrowStep(key) != Point{}; }

// A key with modifier keys, as a hotkey: the platform's virtual-key code, and Alt, Ctrl,
// Shift and the Windows key as bits.
struct Hotkey {
  enum Modifier : std::uint8_t { Alt = 1, Ctrl = 2, Shift = 4, Win = 8 };
  static constexpr std::uint8_t kAllModifiers = Alt | Ctrl | Shift | Win;
  std::uint8_t key = 0;
  std::uint8_t modifiers = 0;
  friend constexpr bool operator==(const Hotkey&, const Hotkey&) = default;
};

// The pointer a window shows over its client area.
enum class PointerShape {
  Default,
  SizeNS,    // vertical double arrow
  SizeNWSE,  // diagonal double arrow, north-west to south-east
  SizeWE,    // horizontal double arrow
  Pen,       // the picker's pen
  Cross,     // a crosshair, for measuring
};

}  // namespace lindrel::platform
