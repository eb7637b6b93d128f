// The ruler in-process on the real Win32 platform: GDI objects after start-up, and every
// unit command (clear, stretch, draw, shrink, layout, repaint) at each resolution in both
// orientations, against a bare repaint of the same strip in the same run.

#include <cstdio>
#include <string>
#include <vector>

#include "app/Application.h"
#include "platform/win32/Windows.h"

#include <psapi.h>

#include "bench/Measure.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Window.h"
#include "ruler/RulerWindow.h"
#include "tests/e2e/Driver.h"

namespace {

using lindrel::bench::median;
using lindrel::bench::nowMs;
using lindrel::bench::row;
namespace win32 = lindrel::platform::win32;

// Hands every waiting message to its window, then paints what is left to paint.
void settle(win32::Win32Platform& platform, HWND hwnd) {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) platform.deliver(msg);
  ::UpdateWindow(hwnd);
}

// The baseline: the strip repainted as it is, nothing drawn anew.
double bareRepaintMs(win32::Win32Platform& platform, HWND hwnd) {
  const double t = nowMs();
  ::InvalidateRect(hwnd, nullptr, FALSE);
  settle(platform, hwnd);
  return nowMs() - t;
}

double workingSetMb() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0);
}

long gdiObjects() { return lindrel::e2e::resourcesOfThisProcess().gdi; }

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 30;
  // What the process holds before the program makes anything: Wine's own stock objects,
  // which the count below includes.
  const long bare = gdiObjects();
  win32::Win32Platform platform(::GetModuleHandleW(nullptr));
  lindrel::Application app(platform);
  app.start();
  auto& ruler = app.ruler();
  HWND hwnd = dynamic_cast<win32::Win32Window&>(ruler.window()).handle();
  settle(platform, hwnd);
  platform.pump(200);
  const long gdi = gdiObjects();
  const double startMb = workingSetMb();
  row("GDI objects after start-up", static_cast<double>(gdi), "", static_cast<double>(bare), "bare + 50 at most",
      gdi - bare <= 50);

  struct Command {
    std::string name;
    lindrel::Unit unit;
  };
  std::vector<Command> commands{{"pixels", lindrel::Unit::pixels()}};
  const char* names[] = {"72 DPI", "200 DPI", "300 DPI", "600 DPI", "1200 DPI"};
  for (std::size_t i = 0; i < lindrel::kResolutions.size(); ++i) {
    commands.push_back({names[i], lindrel::Unit::centimetres(lindrel::kResolutions[i])});
  }

  for (const bool horizontal : {true, false}) {
    if ((ruler.state().orientation == lindrel::Orientation::Horizontal) != horizontal) ruler.toggleOrientation();
    settle(platform, hwnd);
    for (const Command& command : commands) {
      std::vector<double> ours, bare;
      for (int i = 0; i < runs; ++i) {
        bare.push_back(bareRepaintMs(platform, hwnd));
        const double t = nowMs();
        ruler.setUnit(command.unit);
        settle(platform, hwnd);
        ours.push_back(nowMs() - t);
      }
      const double m = median(ours);
      row(std::string("unit command, ") + (horizontal ? "horizontal, " : "vertical, ") + command.name, m, "ms",
          median(bare), "< 16 ms", m < 16);
    }
  }
  // A move to a monitor of 200 %, as Windows tells it, and back: the strip lays itself out
  // and redraws its scale in the other DPI's font.
  {
    if (ruler.state().orientation != lindrel::Orientation::Horizontal) ruler.toggleOrientation();
    settle(platform, hwnd);
    std::vector<double> ours, bare;
    for (int i = 0; i < runs; ++i) {
      bare.push_back(bareRepaintMs(platform, hwnd));
      RECT r{};
      ::GetWindowRect(hwnd, &r);
      RECT suggested{r.left, r.top, r.left + 2 * (r.right - r.left), r.top + 2 * (r.bottom - r.top)};
      const double t = nowMs();
      ::SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
      settle(platform, hwnd);
      ours.push_back(nowMs() - t);
      ::GetWindowRect(hwnd, &r);
      RECT back{r.left, r.top, r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2};
      ::SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&back));
      settle(platform, hwnd);
    }
    const double m = median(ours);
    row("DPI change 96 -> 192, laid out and redrawn", m, "ms", median(bare), "< 16 ms", m < 16);
  }

  // A thousand unit changes, orientation switches among them: nothing may pile up.
  const long before = gdiObjects();
  for (int i = 0; i < 1000; ++i) {
    if (i % 7 == 0) {
      ruler.toggleOrientation();
    } else {
      ruler.setUnit(commands[static_cast<std::size_t>(i) % commands.size()].unit);
    }
    settle(platform, hwnd);
  }
  const long after = gdiObjects();
  const double mb = workingSetMb();
  row("working set after 1000 unit changes", mb, "MB", startMb, "no growth (<= 1.1x)", mb <= 1.1 * startMb);
  row("GDI objects after 1000 unit changes", static_cast<double>(after), "", static_cast<double>(before),
      "back at the start", after == before);
  return 0;
}
