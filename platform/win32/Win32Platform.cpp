#include "platform/win32/Win32Platform.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <iterator>
#include <stdexcept>

#include "platform/win32/Windows.h"

#include <commctrl.h>

#include "platform/win32/Win32Controls.h"
#include "platform/win32/Win32Menu.h"
#include "platform/win32/Win32Window.h"
#include "strings/UiText.h"

namespace lindrel::platform::win32 {
namespace {

constexpr wchar_t kOwnerClass[] = L"LindrelOwner";

// The window other copies find to hand this one a message: message-only, so it never shows.
constexpr wchar_t kCopiesClass[] = L"LindrelCopies";
constexpr UINT kCopiedMessage = WM_APP + 1;  // what a copy sent, taken up after its call returned
constexpr std::size_t kLongestCopiedMessage = 256;
// Where the listening copy leaves that window's handle, for a copy that only hands over a
// command to read: finding the window by its class would start the display driver in that
// copy (under Wine a connection to the X server, most of such a start's time).
constexpr wchar_t kCopiesSection[] = L"Local\\Lindrel.Copies";

// None of the windows shows in the taskbar: tool windows never do, and the dialog is owned
// by the hidden owner window. Windows that move between the bands themselves stay unowned,
// since an owned window cannot leave the topmost band on its own under Wine.
struct Styles {
  DWORD style;
  DWORD exStyle;
  bool owned;
};

Styles stylesFor(Border border) {
  switch (border) {
    case Border::None: return {WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW, false};
    case Border::FixedToolWindow:
      return {WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT, false};
    case Border::FixedDialog:
      return {WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, true};
  }
  return {WS_POPUP, 0, false};
}

// How often the clipboard is tried while another program holds it, and the pause between.
constexpr int kClipboardAttempts = 10;
constexpr int kClipboardRetryMs = 20;

// Opens the clipboard, trying again for a moment while another program holds it; an empty
// owner when it stays held.
ClipboardOpen openClipboard(HWND owner) {
  for (int attempt = 0; attempt < kClipboardAttempts; ++attempt) {
    if (::OpenClipboard(owner)) return ClipboardOpen(owner);
    ::Sleep(kClipboardRetryMs);
  }
  return ClipboardOpen{};
}

int dpiOfMonitor(HMONITOR monitor) {
  // Windows 8.1 and later tell each monitor's DPI; before that every monitor has the system's.
  static const auto getDpiForMonitor =
      procedureOf<HRESULT WINAPI(HMONITOR, int, UINT*, UINT*)>(::LoadLibraryW(L"shcore.dll"), "GetDpiForMonitor");
  UINT x = 0, y = 0;
  if (getDpiForMonitor != nullptr && getDpiForMonitor(monitor, /*MDT_EFFECTIVE_DPI*/ 0, &x, &y) == S_OK && x > 0) {
    return static_cast<int>(x);
  }
  const WindowDc screen = getWindowDc(nullptr);
  const int dpi = ::GetDeviceCaps(screen.get(), LOGPIXELSX);
  return dpi > 0 ? dpi : kDesignDpi;
}

HMONITOR monitorOf(const Rect& area) {
  const RECT r{area.left, area.top, area.right, area.bottom};
  return ::MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST);
}

// A text of the resources' string table in a language: the texts are kept sixteen to a
// block, each as its length and its UTF-16 characters.
std::string resourceText(HINSTANCE module, int id, strings::Language language) {
  const LANGID languageId = language == strings::Language::English ? MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)
                                                                : MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);
  HRSRC block = ::FindResourceExW(module, RT_STRING, MAKEINTRESOURCEW(id / 16 + 1), languageId);
  HGLOBAL loaded = block != nullptr ? ::LoadResource(module, block) : nullptr;
  const auto* at = loaded != nullptr ? static_cast<const WCHAR*>(::LockResource(loaded)) : nullptr;
  if (at == nullptr) return {};
  for (int i = 0; i < id % 16; ++i) at += 1 + *at;
  return narrow(std::wstring_view(at + 1, *at));
}

