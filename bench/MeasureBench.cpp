// Measuring the screen on the real Win32 platform, in this process: entering the mode (what the
// M key does) until every window over a monitor is painted, against a bare copy of the monitor
// shown in a topmost popup of its own, alternated in one run; a pointer move until the spacing
// lines and the label are repainted, against a bare repaint of the same window; and the private
// memory after leaving against before the first entering. The screen under it is mostly one
// colour, so the spans run the full width and height of the monitor. The rows name the screen's
// size: the same program runs on a small display and on a large one.
//
// bench_measure [entries] [moves]

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/Application.h"
#include "platform/win32/Windows.h"

#include <psapi.h>

#include "bench/Measure.h"
#include "measure/ScreenMeasure.h"
#include "platform/win32/Surface.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Window.h"
#include "ruler/RulerWindow.h"

namespace {

using lindrel::bench::median;
using lindrel::bench::nowMs;
using lindrel::platform::Point;
using lindrel::platform::Rect;
namespace win32 = lindrel::platform::win32;

// Private memory in KB, as bench_magnifier reads it: the page-file-backed bytes (on Wine the
// process's RssAnon + VmSwap).
double privateKb() {
  PROCESS_MEMORY_COUNTERS counters{};
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<double>(counters.PagefileUsage) / 1024.0;
}

// Hands every waiting message to its window, the paints among them, until none of the windows
// has anything left to paint. The last look into an empty queue also hands what was painted
// to the window system (Wine flushes its window surfaces then).
void settle(win32::Win32Platform& platform, const std::vector<HWND>& windows) {
  for (;;) {
    platform.pump(0);
    bool painting = false;
    for (HWND hwnd : windows) painting = painting || ::GetUpdateRect(hwnd, nullptr, FALSE) != FALSE;
    if (!painting) return;
  }
}

// ---- The screen under the measuring: white over the monitor, with one grey box in a corner,
// away from the pointer's row and column.

constexpr COLORREF kBackdrop = RGB(255, 255, 255);

LRESULT CALLBACK backdropProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(hwnd, &ps);
      win32::fill(dc, ps.rcPaint, kBackdrop);
      win32::fill(dc, RECT{40, 40, 140, 100}, RGB(128, 128, 128));
      ::EndPaint(hwnd, &ps);
      return 0;
    }
    default: return ::DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

// ---- The baseline: the least a program does to show a copy of the monitor in a topmost
// borderless window of its own, until it is painted, and to take it away.

struct BareCopy {
  HDC memory = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ original = nullptr;
  HWND hwnd = nullptr;
};

LRESULT CALLBACK bareProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      ::SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
      break;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      const auto* copy = reinterpret_cast<const BareCopy*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(hwnd, &ps);
      const RECT& r = ps.rcPaint;
      ::BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, copy->memory, r.left, r.top, SRCCOPY);
      ::EndPaint(hwnd, &ps);
      return 0;
    }
    default: break;
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

void bareEnter(win32::Win32Platform& platform, BareCopy& copy, const Rect& monitor) {
  HDC screen = ::GetDC(nullptr);
  copy.memory = ::CreateCompatibleDC(screen);
  copy.bitmap = static_cast<HBITMAP>(win32::createDib(monitor.size()).release());
  copy.original = ::SelectObject(copy.memory, copy.bitmap);
  ::BitBlt(copy.memory, 0, 0, monitor.width(), monitor.height(), screen, monitor.left, monitor.top,
           SRCCOPY | CAPTUREBLT);
  ::ReleaseDC(nullptr, screen);
  copy.hwnd = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"LindrelBenchBareCopy", L"", WS_POPUP, monitor.left,
                                monitor.top, monitor.width(), monitor.height(), nullptr, nullptr,
                                ::GetModuleHandleW(nullptr), &copy);
  ::ShowWindow(copy.hwnd, SW_SHOW);
  ::UpdateWindow(copy.hwnd);
  settle(platform, {copy.hwnd});
}

void bareLeave(BareCopy& copy) {
  ::DestroyWindow(copy.hwnd);
  ::SelectObject(copy.memory, copy.original);
  ::DeleteObject(copy.bitmap);
  ::DeleteDC(copy.memory);
  copy = BareCopy{};
}

void registerClass(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  ::RegisterClassExW(&wc);
}

}  // namespace

