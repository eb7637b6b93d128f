#pragma once
// The windowing layer the forms are written against: windows, menus, the screen, the
// application-wide pointer, message boxes, the clipboard, files and programs.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Api.h"
#include "platform/Controls.h"
#include "platform/Window.h"

namespace lindrel::platform {

// The application's identity: every message box carries the title as its caption.
struct AppInfo {
  static constexpr std::string_view kTitle = "Lindrel";
  static constexpr int kMajor = 0;
  static constexpr int kMinor = 1;
  static constexpr int kRevision = 0;
};

// How often the clipboard is tried while another program holds it, and the pause between.
inline constexpr int kClipboardAttempts = 10;
inline constexpr int kClipboardRetryMs = 20;

// A window put back where it was shows there only when at least this much of it, each way,
// lies on one monitor (500 twips at the design DPI, the ruler's least size): enough to grab.
inline constexpr std::int32_t kLeastVisiblePixels = 34;

class Platform {
 public:
  virtual ~Platform() = default;

  virtual Api& api() = 0;

  // A new window, loaded but not shown.
  virtual std::unique_ptr<Window> createWindow(const WindowSpec& design) = 0;
  virtual std::unique_ptr<Menu> createMenu(const MenuItemSpec& top) = 0;

  // Every monitor together, in screen pixels (may start left of or above the primary one).
  virtual Rect virtualDesktop() const = 0;
  // The monitor that holds the larger part of an area (the nearest one when none does).
  virtual Rect monitorArea(const Rect& area) const = 0;
  // The DPI of that monitor (96 at 100 %).
  virtual int monitorDpi(const Rect& area) const = 0;
  // Every monitor there is now, in screen pixels.
  virtual std::vector<Rect> monitors() const = 0;
  // Whether kLeastVisiblePixels of an area, each way, lie on one of the monitors.
  bool showsOnAMonitor(const Rect& area) const;


  // A modal message with an OK button only and the title as caption; returns when dismissed.
  virtual void msgBox(std::string_view text) = 0;

  virtual void clearClipboard() = 0;
  // Puts exactly the text on the clipboard as plain text; raises CantOpenClipboard when
  // another program keeps it.
  virtual void setClipboardText(std::string_view text) = 0;

  // The text with every %NAME% of the environment replaced by its value (unknown names stay).
  virtual std::string expandEnvironment(std::string_view text) = 0;
  // A file that exists and is neither hidden nor a system file.
  virtual bool fileExists(std::string_view path) = 0;
  // Starts the program at the path (the path alone, no command line) with a normal, focused
  // window and returns without waiting; raises FileNotFound when it cannot be started.
  virtual void startProgram(std::string_view path) = 0;

  // Ends the process at once.
  [[noreturn]] virtual void endProcess() = 0;

  // Runs a handler for an event that came from the system. An error that the handler did
  // not trap is shown in a message box; it never ends the program.
  void dispatch(const std::function<void()>& handler);
};

}  // namespace lindrel::platform
