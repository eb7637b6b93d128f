#include "platform/MouseRouter.h"

namespace lindrel::platform {
namespace {

void deliver(const MouseHandler& handler, MouseElement& element, MouseButtons buttons, Modifiers modifiers,
             Point client) {
  if (!handler) return;
  // Measured from where the element is now: a handler may have moved it since the press.
  const Point origin = element.mouseOrigin();
  handler(MouseEvent{buttons, modifiers, twipsFromPixels(client.x - origin.x), twipsFromPixels(client.y - origin.y)});
}

}  // namespace

void MouseRouter::route(MouseAction action, MouseButtons buttons, Modifiers modifiers, Point client,
                        const HitTest& hit) {
  switch (action) {
    case MouseAction::Press:
    case MouseAction::DoubleClick: {
      if (captured_ == nullptr) captured_ = &hit(client);
      held_ = held_.with(buttons);
      MouseElement& target = *captured_;
      deliver(target.mouseHandlers().onMouseDown, target, buttons, modifiers, client);
      if (action == MouseAction::DoubleClick && buttons == MouseButton::Left && target.mouseHandlers().onDblClick) {
        target.mouseHandlers().onDblClick();
      }
      return;
    }
    case MouseAction::Move: {
      held_ = buttons;
      if (held_.empty()) captured_ = nullptr;
      MouseElement& target = captured_ != nullptr ? *captured_ : hit(client);
      deliver(target.mouseHandlers().onMouseMove, target, buttons, modifiers, client);
      return;
    }
    case MouseAction::Release: {
      MouseElement& target = captured_ != nullptr ? *captured_ : hit(client);
      held_ = held_.without(buttons);
      if (held_.empty()) captured_ = nullptr;
      deliver(target.mouseHandlers().onMouseUp, target, buttons, modifiers, client);
      return;
    }
  }
}

void MouseRouter::cancelCapture() {
  captured_ = nullptr;
  held_ = {};
}

}  // namespace lindrel::platform
