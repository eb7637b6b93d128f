#pragma once
// An in-memory desktop that keeps the platform's contract: windows with geometry,
// surfaces and z-order, monitors, a pointer, timers driven by the test, scripted message
// boxes, menus and modal windows, a clipboard, a registry and files. It records what the
// program did so tests can look.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/sim/SimSurface.h"

namespace lindrel::platform::sim {

class SimPlatform;
class SimWindow;

// Thrown by endProcess: unwinds to the input call of the test that caused it.
struct ProcessEnded {};

struct Monitor {
  Rect rect;
  bool primary = false;
  int dpi = kDesignDpi;
};

struct RegistryValue {
  std::uint32_t type = kRegSz;
  std::vector<std::uint8_t> data;
  static RegistryValue text(std::string_view utf8, std::uint32_t type = kRegSz);
  static RegistryValue dword(std::uint32_t value);
  friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

// A key's root and its path (lower case), and the values it holds by name (lower case).
using RegistryPath = std::pair<std::uintptr_t, std::string>;
using Registry = std::map<RegistryPath, std::map<std::string, RegistryValue>>;

// One change the program made to a value: none is a value removed.
struct RegistryWrite {
  RegistryPath key;
  std::string name;
  std::optional<RegistryValue> value;
};

struct SimConfig {
  std::vector<Monitor> monitors{Monitor{Rect{0, 0, 1280, 800}, true}};
  // What the registry holds at the start (another run's values, say).
  Registry registry{};
  Colour desktopColour = rgb(0, 128, 128);
  Point pointer{};  // where the pointer is when the program starts
};

// One message box as the program showed it.
struct MessageBoxRecord {
  std::string text;
  std::string caption;
  // The topmost state of every open window at the moment the box came up.
  std::map<Hwnd, bool> topmost;
};

// One popup as the user saw it: the captions of the top level ("-" for separators).
struct PopupRecord {
  Point at;
  std::vector<std::string> captions;
  std::vector<std::string> checked;  // the captions with a check mark
};

struct SetWindowPosCall {
  Hwnd hwnd;
  Hwnd insertAfter;
  int x, y, cx, cy;
  unsigned flags;
};

struct FileEntry {
  bool hidden = false;
  bool system = false;
};

class SimControl;

class SimPlatform final : public Platform, public Api {
 public:
  explicit SimPlatform(SimConfig config = {});
  ~SimPlatform() override;

  // ---- Platform
  Api& api() override { return *this; }
  std::unique_ptr<Window> createWindow(const WindowSpec& design) override;
  std::unique_ptr<Menu> createMenu(const MenuItemSpec& top) override;
  Rect virtualDesktop() const override;
  Rect monitorArea(const Rect& area) const override;
  int monitorDpi(const Rect& area) const override;
  std::vector<Rect> monitors() const override;
  void msgBox(std::string_view text) override;
  void clearClipboard() override;
  void setClipboardText(std::string_view text) override;
  std::string expandEnvironment(std::string_view text) override;
  bool fileExists(std::string_view path) override;
  void startProgram(std::string_view path) override;
  [[noreturn]] void endProcess() override;

  // ---- Api
  bool SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int cx, int cy, unsigned flags) override;
  bool GetWindowRect(Hwnd hwnd, Rect& rect) override;
  bool GetCursorPos(Point& point) override;
  bool SetCursorPos(int x, int y) override;
  Hdc GetDC(Hwnd hwnd) override;
  int ReleaseDC(Hwnd hwnd, Hdc hdc) override;
  Colour GetPixel(Hdc hdc, int x, int y) override;
  bool BitBlt(Hdc dest, int x, int y, int cx, int cy, Hdc src, int x1, int y1, std::uint32_t rop) override;
  bool StretchBlt(Hdc dest, int x, int y, int cx, int cy, Hdc src, int x1, int y1, int cx1, int cy1,
                  std::uint32_t rop) override;
  bool TextOut(Hdc hdc, int x, int y, std::string_view text) override;
  long RegOpenKeyEx(Hkey root, std::string_view subKey, std::uint32_t options, std::uint32_t samDesired,
                    Hkey& result) override;
  long RegQueryValueEx(Hkey key, std::string_view valueName, std::uint32_t& type, std::uint8_t* data,
                       std::uint32_t& size) override;
  long RegCloseKey(Hkey key) override;
  long RegCreateKeyEx(Hkey root, std::string_view subKey, std::uint32_t options, std::uint32_t samDesired,
                      Hkey& result) override;
  long RegSetValueEx(Hkey key, std::string_view valueName, std::uint32_t type, const std::uint8_t* data,
                     std::uint32_t size) override;
  long RegDeleteValue(Hkey key, std::string_view valueName) override;

