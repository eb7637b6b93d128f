#include "platform/MouseRouter.h"

namespace lindrel::platform {
namespace {

void deliver(const MouseHandler& handler, MouseElement& element, std::int16_t button, std::int16_t shift,
             Point client) {
  if (!handler) return;
  // Measured from where the element is now: a handler may have moved it since the press.
  const Point origin = element.mouseOrigin();
  handler(MouseEvent{button, shift, twipsFromPixels(client.x - origin.x), twipsFromPixels(client.y - origin.y)});
}

}  // namespace

void MouseRouter::route(MouseAction action, std::int16_t button, std::int16_t shift, Point client,
                        const HitTest& hit) {
  switch (action) {
    case MouseAction::Press:
    case MouseAction::DoubleClick: {
      if (captured_ == nullptr) captured_ = &hit(client);
      held_ = static_cast<std::int16_t>(held_ | button);
      MouseElement& target = *captured_;
      deliver(target.mouseHandlers().onMouseDown, target, button, shift, client);
      if (action == MouseAction::DoubleClick && button == button::kLeft && target.mouseHandlers().onDblClick) {
        target.mouseHandlers().onDblClick();
      }
      return;
    }
    case MouseAction::Move: {
      held_ = button;
      if (held_ == 0) captured_ = nullptr;
      MouseElement& target = captured_ != nullptr ? *captured_ : hit(client);
      deliver(target.mouseHandlers().onMouseMove, target, button, shift, client);
      return;
    }
    case MouseAction::Release: {
      MouseElement& target = captured_ != nullptr ? *captured_ : hit(client);
      held_ = static_cast<std::int16_t>(held_ & ~button);
      if (held_ == 0) captured_ = nullptr;
      deliver(target.mouseHandlers().onMouseUp, target, button, shift, client);
      return;
    }
  }
}

void MouseRouter::cancelCapture() {
  captured_ = nullptr;
  held_ = 0;
}

}  // namespace lindrel::platform
