#pragma once
// Which element gets a mouse event: the element under the pointer, or, while any button
// is held, the element the first button was pressed on (it keeps the mouse until the last
// release). Coordinates reach the handler in twips from the element's top-left corner.

#include <cstdint>
#include <functional>

#include "platform/Controls.h"

namespace lindrel::platform {

enum class MouseAction { Press, Move, Release, DoubleClick };

class MouseRouter {
 public:
  using HitTest = std::function<MouseElement&(Point)>;

  // buttons: the button pressed or released; for a move, the buttons the system says are held.
  void route(MouseAction action, MouseButtons buttons, Modifiers modifiers, Point client, const HitTest& hit);

  // The element that holds the mouse, or nullptr.
  MouseElement* captured() const { return captured_; }
  // The system took the mouse away (a menu or a message box): nothing is held any more.
  void cancelCapture();

 private:
  MouseElement* captured_ = nullptr;
  MouseButtons held_;
};

}  // namespace lindrel::platform
