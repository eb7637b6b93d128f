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
    message = error.what();  // a PlatformError's description
  }
  msgBox(message);
}

}  // namespace lindrel::platform
