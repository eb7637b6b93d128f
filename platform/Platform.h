#pragma once
// What the program's windows ask of the system, in the program's own terms: windows and
// menus, the monitors, the pointer, the screen's pixels, messages, the clipboard, the
// settings store, the system's registry, files and programs.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// A window put back where it was shows there only when at least this much of it, each way,
// lies on one monitor: enough to grab.
inline constexpr int kLeastVisiblePixels = 34;

// One value the program keeps: a 32-bit number or a block of bytes.
struct StoredValue {
  enum class Kind { Number, Bytes, Other };
  Kind kind = Kind::Bytes;
  std::vector<std::uint8_t> bytes;
  friend bool operator==(const StoredValue&, const StoredValue&) = default;
};

// The user's colour settings: whether high contrast is on, and the system's colours for
// window backgrounds and their text, dimmed text, and the face and text of buttons.
struct SystemColours {
  bool highContrast = false;
  Colour window = kWhite;
  Colour windowText = kBlack;
  Colour grayText = rgb(0x6D, 0x6D, 0x6D);
  Colour buttonFace = kButtonFace;
  Colour buttonText = kBlack;
  friend bool operator==(const SystemColours&, const SystemColours&) = default;
};

// Value names are compared in lower case, as the registry does.
using StoredValues = std::map<std::string, StoredValue>;
// A–Z made a–z, nothing else: the same in every locale.
std::string lowerCase(std::string_view name);

// The values the program keeps between runs (HKCU\Software\Lindrel on Windows).
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // Every value kept, by lower-case name; empty when nothing is kept yet; none when the
  // store is there but cannot be read.
  virtual std::optional<StoredValues> readAll() = 0;
  // Replaces a value whole, or removes it (none); false when that could not be done.
  virtual bool write(std::string_view name, const std::optional<StoredValue>& value) = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // A new window, made but not shown.
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
  // A monitor's own report of its size in millimetres, as the system gives it (from its EDID);
  // none when it gives none.
  virtual std::optional<Point> monitorSizeMm(const Rect& monitor) const = 0;
  // The monitor's device identity: the same monitor gives the same one at every start.
  virtual std::string monitorIdentity(const Rect& monitor) const = 0;
  // The side of the largest square of an area that one monitor shows.
  int shownReach(const Rect& area) const;
  // Whether kLeastVisiblePixels of an area, each way, lie on one of the monitors.
  bool showsOnAMonitor(const Rect& area) const { return shownReach(area) >= kLeastVisiblePixels; }
  Rect monitorAt(Point p) const { return monitorArea(Rect::at(p, {1, 1})); }

  // Milliseconds on a clock that only goes forward.
  virtual std::int64_t clockMs() const = 0;
  // What the user chose; each window hears of a change through onSystemColoursChange.
  virtual SystemColours systemColours() const = 0;

  // Where the pointer is, and moving it there (held to the desktop).
  virtual Point pointerPosition() const = 0;
  virtual void movePointer(Point to) = 0;
  // One pixel of the screen as the user sees it; none where the screen cannot be read.
  virtual std::optional<Colour> screenPixel(Point at) = 0;
  // While a hold lives, reading the screen costs less (it stays open between reads).
  class ScreenHold {
   public:
    virtual ~ScreenHold() = default;
  };
  virtual std::unique_ptr<ScreenHold> holdScreen() = 0;
  // Every window under an area of the screen, of any program, draws itself again now: what a
  // window hidden there covered shows before the screen is read.
  virtual void refreshScreen(const Rect& area) = 0;

  // A modal message with an OK button only and the title as caption; returns when dismissed.
  virtual void showMessage(std::string_view text) = 0;
  // Puts exactly the text on the clipboard; false when another program keeps the clipboard.
  virtual bool copyText(std::string_view text) = 0;
  // The same, and when another program keeps the clipboard a message says so.
  void copyTextOrSay(std::string_view text);

  virtual SettingsStore& settingsStore() = 0;
  // A text value of the system's registry (HKEY_LOCAL_MACHINE), read without write rights,
  // with %NAMES% expanded where the value says so; a value of another kind reads as empty
  // text; none where the key or the value cannot be read.
  virtual std::optional<std::string> readSystemText(std::string_view key, std::string_view name) = 0;
  // A file that exists and is neither hidden nor a system file.
  virtual bool fileExists(std::string_view path) = 0;
  // Starts the program at the path with a normal, focused window and returns without
  // waiting; false when it cannot be started.
  virtual bool startProgram(std::string_view path) = 0;

  // Whether another copy of the program was running in the user's session when this one
  // first asked; the answer holds for the life of the process.
  virtual bool anotherCopyRuns() = 0;

  // ---- Global hotkeys: a key that reaches the program wherever the keyboard is; false when
  // another program holds it. onHotkey gets the id it was registered with.
  virtual bool registerHotkey(int id, Hotkey key) = 0;
  virtual void unregisterHotkey(int id) = 0;
  std::function<void(int id)> onHotkey;

  // ---- Other copies of the program in the user's session: a message of a few bytes to one
  // that listens (false: none took it), and, once this copy listens, the messages sent to it.
  virtual bool sendToRunningCopy(std::uint32_t tag, std::span<const std::uint8_t> bytes) = 0;
  virtual void listenToOtherCopies() = 0;
  std::function<void(std::uint32_t tag, std::span<const std::uint8_t> bytes)> onMessageFromOtherCopy;

  // Ends the process at once.
  [[noreturn]] virtual void endProcess() = 0;

  // Runs a handler for an event that came from the system. What the handler could not go
  // on with is shown in a message box; it never ends the program.
  void dispatch(const std::function<void()>& handler);
  // dispatch for an event's handler, which may be unset.
  template <class... Args, class... Given>
  void fire(const std::function<void(Args...)>& handler, Given&&... args) {
    if (handler) dispatch([&] { handler(std::forward<Given>(args)...); });
  }
};

// The one exception the program throws: something a command cannot go on without (the
// system has no room for another window). The text is what the user is told.
class Failure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace lindrel::platform
