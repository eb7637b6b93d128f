// Start-up: time from CreateProcess to the first painted ruler on the screen, for
// lindrel.exe from a first start, for lindrel.exe with every setting kept, and for a bare
// Win32 window of the same size, alternated in one run.

#include <cstdint>
#include <string>
#include <vector>

#include "bench/Measure.h"
#include "tests/e2e/Driver.h"

namespace {

using lindrel::bench::nowMs;

struct Started {
  PROCESS_INFORMATION process{};
  double visibleMs = -1;  // CreateProcess to a visible window of the program
  double ms = -1;         // CreateProcess to the strip painted on the screen
};

// Starts a program and waits until it has a visible window of a class and the strip's first
// pixels are yellow on the screen.
Started startAndWaitForPaint(const std::wstring& exe, const wchar_t* windowClass) {
  const int w = ::GetSystemMetrics(SM_CXSCREEN) / 2, h = 67;
  const int left = (::GetSystemMetrics(SM_CXSCREEN) - w) / 2, top = (::GetSystemMetrics(SM_CYSCREEN) - h) / 2;
  HDC screen = ::GetDC(nullptr);
  Started s;
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  const double t0 = nowMs();
  if (::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &s.process)) {
    while (nowMs() - t0 < 20000) {
      if (s.visibleMs < 0 && !lindrel::e2e::visibleWindows(s.process.dwProcessId, windowClass).empty()) {
        s.visibleMs = nowMs() - t0;
      }
      // An odd column carries no tick: yellow as soon as the strip is painted.
      if (::GetPixel(screen, left + 1, top + 2) == RGB(255, 255, 0) &&
          ::GetPixel(screen, left + w - 3, top + h - 3) == RGB(255, 255, 0) && s.visibleMs >= 0) {
        s.ms = nowMs() - t0;
        break;
      }
      ::Sleep(1);
    }
  }
  ::ReleaseDC(nullptr, screen);
  return s;
}

// Every value lindrel.exe keeps, with the strip where a first start puts it: a scale in
// centimetres at 300 DPI, the magnifier's place and notation.
void keepSettings(int left, int top, int width, int height) {
  HKEY key = nullptr;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Lindrel", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
    return;
  }
  const auto binary = [&](const wchar_t* name, std::int32_t x, std::int32_t y) {
    const std::int32_t pair[2] = {x, y};
    ::RegSetValueExW(key, name, 0, REG_BINARY, reinterpret_cast<const BYTE*>(pair), sizeof pair);
  };
  const auto dword = [&](const wchar_t* name, DWORD value) {
    ::RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  };
  binary(L"RulerPosition", left, top);
  binary(L"RulerSize", width, height);
  dword(L"RulerOrientation", 0);
  dword(L"RulerUnit", 3);
  binary(L"MagnifierPosition", 100, 100);
  dword(L"MagnifierNotation", 7);
  ::RegCloseKey(key);
}

void end(Started& s) {
  ::TerminateProcess(s.process.hProcess, 0);
  ::WaitForSingleObject(s.process.hProcess, 5000);
  ::CloseHandle(s.process.hThread);
  ::CloseHandle(s.process.hProcess);
  ::Sleep(300);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 10;
  const std::string at = argc > 2 ? std::string(" at ") + argv[2] : "";
  const std::wstring lindrel = lindrel::e2e::besideThisProgram(L"lindrel.exe"),
                     bare = lindrel::e2e::besideThisProgram(L"bench_bare_window.exe");
  const int w = ::GetSystemMetrics(SM_CXSCREEN) / 2, h = 67;
  const int left = (::GetSystemMetrics(SM_CXSCREEN) - w) / 2, top = (::GetSystemMetrics(SM_CYSCREEN) - h) / 2;
  std::vector<double> lindrelMs, bareMs, lindrelVisibleMs, bareVisibleMs, keptMs;
  lindrel::e2e::forgetSettings();
  // One untimed start of each first: the first programs on a new display also pay for what
  // the system caches (fonts, the desktop window).
  Started warmBare = startAndWaitForPaint(bare, L"BareRuler");
  end(warmBare);
  Started warmOurs = startAndWaitForPaint(lindrel, L"LindrelRuler");
  end(warmOurs);
  for (int i = 0; i < runs; ++i) {
    Started b = startAndWaitForPaint(bare, L"BareRuler");
    if (b.ms >= 0) {
      bareMs.push_back(b.ms);
      bareVisibleMs.push_back(b.visibleMs);
    }
    end(b);
    Started l = startAndWaitForPaint(lindrel, L"LindrelRuler");
    if (l.ms >= 0) {
      lindrelMs.push_back(l.ms);
      lindrelVisibleMs.push_back(l.visibleMs);
    }
    end(l);
    keepSettings(left, top, w, h);
    Started k = startAndWaitForPaint(lindrel, L"LindrelRuler");
    if (k.ms >= 0) keptMs.push_back(k.ms);
    end(k);
    lindrel::e2e::forgetSettings();
  }
  namespace bench = lindrel::bench;
  const double base = bench::median(bareMs), ours = bench::median(lindrelMs);
  bench::row("start-up to first painted ruler" + at + " (median of " + std::to_string(runs) + ")", ours, "ms", base,
             "<= 1.2x bare window", ours > 0 && ours <= 1.2 * base);
  const double kept = bench::median(keptMs);
  bench::row("start-up with every setting kept" + at, kept, "ms", base, "<= 1.2x bare window",
             kept > 0 && kept <= 1.2 * base);
  const double visibleBase = bench::median(bareVisibleMs), visible = bench::median(lindrelVisibleMs);
  bench::row("start-up to a visible window" + at + ", from outside", visible, "ms", visibleBase, "<= 1.2x bare window",
             visible > 0 && visible <= 1.2 * visibleBase);

  return 0;
}
