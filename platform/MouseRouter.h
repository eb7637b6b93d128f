#pragma once
// Which element gets a mouse event: the element under the pointer, or, while any button
// is held, the element the first button was pressed on (it keeps the mouse until the last
// release). Positions reach the handler in pixels from the element's top-left corner.

#include <functional>

#include "platform/Controls.h"

namespace lindrel::platform {

enum class MouseAction { Press, Move, Release, DoubleClick };

class MouseRouter {
 public:
  using HitTest = std::function<MouseElement&(Point)>;

  // buttons: the button pressed or released; for a move, the buttons the system says are
  // held. client: in the pixels of the router's window; screen: the pointer on the screen.
  void route(MouseAction action, MouseButtons buttons, Modifiers modifiers, Point client, Point screen,
             const HitTest& hit);

  // The element that holds the mouse, or nullptr.
  MouseElement* captured() const { return captured_; }
  // The system took the mouse away (a menu or a message box): nothing is held any more.
  void cancelCapture();

 private:
  MouseElement* captured_ = nullptr;
  MouseButtons held_;
};

}  // namespace lindrel::platform
