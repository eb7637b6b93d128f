#include "platform/Platform.h"

#include <exception>
#include <string>

namespace lindrel::platform {

void Platform::dispatch(const std::function<void()>& handler) {
  std::string message;
  try {
    handler();
    return;
  } catch (const std::exception& error) {
    message = error.what();
  }
  showMessage(message);
}

bool Platform::showsOnAMonitor(const Rect& area) const {
  for (const Rect& monitor : monitors()) {
    const Rect shown = intersect(area, monitor);
    if (shown.width() >= kLeastVisiblePixels && shown.height() >= kLeastVisiblePixels) return true;
  }
  return false;
}

}  // namespace lindrel::platform
