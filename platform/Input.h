#pragma once
// Mouse buttons, modifier keys and keys as handlers receive them. Each implementation turns
// the system's integers into these once, where its input comes in.

#include <cstdint>

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

// The keys the program tells apart; every other key is Other.
enum class Key { Other, Return, Escape, Left, Up, Right, Down };

}  // namespace lindrel::platform
