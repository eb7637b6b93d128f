#pragma once
// Mouse messages as the router takes them, for windows and child controls alike.

#include <optional>

#include "platform/MouseRouter.h"
#include "platform/win32/Windows.h"

namespace lindrel::platform::win32 {

struct MouseMessage {
  MouseAction action;
  MouseButtons buttons;  // the button pressed or released; for a move, the buttons held
  Modifiers modifiers;
  Point at;      // client pixels
  Point screen;  // where the pointer was when the message was made
};

// nullopt for anything but a button or move message. A left double click is an action of its
// own where the receiver tells double clicks apart, else a press.
inline std::optional<MouseMessage> decodeMouse(UINT message, WPARAM wParam, LPARAM lParam, bool leftDoubleClick) {
  MouseAction action{};
  MouseButtons buttons;
  switch (message) {
    case WM_LBUTTONDOWN: action = MouseAction::Press; buttons = MouseButton::Left; break;
    case WM_LBUTTONDBLCLK: action = leftDoubleClick ? MouseAction::DoubleClick : MouseAction::Press; buttons = MouseButton::Left; break;
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: action = MouseAction::Press; buttons = MouseButton::Right; break;
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: action = MouseAction::Press; buttons = MouseButton::Middle; break;
    case WM_LBUTTONUP: action = MouseAction::Release; buttons = MouseButton::Left; break;
    case WM_RBUTTONUP: action = MouseAction::Release; buttons = MouseButton::Right; break;
    case WM_MBUTTONUP: action = MouseAction::Release; buttons = MouseButton::Middle; break;
    case WM_MOUSEMOVE:
      action = MouseAction::Move;
      if (wParam & MK_LBUTTON) buttons = buttons.with(MouseButton::Left);
      if (wParam & MK_RBUTTON) buttons = buttons.with(MouseButton::Right);
      if (wParam & MK_MBUTTON) buttons = buttons.with(MouseButton::Middle);
      break;
    default: return std::nullopt;
  }
  const Modifiers modifiers{(wParam & MK_SHIFT) != 0, (wParam & MK_CONTROL) != 0, ::GetKeyState(VK_MENU) < 0};
  const DWORD screen = ::GetMessagePos();
  return MouseMessage{action, buttons, modifiers, Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)},
                      Point{GET_X_LPARAM(screen), GET_Y_LPARAM(screen)}};
}

// Takes the mouse on a press, runs route, and gives the mouse back once nothing is held.
template <class Route>
void routeHoldingMouse(HWND hwnd, const MouseMessage& m, const MouseRouter& router, Route&& route) {
  if ((m.action == MouseAction::Press || m.action == MouseAction::DoubleClick) && ::GetCapture() != hwnd) {
    ::SetCapture(hwnd);
  }
  route();
  if (router.captured() == nullptr && ::GetCapture() == hwnd) ::ReleaseCapture();
}

// Another window took the mouse: nothing is held here any more.
inline void captureChanged(HWND hwnd, LPARAM lParam, MouseRouter& router) {
  if (reinterpret_cast<HWND>(lParam) != hwnd) router.cancelCapture();
}

}  // namespace lindrel::platform::win32
