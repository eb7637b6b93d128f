// A command start with a copy running: a lindrel.exe started first runs on; from the
// CreateProcess of `lindrel.exe /pick` until that second process has ended and the first one
// picks (its magnifier on the screen and holding the mouse, as picking does), against a bare
// program's start-to-exit (bench_bare_exit.exe, which returns at once), alternated in one run,
// one untimed of each first, medians. After each pick two Escs posted to the magnifier cancel
// the picking and close it; `lindrel.exe /exit` ends the first copy at the end. A floor for
// any hand-over by window message is timed beside them: bench_bare_send.exe, which sends the
// running copy one empty WM_COPYDATA and ends.
//
// bench_command [runs] [steps]
// "steps" adds the second process's start-to-exit alone, the time until the first copy
// picks, and the start-to-exit of `lindrel.exe /ruler` (the strip shown already: nothing to
// do in the running copy).

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/Measure.h"
#include "tests/e2e/Driver.h"

namespace {

using lindrel::bench::median;
using lindrel::bench::nowMs;

constexpr double kLongestMs = 10000;

bool start(const std::wstring& exe, const std::wstring& arguments, PROCESS_INFORMATION& process) {
  std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  return ::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process) != FALSE;
}

void end(PROCESS_INFORMATION& process) {
  ::TerminateProcess(process.hProcess, 1);  // refused, harmlessly, when it has ended already
  ::WaitForSingleObject(process.hProcess, 5000);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  process = PROCESS_INFORMATION{};
}

// The running copy's magnifier, when it is on the screen.
HWND magnifierOf(DWORD pid) {
  const std::vector<HWND> found = lindrel::e2e::visibleWindows(pid, L"LindrelZoomOut");
  return found.empty() ? nullptr : found.front();
}

// The window that holds the mouse in a thread of another process.
HWND captureOf(DWORD thread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return ::GetGUIThreadInfo(thread, &info) ? info.hwndCapture : nullptr;
}

// A key as the keyboard posts it to the window that has it.
void postKey(HWND hwnd, WPARAM vk) {
  const UINT scan = ::MapVirtualKeyW(static_cast<UINT>(vk), MAPVK_VK_TO_VSC);
  ::PostMessageW(hwnd, WM_KEYDOWN, vk, 1 | (static_cast<LPARAM>(scan) << 16));
  ::PostMessageW(hwnd, WM_KEYUP, vk, 1 | (static_cast<LPARAM>(scan) << 16) | (3LL << 30));
}

template <class Condition>
bool waitFor(double ms, Condition condition) {
  const double t0 = nowMs();
  while (nowMs() - t0 < ms) {
    if (condition()) return true;
    ::Sleep(5);
  }
  return condition();
}

struct Timed {
  double ended = -1;  // CreateProcess until the process ended
  double held = -1;   // until the condition first held
  double both() const { return ended >= 0 && held >= 0 ? std::max(ended, held) : -1; }
};

