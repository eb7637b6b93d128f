#include "platform/Platform.h"

#include <algorithm>
#include <exception>
#include <string>
#include "strings/UiText.h"

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

void Platform::copyTextOrSay(std::string_view text) {
  if (!copyText(text)) showMessage(strings::ui(strings::UiText::ClipboardBusy));
}

std::string lowerCase(std::string_view name) {
  std::string out(name);
  for (char& c : out) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  return out;
}

int Platform::shownReach(const Rect& area) const {
  int reach = 0;
  for (const Rect& monitor : monitors()) {
    const Rect shown = intersect(area, monitor);
    reach = std::max(reach, std::min(shown.width(), shown.height()));
  }
  return reach;
}

}  // namespace lindrel::platform