// The system's device name of the monitor that holds the larger part of an area.
std::wstring deviceNameOf(const Rect& area) {
  MONITORINFOEXW info{};
  info.cbSize = sizeof info;
  ::GetMonitorInfoW(monitorOf(area), &info);
  return info.szDevice;
}

// The window of the copy that listens: the handle it left, while that is still such a window,
// else looked up (a copy started beside another may have left its handle and ended since).
HWND runningCopyWindow() {
  HWND left = nullptr;
  if (const KernelHandle section(::OpenFileMappingW(FILE_MAP_READ, FALSE, kCopiesSection)); section) {
    if (const void* view = ::MapViewOfFile(section.get(), FILE_MAP_READ, 0, 0, sizeof(std::uint64_t))) {
      left = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(*static_cast<const volatile std::uint64_t*>(view)));
      ::UnmapViewOfFile(view);
    }
  }
  wchar_t className[std::size(kCopiesClass) + 1] = {};
  if (left != nullptr && ::GetClassNameW(left, className, static_cast<int>(std::size(className))) > 0 &&
      std::wcscmp(className, kCopiesClass) == 0) {
    return left;
  }
  return ::FindWindowExW(HWND_MESSAGE, nullptr, kCopiesClass, nullptr);
}

}  // namespace

// Start-up makes only the ruler; what the other windows need comes with their first use. Even
// the icon waits for a window: loading it starts the display driver, which a copy that only
// hands over a command never needs.
Win32Platform::Win32Platform(HINSTANCE instance) : instance_(instance) {
  strings::readTextsFrom([instance](int id, strings::Language language) { return resourceText(instance, id, language); });
  // The system's controls made before the first client asked are named then.
  accessibility_.onFirstClient = [this] {
    for (Win32Window* w : windows_) w->nameControls();
  };
}

HWND Win32Platform::ownerWindow() {
  if (!owner_) {
    WNDCLASSEXW owner{};
    owner.cbSize = sizeof owner;
    owner.lpfnWndProc = ::DefWindowProcW;
    owner.hInstance = instance_;
    owner.lpszClassName = kOwnerClass;
    ::RegisterClassExW(&owner);
    // Owned windows stay out of the taskbar; the owner itself is never shown. It also owns
    // what the program puts on the clipboard.
    owner_ = WindowHandle(
        ::CreateWindowExW(0, kOwnerClass, L"Lindrel", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance_, nullptr));
  }
  return owner_.get();
}

bool Win32Platform::anotherCopyRuns() {
  if (!running_) {
    running_ = KernelHandle(::CreateMutexW(nullptr, FALSE, L"Local\\Lindrel.Running"));
    anotherCopyRan_ = running_ && ::GetLastError() == ERROR_ALREADY_EXISTS;
  }
  return anotherCopyRan_;
}

void Win32Platform::ensureCommonControls() {
  if (commonControls_) return;
  commonControls_ = ModuleHandle(::LoadLibraryW(L"comctl32.dll"));
  const auto init = procedureOf<BOOL WINAPI(const INITCOMMONCONTROLSEX*)>(commonControls_.get(), "InitCommonControlsEx");
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  if (init != nullptr) init(&classes);
}

void Win32Platform::ensureControlClasses() {
  if (controlClasses_) return;
  controlClasses_ = true;
  Win32PictureBox::registerClass(instance_);
}

void Win32Platform::registerClass(const std::string& name, Picture icon) {
  if (!classes_.insert(name).second) return;
  const std::wstring className = wide(name);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = Win32Window::procedure;
  wc.hInstance = instance_;
  wc.hIcon = icon == Picture::AppIcon ? this->icon(Picture::AppIcon, 32) : nullptr;
  wc.hCursor = nullptr;  // the windows set their pointer themselves
  wc.lpszClassName = className.c_str();
  // Another platform object of this process may have registered it already.
  if (::RegisterClassExW(&wc) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw std::runtime_error("cannot register window class " + name);
  }
}

