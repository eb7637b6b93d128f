#pragma once
// Drives a running lindrel.exe from another process under the same Wine, as a user would:
// real input through SendInput, and what the screen, the windows and the clipboard show.

#include <atomic>
#include <functional>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32/Windows.h"

namespace lindrel::e2e {

struct Box {
  LONG left, top, right, bottom;
  LONG width() const { return right - left; }
  LONG height() const { return bottom - top; }
  POINT centre() const { return POINT{(left + right) / 2, (top + bottom) / 2}; }
  bool operator==(const Box&) const = default;
};

// The visible top-level windows, only those of a process and of a class when these are given.
std::vector<HWND> visibleWindows(DWORD pid = 0, const wchar_t* className = nullptr);

// One lindrel.exe for the length of a test; it is ended when the object goes.
class Program {
 public:
  Program();
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool running() const;
  DWORD waitForExit(DWORD ms) const;  // the exit code, or STILL_ACTIVE
  std::vector<HWND> windows(const wchar_t* className = nullptr) const {
    return visibleWindows(process_.dwProcessId, className);
  }
  // The first of a class, waiting for it up to ms.
  HWND window(const wchar_t* className, DWORD ms = 10000) const;
  HWND ruler() const { return window(L"LindrelRuler"); }

 private:
  PROCESS_INFORMATION process_{};
};

// A file in the folder of this program (lindrel.exe sits beside every test program).
std::wstring besideThisProgram(const wchar_t* name);

Box rectOf(HWND hwnd);
bool isTopmost(HWND hwnd);
std::wstring textOf(HWND hwnd);
// The first child control of a window class, in creation order (index counts from 0).
HWND child(HWND parent, const wchar_t* className, int index = 0);

// The colour of a screen pixel, as GetPixel on the screen reads it.
COLORREF screenPixel(int x, int y);
// The colour the screen shows in the middle of a window.
COLORREF centrePixel(HWND hwnd);
// Lets the program and the display catch up.
void settle(DWORD ms = 300);
// Waits until the condition holds (true) or ms pass (false).
bool waitFor(const std::function<bool()>& condition, DWORD ms = 5000);

// Input, in screen pixels. Every input event sent so far, in all.
long inputEventsSent();
void moveTo(POINT p);
// Moves to the point, then presses or releases the button of a MOUSEEVENTF_ flag.
void mouseButton(DWORD flag, POINT p);
void click(POINT p, bool right = false);
// A left click in the middle of a control; false, and no click, when there is none.
bool clickOn(HWND control);
void doubleClick(POINT p);
// A left drag in small steps, as a hand makes one, resting restMs at the end before letting go.
void drag(POINT from, POINT to, int steps = 10, DWORD restMs = 0);
void key(WORD vk, bool shift = false, bool ctrl = false, bool alt = false);
void typeText(const std::wstring& text);

// The plain text on the clipboard, or none.
bool clipboardText(std::wstring& text);
// Puts plain text on the clipboard, as another program would.
bool setClipboardText(const std::wstring& text);

// Answers message boxes with the title "Lindrel" in the background, keeping their texts.
// Defined here in full, so the in-process Windows tests use it without the driver library.
class MessageBoxWatcher {
 public:
  MessageBoxWatcher() : thread_([this](const std::stop_token& stop) { watch(stop); }) {}
  std::vector<std::wstring> texts() const {
    std::lock_guard lock(mutex_);
    return texts_;
  }
  // Whether a box is up right now, not yet answered.
  bool boxUp() const { return up_; }

 private:
  void watch(const std::stop_token& stop) {
    while (!stop.stop_requested()) {
      HWND box = ::FindWindowW(L"#32770", L"Lindrel");
      up_ = box != nullptr && ::IsWindowVisible(box);
      if (up_) {
        wchar_t text[1024] = {};
        ::GetDlgItemTextW(box, 0xFFFF, text, 1024);
        {
          std::lock_guard lock(mutex_);
          texts_.push_back(text);
        }
        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
        for (int i = 0; i < 300 && ::IsWindow(box); ++i) ::Sleep(10);
      }
      ::Sleep(20);
    }
  }

  std::atomic<bool> up_{false};
  mutable std::mutex mutex_;
  std::vector<std::wstring> texts_;
  std::jthread thread_;  // last: stopped and joined before what it uses goes
};

}  // namespace lindrel::e2e
