// A hotkey with the program running, on the real Win32 platform in this process: from the
// WM_HOTKEY of the pick action, as Windows posts it to the thread that registered it, until
// the magnifier is on the screen, painted (no update region left on it or on any of its
// controls) and picking; against a bare path of the same process that takes its own hotkey
// and shows a hidden topmost tool window of the magnifier's size until it is painted.
// Alternated in one run, one untimed of each first, medians. After each opening Esc cancels
// the picking and Esc again closes the magnifier, as the user does.
//
// A third path is a floor for any magnifier made of the system's controls: the bare window
// again, holding a copy of each of the magnifier's controls (same classes, styles, places,
// texts and fonts; its own drawn boxes as plain windows that only erase), shown the same way.
//
// bench_hotkey [runs] [steps]
// "steps" adds where the time goes: the hotkey's handler, and from its end until painted.

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/Application.h"
#include "platform/win32/Windows.h"

#include "bench/Measure.h"
#include "picker/MagnifierWindow.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Window.h"

namespace {

using lindrel::bench::median;
using lindrel::bench::nowMs;
namespace win32 = lindrel::platform::win32;

// Longer than any opening takes: a run that never ends is cut off there.
constexpr double kLongestMs = 10000;

// The bare path's own hotkey: an id the program does not use, a key it does not take.
constexpr int kBareHotkeyId = 0x0B0B;
constexpr UINT kBareModifiers = MOD_CONTROL | MOD_ALT | MOD_SHIFT;
constexpr UINT kBareKey = VK_F11;

// Whether a window or any control of it still has something to paint.
bool painting(HWND hwnd) {
  if (::GetUpdateRect(hwnd, nullptr, FALSE)) return true;
  bool any = false;
  ::EnumChildWindows(
      hwnd,
      [](HWND child, LPARAM found) -> BOOL {
        if (!::GetUpdateRect(child, nullptr, FALSE)) return TRUE;
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&any));
  return any;
}

HWND handleOf(lindrel::platform::Window* window) {
  auto* w = dynamic_cast<win32::Win32Window*>(window);
  return w != nullptr ? w->handle() : nullptr;
}

// A key as the keyboard posts it to the window that has it.
void postKey(HWND hwnd, WPARAM vk) {
  const UINT scan = ::MapVirtualKeyW(static_cast<UINT>(vk), MAPVK_VK_TO_VSC);
  ::PostMessageW(hwnd, WM_KEYDOWN, vk, 1 | (static_cast<LPARAM>(scan) << 16));
  ::PostMessageW(hwnd, WM_KEYUP, vk, 1 | (static_cast<LPARAM>(scan) << 16) | (3LL << 30));
}

// The bare path's window: hidden, topmost, a tool window with a caption, of a size.
HWND makeBareWindow(SIZE size) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = ::DefWindowProcW;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = L"LindrelBenchBareHotkey";
  ::RegisterClassExW(&wc);
  return ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"LindrelBenchBareHotkey", L"Bare",
                           WS_POPUP | WS_CAPTION | WS_SYSMENU, 100, 100, size.cx, size.cy, nullptr, nullptr,
                           ::GetModuleHandleW(nullptr), nullptr);
}