// Starts a program and waits until it has ended and a condition holds, looking at both
// about every millisecond.
template <class Condition>
Timed timeStart(const std::wstring& exe, const std::wstring& arguments, Condition condition) {
  PROCESS_INFORMATION process{};
  Timed t;
  const double t0 = nowMs();
  if (!start(exe, arguments, process)) return t;
  while (t.both() < 0 && nowMs() - t0 < kLongestMs) {
    if (t.ended < 0 && ::WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) t.ended = nowMs() - t0;
    if (t.held < 0 && condition()) t.held = nowMs() - t0;
    if (t.ended >= 0 && t.held < 0) ::Sleep(1);
  }
  end(process);
  return t;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
  const bool steps = argc > 2 && std::string(argv[2]) == "steps";
  const std::wstring lindrel = lindrel::e2e::besideThisProgram(L"lindrel.exe"),
                     bare = lindrel::e2e::besideThisProgram(L"bench_bare_exit.exe"),
                     bareSend = lindrel::e2e::besideThisProgram(L"bench_bare_send.exe");

  // The running copy, as at a first start, until its strip shows and it listens to others.
  lindrel::e2e::forgetSettings();
  PROCESS_INFORMATION first{};
  if (!start(lindrel, L"", first)) {
    std::fprintf(stderr, "bench_command: cannot start lindrel.exe\n");
    return 1;
  }
  const DWORD pid = first.dwProcessId, thread = first.dwThreadId;
  if (!waitFor(10000, [&] {
        return !lindrel::e2e::visibleWindows(pid, L"LindrelRuler").empty() &&
               ::FindWindowExW(HWND_MESSAGE, nullptr, L"LindrelCopies", nullptr) != nullptr;
      })) {
    std::fprintf(stderr, "bench_command: lindrel.exe did not come up\n");
    end(first);
    return 1;
  }
  ::Sleep(500);

  // Picking as seen from outside: the magnifier shown and holding the mouse.
  const auto picks = [&] {
    HWND m = magnifierOf(pid);
    return m != nullptr && captureOf(thread) == m;
  };
  // Esc ends the picking, Esc again closes the magnifier.
  const auto cancel = [&] {
    HWND m = magnifierOf(pid);
    if (m == nullptr) return;
    postKey(m, VK_ESCAPE);
    waitFor(2000, [&] { return captureOf(thread) != m; });
    postKey(m, VK_ESCAPE);
    waitFor(2000, [&] { return !::IsWindowVisible(m); });
    ::Sleep(300);
  };
  const auto nothing = [] { return true; };

  // One untimed of each.
  timeStart(bare, L"", nothing);
  timeStart(bareSend, L"", nothing);
  ::Sleep(300);
  timeStart(lindrel, L"/pick", picks);
  cancel();

  std::vector<double> ours, ended, picked, bareMs, sendMs, ruler;
  int missed = 0;
  for (int i = 0; i < runs; ++i) {
    for (int k = 0; k < 3; ++k) {
      const int path = (i + k) % 3;
      if (path == 0) {
        const Timed t = timeStart(lindrel, L"/pick", picks);
        if (t.both() >= 0) {
          ours.push_back(t.both());
          ended.push_back(t.ended);
          picked.push_back(t.held);
        } else {
          ++missed;
        }
        cancel();
      } else {
        const Timed t = timeStart(path == 1 ? bare : bareSend, L"", nothing);
        if (t.both() >= 0) (path == 1 ? bareMs : sendMs).push_back(t.both());
        ::Sleep(300);
      }
    }
  }
  for (int i = 0; steps && i < runs; ++i) {
    const Timed t = timeStart(lindrel, L"/ruler", nothing);
    if (t.both() >= 0) ruler.push_back(t.both());
    ::Sleep(300);
  }

  // The first copy ends as the user ends it: by a command.
  timeStart(lindrel, L"/exit", nothing);
  if (::WaitForSingleObject(first.hProcess, 5000) != WAIT_OBJECT_0) {
    std::fprintf(stderr, "bench_command: /exit did not end the running copy; it is ended\n");
  }
  end(first);

  namespace bench = lindrel::bench;
  if (missed > 0) std::fprintf(stderr, "bench_command: %d of %d picks not seen within 10 s\n", missed, runs);
  const double figure = median(ours), base = median(bareMs);
  bench::row("/pick with a copy running, until ended and picking (median of " + std::to_string(runs) + ")", figure,
             "ms", base, "<= 1.2x bare start-to-exit", figure > 0 && figure <= 1.2 * base);
  bench::row("  a bare program handing over by WM_COPYDATA", median(sendMs), "ms", base, "- (floor)", std::nullopt);
  if (steps) {
    bench::row("  steps: /pick, CreateProcess until it ended", median(ended), "ms", base, "-", std::nullopt);
    bench::row("  steps: /pick, CreateProcess until the copy picks", median(picked), "ms", base, "-", std::nullopt);
    bench::row("  /ruler with a copy running, start-to-exit", median(ruler), "ms", base, "-", std::nullopt);
  }
  return 0;
}