int main(int argc, char** argv) {
  const int entries = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  const int moves = argc > 2 ? std::max(1, std::atoi(argv[2])) : 60;

  win32::Win32Platform platform(::GetModuleHandleW(nullptr));
  registerClass(L"LindrelBenchBackdrop", backdropProcedure);
  registerClass(L"LindrelBenchBareCopy", bareProcedure);

  // The main monitor, white.
  const Rect monitor{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  const std::string at = " at " + std::to_string(monitor.width()) + "x" + std::to_string(monitor.height());
  HWND backdrop = ::CreateWindowExW(WS_EX_TOOLWINDOW, L"LindrelBenchBackdrop", L"", WS_POPUP | WS_VISIBLE, monitor.left,
                                    monitor.top, monitor.width(), monitor.height(), nullptr, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr);

  lindrel::Application app(platform);
  app.start();
  // The pointer halfway between the ruler and the monitor's bottom right corner, so that
  // neither the ruler nor the grey box lies on its row or its column.
  const Rect ruler = app.ruler().window().rect();
  const Point spot{(std::max(ruler.right, 140) + monitor.right) / 2, (std::max(ruler.bottom, 100) + monitor.bottom) / 2};
  ::SetCursorPos(spot.x, spot.y);
  platform.pump(500);

  const auto overlays = [&] {
    std::vector<HWND> found;
    lindrel::ScreenMeasure* measure = app.screenMeasure();
    const std::size_t count = platform.monitors().size();
    for (std::size_t i = 0; measure != nullptr && i < count; ++i) {
      found.push_back(dynamic_cast<win32::Win32Window&>(measure->window(i)).handle());
    }
    return found;
  };
  // What the M key does, until every window over a monitor is on the screen.
  const auto enter = [&] {
    app.measureScreen();
    settle(platform, overlays());
  };
  // Esc, and what the windows left behind repainted.
  const auto leave = [&] {
    app.screenMeasure()->window(0).onKeyDown(lindrel::platform::Key::Escape, {});
    settle(platform, {backdrop});
    platform.pump(100);
  };
  BareCopy bare;

  // ---- Entering, alternated with the bare copy; one untimed of each first.
  bareEnter(platform, bare, monitor);
  bareLeave(bare);
  platform.pump(100);
  const double beforeKb = privateKb();
  enter();
  leave();

  std::vector<double> entered, bareEntered;
  for (int i = 0; i < entries; ++i) {
    for (int k = 0; k < 2; ++k) {
      if ((i + k) % 2 == 0) {
        const double t = nowMs();
        enter();
        entered.push_back(nowMs() - t);
        leave();
      } else {
        const double t = nowMs();
        bareEnter(platform, bare, monitor);
        bareEntered.push_back(nowMs() - t);
        bareLeave(bare);
        settle(platform, {backdrop});
        platform.pump(100);
      }
    }
  }

  // ---- The spacing following the pointer: onMouseMove with a point a few pixels from the
  // last, until the window is repainted, alternated with a bare repaint of the whole window.
  enter();
  lindrel::platform::Window& window = app.screenMeasure()->window(0);
  HWND hwnd = dynamic_cast<win32::Win32Window&>(window).handle();
  const Point steps[4] = {{0, 0}, {3, 2}, {6, 4}, {3, -2}};
  const auto moveTo = [&](Point p) {
    window.onMouseMove(lindrel::platform::MouseEvent{{}, {}, Point{p.x - monitor.left, p.y - monitor.top}, p});
    settle(platform, {hwnd});
  };
  std::vector<double> moved, repainted;
  for (int i = 0; i < moves + 1; ++i) {
    const Point p{spot.x + steps[i % 4].x, spot.y + steps[i % 4].y};
    const double t0 = nowMs();
    moveTo(p);
    const double t1 = nowMs();
    ::InvalidateRect(hwnd, nullptr, FALSE);
    ::UpdateWindow(hwnd);
    settle(platform, {hwnd});
    const double t2 = nowMs();
    if (i == 0) continue;  // untimed: the first of each
    moved.push_back(t1 - t0);
    repainted.push_back(t2 - t1);
  }
  // The case measured is the one meant: the lines ran from edge to edge.
  if (const auto spans = app.screenMeasure()->measurement().spans();
      !spans || spans->left != monitor.left || spans->right != monitor.right - 1 || spans->top != monitor.top ||
      spans->bottom != monitor.bottom - 1) {
    std::fprintf(stderr, "bench_measure: the spans did not run the monitor's full width and height\n");
  }
  leave();

  platform.pump(1000);
  const double afterKb = privateKb();

  namespace bench = lindrel::bench;
  const double enter1 = median(entered), enter0 = median(bareEntered);
  bench::row("measuring entered" + at + " (median of " + std::to_string(entries) + ")", enter1, "ms", enter0,
             "<= 1.3x bare copy", enter1 <= 1.3 * enter0);
  const double move1 = median(moved), move0 = median(repainted);
  bench::row("spacing after a pointer move" + at, move1, "ms", move0, "<= 16 ms", move1 <= 16);
  bench::row("private memory after measuring" + at, afterKb / 1024, "MB", beforeKb / 1024, "<= before + 1 MB",
             afterKb - beforeKb <= 1024);

  ::DestroyWindow(backdrop);
  return 0;
}
