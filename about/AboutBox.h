#pragma once
// The about box: title, version, a usage guide, and a way to the system information tool.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace lindrel {

// The system information tool: the program the registry names, when it is there, else the
// one in the shared tools' folder, when it is there; none when neither is.
std::optional<std::string> systemInfoProgram(
    const std::function<std::optional<std::string>(std::string_view key, std::string_view name)>& readText,
    const std::function<bool(std::string_view path)>& fileExists);

class AboutBox {
 public:
  explicit AboutBox(platform::Platform& platform);
  ~AboutBox();
  AboutBox(const AboutBox&) = delete;
  AboutBox& operator=(const AboutBox&) = delete;

  // Makes the window afresh on the monitor of an area (the ruler's), centred there at that
  // monitor's DPI, shows it modally and returns when it has been closed.
  void showModal(const platform::Rect& onMonitorOf);
  // Closes the window if it is open.
  void close();
  platform::Window* window() { return window_.get(); }

  // Starts the system information tool without waiting for it; when there is none or it
  // cannot be started, says so in a message box.
  void startSystemInfo();

 private:
  // A new window with every control, in tab order, and their texts.
  void load(const platform::Rect& onMonitorOf);

  platform::Platform& platform_;
  std::unique_ptr<platform::Window> window_;
};

}  // namespace lindrel
