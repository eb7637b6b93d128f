#pragma once
// The platform on Win32: window classes, the message loop, modal loops, fonts, pointers,
// the screen, message boxes, the clipboard, the registry, files and programs.

#include <memory>
#include <set>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/win32/Accessibility.h"
#include "platform/win32/Handles.h"

namespace lindrel::platform::win32 {

class Win32Window;

// Resource ids shared with the resource script.
inline constexpr int kAppIconId = 1;
inline constexpr int kPenCursorId = 2;

// The border of a window of these styles at a DPI.
Rect frameAt(DWORD style, DWORD exStyle, int dpi);

// HKCU\Software\Lindrel.
class RegistrySettingsStore final : public SettingsStore {
 public:
  std::optional<StoredValues> readAll() override;
  bool write(std::string_view name, const std::optional<StoredValue>& value) override;
};

class Win32Platform final : public Platform {
 public:
  explicit Win32Platform(HINSTANCE instance);

  std::unique_ptr<Window> createWindow(const WindowSpec& design) override;
  std::unique_ptr<Menu> createMenu(const MenuItemSpec& top) override;
  bool anotherCopyRuns() override;
  bool registerHotkey(int id, Hotkey key) override;
  void unregisterHotkey(int id) override;
  bool sendToRunningCopy(std::uint32_t tag, std::span<const std::uint8_t> bytes) override;
  void listenToOtherCopies() override;
  Rect virtualDesktop() const override;
  Rect monitorArea(const Rect& area) const override;
  int monitorDpi(const Rect& area) const override;
  std::vector<Rect> monitors() const override;
  std::optional<Point> monitorSizeMm(const Rect& monitor) const override;
  std::string monitorIdentity(const Rect& monitor) const override;
  Point pointerPosition() const override;
  void movePointer(Point to) override;
  std::optional<Colour> screenPixel(Point at) override;
  std::unique_ptr<ScreenHold> holdScreen() override;
  void refreshScreen(const Rect& area) override;
  void showMessage(std::string_view text) override;
  bool copyText(std::string_view text) override;
  SettingsStore& settingsStore() override { return settings_; }
  std::optional<std::string> readSystemText(std::string_view key, std::string_view name) override;
  bool fileExists(std::string_view path) override;
  bool startProgram(std::string_view path) override;
  [[noreturn]] void endProcess() override;
  std::int64_t clockMs() const override { return static_cast<std::int64_t>(::GetTickCount64()); }
  // Read once and kept until the system says they changed: the magnifier asks at every tick.
  SystemColours systemColours() const override;
  void systemColoursChanged() { systemColours_.reset(); }
  void displaysChanged() { virtualDesktop_.reset(); }

  // Runs the message loop until quit() or WM_QUIT; returns the exit code.
  int run();
  void quit(int code) { ::PostQuitMessage(code); }
  // Handles the messages waiting now and those that come within the next ms milliseconds.
  void pump(int ms);
  // Hands one message to its window, with dialog keys (Tab, Enter, Esc) for windows with controls.
  void deliver(MSG& msg);

  HINSTANCE instance() const { return instance_; }
  HWND ownerWindow();
  // The screen's DC while a hold lives, else none (callers take one for themselves).
  HDC heldScreen() const { return screen_ ? screen_.get() : nullptr; }
  // A font of the design at a DPI, made once and kept for the life of the platform.
  HFONT font(const FontSpec& design, int dpi);
  // The pointer for a window at a DPI: the pen at its size there, its tip where it was.
  HCURSOR cursorFor(PointerShape shape, int dpi);
  // A picture at a size in pixels (the application's icon at 32 pixels at 96 DPI).
  HICON icon(Picture picture, int size);
  // Common controls (tooltips) are loaded with the first window that asks for them, not at
  // start-up.
  void ensureCommonControls();
  // The window class of picture boxes, registered before the first one is made.
  void ensureControlClasses();
  Accessibility& accessibility() { return accessibility_; }
  void registerWindow(Win32Window* window) { windows_.push_back(window); }
  void unregisterWindow(Win32Window* window);
  Win32Window* windowOf(HWND hwnd) const;
  // Disables every other enabled window of the program; returns them, to enable again.
  std::vector<HWND> disableOthers(HWND except) const;

 private:
  class Win32ScreenHold;
  void registerClass(const std::string& name, Picture icon);

  HINSTANCE instance_;
  RegistrySettingsStore settings_;
  Accessibility accessibility_;
  struct MadeFont {
    FontSpec design;
    int dpi;
    GdiObject handle;
  };
  std::vector<MadeFont> fonts_;
  std::set<std::string> classes_;
  bool controlClasses_ = false;
  IconHandle appIcon_;
  struct PenAtSize {
    int size;
    CursorHandle handle;
  };
  std::vector<PenAtSize> pens_;
  KernelHandle running_;  // a mutex every copy in the session holds
  bool anotherCopyRan_ = false;
  ModuleHandle commonControls_;
  WindowDc screen_;
  int screenHolds_ = 0;
  std::vector<Win32Window*> windows_;
  struct CopiedMessage {
    std::uint32_t tag;
    std::vector<std::uint8_t> bytes;
  };
  std::vector<CopiedMessage> copied_;  // taken from other copies, not yet acted on
  WindowHandle copies_;  // where other copies send their messages
  KernelHandle copiesSection_;  // holds copies_'s handle for them to read
  mutable std::optional<SystemColours> systemColours_;
  mutable std::optional<Rect> virtualDesktop_;
  WindowHandle owner_;  // last: it goes first
};

}  // namespace lindrel::platform::win32