  // ---- Driving it, as a user would. Screen pixels. Each returns after the program's
  // handlers ran; a call that ends the process returns with ended() true.
  void moveCursor(Point screen);  // the pointer moves; the window under it gets a mouse move
  void setCursor(Point screen) { cursor_ = screen; }  // the pointer jumps, no event
  void mouseDown(MouseButton button, Point screen, Modifiers modifiers = {});
  void mouseUp(MouseButton button, Point screen, Modifiers modifiers = {});
  void click(MouseButton button, Point screen);
  void doubleClick(Point screen);
  // A left drag from one point to another in steps of at most `step` pixels.
  void drag(Point from, Point to, int step = 5);
  // A key for the active window: its onKeyPreview, then the window.
  void keyDown(Key key, Modifiers modifiers = {});
  // The wheel turns by notches with the pointer at a point.
  void wheel(Point screen, int notches);
  // The keyboard goes to a focusable picture box (as Tab brings it there), or to no box.
  void focus(const PictureBox* box) { focused_ = box; }
  const PictureBox* focused() const { return focused_; }
  void type(TextBox& box, std::string_view characters);  // '\b' is Backspace
  // An edit that types no character (Delete, paste, cut, undo) leaves `result` in the box.
  void edit(TextBox& box, std::string_view result);
  void dragThumb(ScrollBar& bar, int value);
  void clickArrow(ScrollBar& bar, int delta);
  void choose(ComboBox& list, int index);
  void press(Button& button);  // a click with the left button
  void closeBox(Window& window);  // the window's close box
  // The user drags a window by its caption: the system moves it to a new top-left.
  void moveWindow(Window& window, Point topLeft);
  // The user's session ends: every open window is told, as WM_ENDSESSION tells it.
  void endSession();
  // Runs every timer due in the next `ms` milliseconds, in time order.
  void advance(int ms);

  // ---- Scripted answers. Each runs while its box, menu or modal window is up.
  std::function<void(const MessageBoxRecord&)> onMessageBox;
  // Returns the captions to follow from the top level to the chosen item; empty dismisses.
  std::function<std::vector<std::string>(const PopupRecord&)> onPopupMenu;
  // Drives the modal window; it is closed afterwards if still open.
  std::function<void(Window&)> onModal;
  // True for a window the system has no room for (it runs out of window handles).
  std::function<bool(const WindowSpec&)> refuseWindow;

  // ---- What happened.
  const std::vector<MessageBoxRecord>& messageBoxes() const { return messageBoxes_; }
  const std::vector<PopupRecord>& popups() const { return popups_; }
  const std::vector<SetWindowPosCall>& setWindowPosCalls() const { return setWindowPosCalls_; }
  const std::optional<std::string>& clipboard() const { return clipboard_; }
  const std::vector<std::string>& startedPrograms() const { return started_; }
  bool ended() const { return ended_; }
  int openDcs() const { return static_cast<int>(dcs_.size()); }
  int openKeys() const { return static_cast<int>(openKeys_.size()); }
  const std::vector<std::uint32_t>& registryAccessRequested() const { return accessRequested_; }
  const std::vector<RegistryWrite>& registryWrites() const { return registryWrites_; }
  const Registry& registry() const { return registry_; }
  Point cursor() const { return cursor_; }
  // Drops what was recorded so far (long runs that only look at what comes next).
  void forgetRecords();

