#pragma once
// An in-memory desktop that keeps the platform's contract: windows with geometry, surfaces
// and z-order, monitors of their own DPIs, a pointer, timers driven by the test, scripted
// message boxes, menus and modal windows, a clipboard and a settings store. It
// records what the program did so tests can look. It stands in for what Wine cannot make:
// monitors of different DPIs, a refused or full registry, the session's end, time, and two
// copies of the program on one desktop.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/sim/SimSurface.h"

namespace lindrel::platform::sim {

class SimWindow;
class SimControl;
class SimTimer;

// Thrown by endProcess: unwinds to the input call of the test that caused it.
struct ProcessEnded {};

struct Monitor {
  Rect rect;
  bool primary = false;
  int dpi = kDesignDpi;
};

struct SimConfig {
  std::vector<Monitor> monitors{Monitor{Rect{0, 0, 1280, 800}, true}};
  // What the settings store holds at the start (another run's values, say).
  StoredValues settings{};
  Point pointer{};  // where the pointer is when the program starts
};

// One popup as the user saw it: where, and its items.
struct PopupRecord {
  Point at;
  const MenuItemSpec& menu;
};

// The settings store in memory: what it holds, and what was written to it.
class SimSettingsStore final : public SettingsStore {
 public:
  std::optional<StoredValues> readAll() override;
  bool write(std::string_view name, const std::optional<StoredValue>& value) override;

  StoredValues values;
  bool refused = false;      // the key cannot be opened at all (no rights)
  bool writesFail = false;   // values cannot be written (a full hive)
  struct Write {
    std::string name;
    std::optional<StoredValue> value;
  };
  std::vector<Write> writes;
};

class SimPlatform final : public Platform {
 public:
  explicit SimPlatform(SimConfig config = {});
  ~SimPlatform() override;

  // ---- Platform
  std::unique_ptr<Window> createWindow(const WindowSpec& design) override;
  std::unique_ptr<Menu> createMenu(const MenuItemSpec& top) override;
  Rect virtualDesktop() const override;
  Rect monitorArea(const Rect& area) const override;
  int monitorDpi(const Rect& area) const override;
  std::vector<Rect> monitors() const override;
  // The simulated monitors report no size of their own, and share one identity.
  std::optional<Point> monitorSizeMm(const Rect&) const override { return std::nullopt; }
  std::string monitorIdentity(const Rect&) const override { return "SIM"; }
  Point pointerPosition() const override { return cursor_; }
  void movePointer(Point to) override { cursor_ = clampedInto(to, virtualDesktop()); }
  std::optional<Colour> screenPixel(Point at) override { return visiblePixel(at); }
  std::unique_ptr<ScreenHold> holdScreen() override { return std::make_unique<ScreenHold>(); }
  // The simulated screen is composed whenever it is read.
  void refreshScreen(const Rect&) override {}
  void showMessage(std::string_view text) override;
  bool copyText(std::string_view text) override {
    clipboard = std::string(text);
    return true;
  }
  SettingsStore& settingsStore() override { return settings; }
  // The simulated system has no registry of its own, nor files or programs.
  std::optional<std::string> readSystemText(std::string_view, std::string_view) override { return std::nullopt; }
  bool fileExists(std::string_view) override { return false; }
  bool startProgram(std::string_view) override { return false; }
  bool anotherCopyRuns() override { return anotherCopy; }
  bool registerHotkey(int id, Hotkey key) override;
  void unregisterHotkey(int id) override { hotkeys_.erase(id); }
  // The simulated session has no other copy to take a message.
  bool sendToRunningCopy(std::uint32_t, std::span<const std::uint8_t>) override { return false; }
  void listenToOtherCopies() override {}
  [[noreturn]] void endProcess() override;

  // ---- Driving it, as a user would. Screen pixels. Each returns after the program's
  // handlers ran; a call that ends the process returns with ended() true.
  void moveCursor(Point screen);  // the pointer moves; the window under it gets a mouse move
  void mouseDown(MouseButton button, Point screen);
  void mouseUp(MouseButton button, Point screen);
  void click(MouseButton button, Point screen);
  // A left drag from one point to another in steps of at most `step` pixels.
  void drag(Point from, Point to, int step = 5);
  // A key for the active window: its onKeyPreview, then the window.
  void keyDown(Key key, Modifiers modifiers = {});
  // A hotkey pressed anywhere: onHotkey runs when the program holds it.
  void pressHotkey(Hotkey key);
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
  // The user drags a window by its caption: the system moves it to a new top-left.
  void moveWindow(Window& window, Point topLeft);
  // Runs every timer due in the next `ms` milliseconds, in time order.
  void advance(int ms);

  // ---- Scripted answers. Each runs while its menu or modal window is up.
  // Returns the captions to follow from the top level to the chosen item; empty dismisses.
  std::function<std::vector<std::string>(const PopupRecord&)> onPopupMenu;
  // Drives a modal window; it is closed afterwards if still open.
  std::function<void(Window&)> onModal;

  // ---- What happened.
  // The texts of the message boxes shown, each answered at once.
  const std::vector<std::string>& messages() const { return messages_; }
  bool ended() const { return ended_; }
  Point cursor() const { return cursor_; }
  // Drops what was recorded so far (long runs that only look at what comes next).
  void forgetRecords();

  // ---- Setting the scene.
  void paintDesktop(const std::function<Colour(Point)>& pattern);
  // What the user sees at a screen pixel: windows in z-order over the desktop; none off
  // every monitor.
  std::optional<Colour> visiblePixel(Point p) const;
  SimSettingsStore settings;
  std::optional<std::string> clipboard;
  bool anotherCopy = false;  // what anotherCopyRuns() answers
  std::vector<Hotkey> heldElsewhere;  // hotkeys another program holds

  // ---- Windows.
  Rect primaryScreen() const;
  bool isTopmost(const Window& window) const;
  SimWindow* activeWindow() const { return active_; }
  std::int64_t clockMs() const override { return now_; }
  SystemColours systemColours() const override { return colours_; }
  // The user changes the colours (high contrast on or off): every window hears of it.
  void changeSystemColours(const SystemColours& colours);

  // ---- For the sim's own windows and controls.
  void registerWindow(SimWindow* window);
  void unregisterWindow(SimWindow* window);
  void bringToFront(SimWindow* window);
  void activate(SimWindow* window) { active_ = window; }
  void timerCreated(SimTimer* timer) { timers_.push_back(timer); }
  void timerDestroyed(SimTimer* timer);
  void runPopup(SimWindow& owner, Menu& menu, std::optional<Point> at);
  void releaseCapture() { capture_ = nullptr; }

 private:
  SimControl* targetAt(Point screen) const;
  void routeMouse(MouseAction action, MouseButtons buttons, Point screen);
  template <class F>
  void input(F&& f);
  const Monitor& monitorOf(const Rect& area) const;

  SimConfig config_;
  SimSurface desktop_;
  Point cursor_{};
  std::map<int, Hotkey> hotkeys_;
  std::vector<SimWindow*> windows_;  // z-order, top first
  SimWindow* active_ = nullptr;
  const PictureBox* focused_ = nullptr;
  SimWindow* hovered_ = nullptr;  // the window the pointer last moved over
  SimControl* capture_ = nullptr;
  std::vector<SimTimer*> timers_;
  int now_ = 0;
  MouseButtons held_;
  std::vector<std::string> messages_;
  bool ended_ = false;
  SystemColours colours_;
};

}  // namespace lindrel::platform::sim
