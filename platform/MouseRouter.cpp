#include "platform/MouseRouter.h"

namespace lindrel::platform {
namespace {

void deliver(const MouseHandler& handler, MouseElement& element, MouseButtons buttons, Modifiers modifiers,
             Point client, Point screen) {
  // Measured from where the element is now: a handler may have moved it since the press.
  if (handler) handler(MouseEvent{buttons, modifiers, client - element.mouseOrigin(), screen});
}

}  // namespace

void MouseRouter::route(MouseAction action, MouseButtons buttons, Modifiers modifiers, Point client, Point screen,
                        const HitTest& hit) {
  switch (action) {
    case MouseAction::Press:
    case MouseAction::DoubleClick: {
      if (captured_ == nullptr) captured_ = &hit(client);
      held_ = held_.with(buttons);
      MouseElement& target = *captured_;
      deliver(target.mouseHandlers().onMouseDown, target, buttons, modifiers, client, screen);
      if (action == MouseAction::DoubleClick && buttons == MouseButton::Left && target.mouseHandlers().onDoubleClick) {
        target.mouseHandlers().onDoubleClick();
      }
      return;
    }
    case MouseAction::Move: {
      held_ = buttons;
      if (held_.empty()) captured_ = nullptr;
      MouseElement& target = captured_ != nullptr ? *captured_ : hit(client);
      deliver(target.mouseHandlers().onMouseMove, target, buttons, modifiers, client, screen);
      return;
    }
    case MouseAction::Release: {
      MouseElement& target = captured_ != nullptr ? *captured_ : hit(client);
      held_ = held_.without(buttons);
      if (held_.empty()) captured_ = nullptr;
      deliver(target.mouseHandlers().onMouseUp, target, buttons, modifiers, client, screen);
      return;
    }
  }
}

void MouseRouter::cancelCapture() {
  captured_ = nullptr;
  held_ = {};
}

}  // namespace lindrel::platform