std::unique_ptr<Window> Win32Platform::createWindow(const WindowSpec& design) {
  registerClass(design.className, design.icon);
  const Styles styles = stylesFor(design.border);
  const Rect place = design.startNear.value_or(Rect{0, 0, 1, 1});
  const Rect monitor = monitorArea(place);
  const int dpi = monitorDpi(place);
  const Rect frame = design.border == Border::None ? Rect{} : frameAt(styles.style, styles.exStyle, dpi);
  const Point size{scaledToDpi(design.designSize.x, dpi) + frame.left + frame.right,
                   scaledToDpi(design.designSize.y, dpi) + frame.top + frame.bottom};
  return std::make_unique<Win32Window>(*this, design, Rect::at(monitor.topLeft(), size), frame, dpi, styles.style,
                                       styles.exStyle, styles.owned ? ownerWindow() : nullptr);
}

std::unique_ptr<Menu> Win32Platform::createMenu(const MenuItemSpec& top) { return std::make_unique<Win32Menu>(top); }


// Kept until the displays change: picking asks twice a tick, and under Wine each of the four
// metrics is a walk over the display devices.
Rect Win32Platform::virtualDesktop() const {
  if (virtualDesktop_) return *virtualDesktop_;
  const int x = ::GetSystemMetrics(SM_XVIRTUALSCREEN), y = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
  virtualDesktop_ = Rect{x, y, x + ::GetSystemMetrics(SM_CXVIRTUALSCREEN), y + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  return *virtualDesktop_;
}

int Win32Platform::monitorDpi(const Rect& area) const { return dpiOfMonitor(monitorOf(area)); }

std::vector<Rect> Win32Platform::monitors() const {
  std::vector<Rect> found;
  const auto collect = [](HMONITOR, HDC, LPRECT r, LPARAM list) -> BOOL {
    reinterpret_cast<std::vector<Rect>*>(list)->push_back(Rect{r->left, r->top, r->right, r->bottom});
    return TRUE;
  };
  ::EnumDisplayMonitors(nullptr, nullptr, collect, reinterpret_cast<LPARAM>(&found));
  return found;
}

Rect frameAt(DWORD style, DWORD exStyle, int dpi) {
  // Windows 10 sizes a frame for a DPI; elsewhere the frame has the system's size.
  static const auto adjustForDpi = procedureOf<BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT)>(
      ::GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi");
  RECT adjust{0, 0, 0, 0};
  if (adjustForDpi == nullptr || !adjustForDpi(&adjust, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
    ::AdjustWindowRectEx(&adjust, style, FALSE, exStyle);
  }
  return Rect{-adjust.left, -adjust.top, adjust.right, adjust.bottom};
}

Rect Win32Platform::monitorArea(const Rect& area) const {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!::GetMonitorInfoW(monitorOf(area), &info)) {
    return Rect{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  }
  return Rect{info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
}

std::optional<Point> Win32Platform::monitorSizeMm(const Rect& monitor) const {
  const std::wstring device = deviceNameOf(monitor);
  const MemoryDc dc(::CreateDCW(L"DISPLAY", device.c_str(), nullptr, nullptr));  // freed as a memory DC is
  if (!dc) return std::nullopt;
  const Point size{::GetDeviceCaps(dc.get(), HORZSIZE), ::GetDeviceCaps(dc.get(), VERTSIZE)};
  if (size.x <= 0 || size.y <= 0) return std::nullopt;
  return size;
}

std::string Win32Platform::monitorIdentity(const Rect& monitor) const {
  // The monitor's own device id (its make and model from its EDID, and its connection),
  // else the display's name.
  const std::wstring device = deviceNameOf(monitor);
  DISPLAY_DEVICEW display{};
  display.cb = sizeof display;
  if (::EnumDisplayDevicesW(device.c_str(), 0, &display, 0) && display.DeviceID[0] != L'\0') return narrow(display.DeviceID);
  return narrow(device);
}

HCURSOR Win32Platform::cursorFor(PointerShape shape, int dpi) {
  switch (shape) {
    case PointerShape::SizeNS: return ::LoadCursorW(nullptr, IDC_SIZENS);
    case PointerShape::SizeNWSE: return ::LoadCursorW(nullptr, IDC_SIZENWSE);
    case PointerShape::SizeWE: return ::LoadCursorW(nullptr, IDC_SIZEWE);
    case PointerShape::Pen: return icon(Picture::Pen, scaledToDpi(32, dpi));
    case PointerShape::Cross: return ::LoadCursorW(nullptr, IDC_CROSS);
    case PointerShape::Default: break;
  }
  return ::LoadCursorW(nullptr, IDC_ARROW);
}

HICON Win32Platform::icon(Picture picture, int size) {
  switch (picture) {
    case Picture::AppIcon:
      if (!appIcon_) {
        appIcon_ = IconHandle(static_cast<HICON>(
            ::LoadImageW(instance_, MAKEINTRESOURCEW(kAppIconId), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR)));
      }
      return appIcon_.get();
    case Picture::Pen: {
      // Loaded at each size once; the system scales the image and its hot spot with it.
      for (const PenAtSize& pen : pens_) {
        if (pen.size == size) return pen.handle.get();
      }
      pens_.push_back({size, CursorHandle(static_cast<HCURSOR>(::LoadImageW(
                                 instance_, MAKEINTRESOURCEW(kPenCursorId), IMAGE_CURSOR, size, size, LR_DEFAULTCOLOR)))});
      return pens_.back().handle.get();
    }
    case Picture::None: break;
  }
  return nullptr;
}

HFONT Win32Platform::font(const FontSpec& design, int dpi) {
  for (const MadeFont& made : fonts_) {
    if (made.design == design && made.dpi == dpi) return static_cast<HFONT>(made.handle.get());
  }
  LOGFONTW lf{};
  if (design.face.empty()) {
    // The window font: the system's message face at 9 points (or the design's size), at the
    // window's DPI.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    lf = metrics.lfMessageFont;
    lf.lfHeight = -static_cast<LONG>((design.points > 0 ? design.points : 9) * dpi / 72 + 0.5);
    lf.lfWidth = 0;
  } else {
    lf.lfHeight = -static_cast<LONG>(design.points * dpi / 72 + 0.5);
    lf.lfWeight = design.weight;
    lf.lfCharSet = static_cast<BYTE>(design.charset);
    const std::wstring face = wide(design.face);
    face.copy(lf.lfFaceName, LF_FACESIZE - 1);
  }
  fonts_.push_back(MadeFont{design, dpi, GdiObject(::CreateFontIndirectW(&lf))});
  return static_cast<HFONT>(fonts_.back().handle.get());
}

void Win32Platform::unregisterWindow(Win32Window* window) {
  windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
}

Win32Window* Win32Platform::windowOf(HWND hwnd) const {
  for (Win32Window* w : windows_) {
    if (w->handle() == hwnd) return w;
  }
  return nullptr;
}

std::vector<HWND> Win32Platform::disableOthers(HWND except) const {
  std::vector<HWND> disabled;
  for (Win32Window* w : windows_) {
    HWND h = w->handle();
    if (h != nullptr && h != except && ::IsWindowEnabled(h)) {
      ::EnableWindow(h, FALSE);
      disabled.push_back(h);
    }
  }
  return disabled;
}

void Win32Platform::showMessage(std::string_view text) {
  // Task-modal: every window of the program waits. Topmost: never hidden behind the ruler or
  // the magnifier, whatever band they are in. The program's windows stay disabled until the
  // box has gone, so the system finds none to activate then: the one that had it gets it back.
  HWND active = ::GetActiveWindow();
  // A drag in progress ends here: a scroll bar that kept the mouse through the box would
  // follow the pointer afterwards with no button held.
  ::ReleaseCapture();
  ::MessageBoxW(nullptr, wide(text).c_str(), wide(AppInfo::kTitle).c_str(),
                MB_OK | MB_TASKMODAL | MB_TOPMOST | MB_SETFOREGROUND);
  if (active != nullptr && ::IsWindow(active) && ::IsWindowEnabled(active)) ::SetForegroundWindow(active);
}

bool Win32Platform::copyText(std::string_view text) {
  const std::wstring w = wide(text);
  const std::size_t bytes = (w.size() + 1) * sizeof(wchar_t);  // exactly the text and its zero
  GlobalMemory memory(::GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!memory) return false;
  if (void* p = ::GlobalLock(memory.get())) {
    std::memcpy(p, w.c_str(), bytes);
    ::GlobalUnlock(memory.get());
  }
  const ClipboardOpen clipboard = openClipboard(ownerWindow());
  if (!clipboard) return false;
  ::EmptyClipboard();
  if (::SetClipboardData(CF_UNICODETEXT, memory.get()) == nullptr) return false;
  (void)memory.release();  // the clipboard owns it now
  return true;
}

SystemColours Win32Platform::systemColours() const {
  if (systemColours_) return *systemColours_;
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  const bool high = ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
                    (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
  const auto system = [](int index) { return static_cast<Colour>(::GetSysColor(index)); };
  systemColours_ = SystemColours{high, system(COLOR_WINDOW), system(COLOR_WINDOWTEXT), system(COLOR_GRAYTEXT),
                                 system(COLOR_BTNFACE), system(COLOR_BTNTEXT)};
  return *systemColours_;
}

Point Win32Platform::pointerPosition() const {
  POINT p{};
  ::GetCursorPos(&p);
  return Point{p.x, p.y};
}

void Win32Platform::movePointer(Point to) { ::SetCursorPos(to.x, to.y); }

// The screen's DC stays open while a hold lives: picking reads the screen 20 times a second.
class Win32Platform::Win32ScreenHold final : public ScreenHold {
 public:
  explicit Win32ScreenHold(Win32Platform& platform) : platform_(platform) {
    if (platform_.screenHolds_++ == 0) platform_.screen_ = getWindowDc(nullptr);
  }
  ~Win32ScreenHold() override {
    if (--platform_.screenHolds_ == 0) platform_.screen_.reset();
  }

 private:
  Win32Platform& platform_;
};

std::unique_ptr<Platform::ScreenHold> Win32Platform::holdScreen() { return std::make_unique<Win32ScreenHold>(*this); }

std::optional<Colour> Win32Platform::screenPixel(Point at) {
  const Win32ScreenHold hold(*this);
  const COLORREF c = ::GetPixel(screen_.get(), at.x, at.y);
  if (c == CLR_INVALID) return std::nullopt;
  return static_cast<Colour>(c);
}

void Win32Platform::refreshScreen(const Rect& area) {
  // Windows of other threads paint before this returns, as the update demands.
  const RECT r{area.left, area.top, area.right, area.bottom};
  ::RedrawWindow(nullptr, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

bool Win32Platform::registerHotkey(int id, Hotkey key) {
  // The modifier bits are Windows' own; held down, the key fires once.
  return ::RegisterHotKey(nullptr, id, key.modifiers | MOD_NOREPEAT, key.key) != FALSE;
}

void Win32Platform::unregisterHotkey(int id) { ::UnregisterHotKey(nullptr, id); }

bool Win32Platform::sendToRunningCopy(std::uint32_t tag, std::span<const std::uint8_t> bytes) {
  HWND other = runningCopyWindow();
  if (other == nullptr || bytes.size() > kLongestCopiedMessage) return false;
  COPYDATASTRUCT data{tag, static_cast<DWORD>(bytes.size()), const_cast<std::uint8_t*>(bytes.data())};
  DWORD_PTR taken = 0;
  return ::SendMessageTimeoutW(other, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG | SMTO_BLOCK,
                               3000, &taken) != 0 &&
         taken != 0;
}

void Win32Platform::listenToOtherCopies() {
  if (copies_) return;
  WNDCLASSEXW copies{};
  copies.cbSize = sizeof copies;
  copies.lpfnWndProc = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
    auto* self = reinterpret_cast<Win32Platform*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_COPYDATA && self != nullptr) {
      // Read as data only, and at most a few bytes of it; the sender's call returns before the
      // message is acted on (it may end this process).
      const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
      if (data == nullptr || data->cbData > kLongestCopiedMessage || (data->cbData > 0 && data->lpData == nullptr)) return FALSE;
      const auto* first = static_cast<const std::uint8_t*>(data->lpData);
      self->copied_.push_back({static_cast<std::uint32_t>(data->dwData), {first, first + data->cbData}});
      ::PostMessageW(hwnd, kCopiedMessage, 0, 0);
      return TRUE;
    }
    if (message == kCopiedMessage && self != nullptr) {
      while (!self->copied_.empty()) {
        const CopiedMessage m = std::move(self->copied_.front());
        self->copied_.erase(self->copied_.begin());
        self->fire(self->onMessageFromOtherCopy, m.tag, m.bytes);
      }
      return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
  };
  copies.hInstance = instance_;
  copies.lpszClassName = kCopiesClass;
  ::RegisterClassExW(&copies);
  copies_ = WindowHandle(::CreateWindowExW(0, kCopiesClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance_, nullptr));
  ::SetWindowLongPtrW(copies_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  copiesSection_ = KernelHandle(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                     sizeof(std::uint64_t), kCopiesSection));
  if (void* view = copiesSection_ ? ::MapViewOfFile(copiesSection_.get(), FILE_MAP_WRITE, 0, 0, sizeof(std::uint64_t))
                                  : nullptr) {
    *static_cast<volatile std::uint64_t*>(view) = reinterpret_cast<std::uintptr_t>(copies_.get());
    ::UnmapViewOfFile(view);
  }
}

bool Win32Platform::fileExists(std::string_view path) {
  if (path.empty()) return false;
  const DWORD attributes = ::GetFileAttributesW(wide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

bool Win32Platform::startProgram(std::string_view path) {
  if (path.empty()) return false;
  // The path is the program to run; the command line only repeats it, quoted, as its name.
  const std::wstring application = wide(path);
  std::wstring commandLine = L"\"" + application + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
    return false;
  }
  ::AllowSetForegroundWindow(process.dwProcessId);
  KernelHandle thread(process.hThread);
  KernelHandle child(process.hProcess);
  return true;
}

void Win32Platform::endProcess() { ::ExitProcess(0); }

void Win32Platform::deliver(MSG& msg) {
  if (msg.message == WM_MOUSEWHEEL) {
    // The wheel turns what is under the pointer, not what has the keyboard.
    const POINT at{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    HWND over = ::WindowFromPoint(at);
    if (Win32Window* window = windowOf(::GetAncestor(over, GA_ROOT));
        window != nullptr && window->wheel(over, GET_WHEEL_DELTA_WPARAM(msg.wParam))) {
      return;
    }
  }
  if (msg.message == WM_HOTKEY && msg.hwnd == nullptr) {
    fire(onHotkey, static_cast<int>(msg.wParam));
    return;
  }
  HWND top = msg.hwnd != nullptr ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  Win32Window* window = windowOf(top);
  if (window != nullptr && ::GetFocus() == top &&
      (msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN || msg.message == WM_MBUTTONDOWN)) {
    // A window that had the keyboard before any input reached this process (a copy started
    // beside another) may have it only in name: Wine's X11 driver asks X for the focus with
    // the time of the last message, and X refuses a time older than its last focus change.
    // Taken again now, with the press's time, the keys come here.
    ::SetFocus(nullptr);
    ::SetFocus(top);
  }
  if (window != nullptr && (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN)) window->keyboardUsed();
  if (window != nullptr && window->previewKey(msg)) return;
  if (window != nullptr && window->takesDialogKeys()) {
    if (::IsDialogMessageW(top, &msg)) return;
  }
  ::TranslateMessage(&msg);
  ::DispatchMessageW(&msg);
}

int Win32Platform::run() {
  MSG msg{};
  BOOL got;
  while ((got = ::GetMessageW(&msg, nullptr, 0, 0)) != 0) {
    if (got == -1) return 1;
    deliver(msg);
  }
  return static_cast<int>(msg.wParam);
}

void Win32Platform::pump(int ms) {
  const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(ms);
  for (;;) {
    MSG msg{};
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        ::PostQuitMessage(static_cast<int>(msg.wParam));
        return;
      }
      deliver(msg);
    }
    const ULONGLONG now = ::GetTickCount64();
    if (now >= end) return;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
  }
}

}  // namespace lindrel::platform::win32