// The magnifier's controls copied into a bare window: what they cost to show and paint with
// nothing of the program behind them. Our own control class becomes a plain erasing window.
void copyControls(HWND from, HWND to) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = ::DefWindowProcW;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = L"LindrelBenchBareControl";
  ::RegisterClassExW(&wc);
  for (HWND child = ::GetWindow(from, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[64] = {};
    ::GetClassNameW(child, name, 64);
    const bool system = ::GetClassInfoExW(nullptr, name, &wc) != FALSE;
    RECT r{};
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, from, reinterpret_cast<POINT*>(&r), 2);
    wchar_t text[256] = {};
    ::GetWindowTextW(child, text, 256);
    HWND copy = ::CreateWindowExW(static_cast<DWORD>(::GetWindowLongW(child, GWL_EXSTYLE)),
                                  system ? name : L"LindrelBenchBareControl", text,
                                  static_cast<DWORD>(::GetWindowLongW(child, GWL_STYLE)), r.left, r.top,
                                  r.right - r.left, r.bottom - r.top, to, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(copy, WM_SETFONT, ::SendMessageW(child, WM_GETFONT, 0, 0), FALSE);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
  const bool steps = argc > 2 && std::string(argv[2]) == "steps";

  win32::Win32Platform platform(::GetModuleHandleW(nullptr));
  lindrel::Application app(platform);
  app.start();
  lindrel::MagnifierWindow& magnifier = app.magnifier();
  const DWORD thread = ::GetCurrentThreadId();
  platform.pump(500);

  // The pick action's hotkey as Windows posts it: the id it was registered with, the
  // modifiers and the key in lParam.
  const auto pickId = static_cast<WPARAM>(lindrel::HotkeyAction::Pick);
  LPARAM pickKey = 0;
  if (const auto& key = app.hotkeys()[lindrel::HotkeyAction::Pick]) pickKey = MAKELPARAM(key->modifiers, key->key);

  // Where the time goes: the end of the handler, timed.
  double handled = 0;
  platform.onHotkey = [&, handler = platform.onHotkey](int id) {
    handler(id);
    handled = nowMs();
  };

  std::vector<double> ours, inHandler, afterHandler;
  const auto hotkey = [&] {
    const double t0 = nowMs();
    ::PostThreadMessageW(thread, WM_HOTKEY, pickId, pickKey);
    while (nowMs() - t0 < kLongestMs) {
      platform.pump(0);
      HWND hwnd = handleOf(magnifier.window());
      if (magnifier.isOpen() && magnifier.picking() && ::IsWindowVisible(hwnd) && !painting(hwnd)) break;
    }
    const double t1 = nowMs();
    ours.push_back(t1 - t0);
    inHandler.push_back(handled - t0);
    afterHandler.push_back(t1 - handled);
  };
  // Esc ends the picking (the colour there was put back), Esc again closes the magnifier.
  const auto cancel = [&] {
    HWND hwnd = handleOf(magnifier.window());
    postKey(hwnd, VK_ESCAPE);
    platform.pump(0);
    postKey(hwnd, VK_ESCAPE);
    platform.pump(150);
  };

  // The bare path's window is the magnifier's size: the untimed opening tells it.
  hotkey();
  RECT shown{};
  ::GetWindowRect(handleOf(magnifier.window()), &shown);
  cancel();
  const SIZE size{shown.right - shown.left, shown.bottom - shown.top};
  HWND bare = makeBareWindow(size);
  HWND bareWithControls = makeBareWindow(size);
  ::SetWindowLongW(bareWithControls, GWL_STYLE, ::GetWindowLongW(handleOf(magnifier.window()), GWL_STYLE) & ~WS_VISIBLE);
  copyControls(handleOf(magnifier.window()), bareWithControls);
  ::RegisterHotKey(nullptr, kBareHotkeyId, kBareModifiers | MOD_NOREPEAT, kBareKey);
  std::vector<double> bareMs, floorMs;
  const auto bareHotkey = [&](HWND window, std::vector<double>& times) {
    const double t0 = nowMs();
    ::PostThreadMessageW(thread, WM_HOTKEY, kBareHotkeyId, MAKELPARAM(kBareModifiers, kBareKey));
    for (bool shownNow = false; (!shownNow || painting(window)) && nowMs() - t0 < kLongestMs;) {
      MSG msg{};
      while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_HOTKEY && msg.hwnd == nullptr && msg.wParam == kBareHotkeyId) {
          ::ShowWindow(window, SW_SHOW);
          ::UpdateWindow(window);
          shownNow = true;
        } else {
          platform.deliver(msg);
        }
      }
    }
    times.push_back(nowMs() - t0);
  };
  const auto bareHide = [&](HWND window) {
    ::ShowWindow(window, SW_HIDE);
    platform.pump(150);
  };
  for (HWND window : {bare, bareWithControls}) {
    bareHotkey(window, bareMs);
    bareHide(window);
  }
  ours.clear();
  inHandler.clear();
  afterHandler.clear();
  bareMs.clear();

  for (int i = 0; i < runs; ++i) {
    for (int k = 0; k < 3; ++k) {
      switch ((i + k) % 3) {
        case 0:
          hotkey();
          cancel();
          break;
        case 1:
          bareHotkey(bare, bareMs);
          bareHide(bare);
          break;
        default:
          bareHotkey(bareWithControls, floorMs);
          bareHide(bareWithControls);
      }
    }
  }
  ::UnregisterHotKey(nullptr, kBareHotkeyId);
  ::DestroyWindow(bareWithControls);
  ::DestroyWindow(bare);

  namespace bench = lindrel::bench;
  const double figure = median(ours), base = median(bareMs);
  bench::row("a hotkey until the magnifier picks, painted (median of " + std::to_string(runs) + ")", figure, "ms", base,
             "<= 1.3x bare hotkey window", figure <= 1.3 * base);
  bench::row("  a bare window with the magnifier's controls, the same way", median(floorMs), "ms", base, "- (floor)",
             std::nullopt);
  if (steps) {
    bench::row("  steps: WM_HOTKEY until its handler returned", median(inHandler), "ms", 0, "-", std::nullopt);
    bench::row("  steps: handler's end until all painted", median(afterHandler), "ms", 0, "-", std::nullopt);
  }
  return 0;
}
