#include "platform/Platform.h"

#include <exception>
#include <string>

#include "platform/Errors.h"

namespace lindrel::platform {

void Platform::dispatch(const std::function<void()>& handler) {
  std::string message;
  try {
    handler();
    return;
  } catch (const PlatformError& error) {
    message = error.description();
  } catch (const std::exception& error) {
    message = error.what();
  }
  msgBox(message);
}

}  // namespace lindrel::platform