  // ---- Setting the scene.
  void paintDesktop(const Rect& area, Colour color);
  void paintDesktop(const std::function<Colour(Point)>& pattern);
  // Pixels whose reads through GetPixel on the screen fail (the invalid-colour marker).
  std::set<std::pair<int, int>> unreadablePixels;
  // What the user sees at a screen pixel: windows in z-order over the desktop.
  Colour screenPixel(Point p) const;
  void setRegistryValue(Hkey root, std::string_view key, std::string_view name, RegistryValue value);
  // Keys that only an administrator may open with write rights (a standard user here).
  bool standardUser = true;
  // An error for opening or making a key that the user may not have; success lets it open.
  std::function<long(Hkey root, std::string_view key)> refuseKey;
  // Not success: every value written fails with it (no rights, a full hive).
  long setValueError = kErrorSuccess;
  void addFile(std::string_view path, FileEntry entry = {});
  std::map<std::string, std::string> environment;
  // How many opens of the clipboard fail before one succeeds (-1: never succeeds).
  int clipboardBusy = 0;

  // ---- Windows.
  Rect primaryScreen() const;
  bool isTopmost(Hwnd hwnd) const;
  SimWindow* window(Hwnd hwnd) const;
  SimWindow* activeWindow() const { return active_; }
  int clockMs() const { return now_; }

  // ---- For the sim's own windows and controls.
  void registerWindow(SimWindow* window);
  void unregisterWindow(SimWindow* window);
  void bringToFront(SimWindow* window);
  void activate(SimWindow* window) { active_ = window; }
  Hdc registerSurface(SimSurface* surface);
  void unregisterSurface(Hdc hdc);
  std::uintptr_t nextId() { return nextId_++; }
  void timerCreated(class SimTimer* timer);
  void timerDestroyed(class SimTimer* timer);
  bool inModal(const SimWindow* window) const;
  void pushModal(SimWindow* window) { modal_.push_back(window); }
  void popModal() { modal_.pop_back(); }
  void runPopup(SimWindow& owner, Menu& menu, std::optional<Point> at);
  void releaseCapture() { capture_ = nullptr; }

 private:
  struct Target;
  Target targetAt(Point screen) const;
  void routeMouse(MouseAction action, MouseButtons buttons, Modifiers modifiers, Point screen);
  template <class F>
  void input(F&& f);
  SimSurface* surfaceOf(Hdc hdc) const;
  const Monitor& monitorOf(const Rect& area) const;
  bool isScreenDc(Hdc hdc) const;
  Colour readPixel(Hdc hdc, Point p) const;

  SimConfig config_;
  SimSurface desktop_;
  Point cursor_{};
  std::vector<SimWindow*> windows_;  // z-order, top first
  SimWindow* active_ = nullptr;
  const PictureBox* focused_ = nullptr;
  SimWindow* hovered_ = nullptr;  // the window the pointer last moved over
  SimControl* capture_ = nullptr;
  std::vector<SimWindow*> modal_;
  std::uintptr_t nextId_ = 0x100;
  std::map<std::uintptr_t, SimSurface*> surfaces_;
  std::map<std::uintptr_t, bool> dcs_;  // open GetDC handles: true for the screen
  std::vector<class SimTimer*> timers_;
  int now_ = 0;
  MouseButtons held_;
  std::vector<MessageBoxRecord> messageBoxes_;
  std::vector<PopupRecord> popups_;
  std::vector<SetWindowPosCall> setWindowPosCalls_;
  std::optional<std::string> clipboard_;
  std::map<std::string, FileEntry> files_;  // lower-case paths
  std::vector<std::string> started_;
  // Opens a key that exists, or makes it first: what RegOpenKeyEx and RegCreateKeyEx share.
  long openKey(Hkey root, std::string_view subKey, std::uint32_t samDesired, bool create, Hkey& result);
  // The key a handle was opened on, when it was opened with these rights.
  const RegistryPath* keyOpenedWith(Hkey key, std::uint32_t rights) const;

  Registry registry_;
  struct OpenKey {
    RegistryPath path;
    std::uint32_t access;
  };
  std::map<std::uintptr_t, OpenKey> openKeys_;
  std::vector<std::uint32_t> accessRequested_;
  std::vector<RegistryWrite> registryWrites_;
  bool ended_ = false;
};

}  // namespace lindrel::platform::sim
