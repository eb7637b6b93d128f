#pragma once
// Drives a running lindrel.exe from another process under the same Wine, as a user would:
// real input through SendInput, and what the screen, the windows and the clipboard show.

#include <atomic>
#include <functional>
#include <mutex>
#include <ostream>
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
  friend std::ostream& operator<<(std::ostream& os, const Box& b) {
    return os << '(' << b.left << ", " << b.top << ") - (" << b.right << ", " << b.bottom << ')';
  }
};

// The visible top-level windows, of one process and class when these are given.
std::vector<HWND> visibleWindows(DWORD pid = 0, const wchar_t* className = nullptr);

// What lindrel.exe keeps between runs (HKCU\Software\Lindrel) is removed.
void forgetSettings();
// Whether this run has English chosen (LINDREL_TEST_LANGUAGE=English), and a text as the
// program writes it in the language of the run.
bool inEnglish();
inline const wchar_t* inLanguage(const wchar_t* chinese, const wchar_t* english) { return inEnglish() ? english : chinese; }

// What a program starts from: a first start, as most tests expect, or what the last run kept.
enum class KeptSettings { Forgotten, Used };

// One lindrel.exe for the length of a test; it is ended when the object goes.
class Program {
 public:
  // arguments: the command line after the program's name.
  explicit Program(KeptSettings kept = KeptSettings::Forgotten, const std::wstring& arguments = L"");
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  DWORD waitForExit(DWORD ms) const;  // the exit code, or STILL_ACTIVE
  bool running() const { return waitForExit(0) == STILL_ACTIVE; }
  std::vector<HWND> windows(const wchar_t* className = nullptr) const {
    return visibleWindows(process_.dwProcessId, className);
  }
  // The first of a class, waited for.
  HWND window(const wchar_t* className, DWORD ms = 10000) const;
  // The program's own handle for a system pointer (IDC_...): under Wine each process has its own.
  HCURSOR systemCursor(const wchar_t* id) const;

 private:
  PROCESS_INFORMATION process_{};
};

// A file in the folder of this program (lindrel.exe sits beside every test program).
std::wstring besideThisProgram(const wchar_t* name);

Box rectOf(HWND hwnd);
inline bool isTopmost(HWND hwnd) { return (::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
std::wstring textOf(HWND hwnd);
// A child control of a class, counted from 0 in creation order.
HWND child(HWND parent, const wchar_t* className, int index = 0);

// Part of the screen copied in one go; at() counts from its top-left corner.
class Shot {
 public:
  explicit Shot(const Box& area);
  int width() const { return width_; }
  int height() const { return height_; }
  COLORREF at(int x, int y) const;

 private:
  int width_, height_;
  std::vector<DWORD> bits_;
};
inline COLORREF screenPixel(int x, int y) { return Shot(Box{x, y, x + 1, y + 1}).at(0, 0); }
inline COLORREF centrePixel(HWND hwnd) { return screenPixel(rectOf(hwnd).centre().x, rectOf(hwnd).centre().y); }
// The pointer shape now, as the program with the keyboard last set it.
HCURSOR pointerShape();
// Lets the program and the display catch up.
inline void settle(DWORD ms = 300) { ::Sleep(ms); }
// Whether the condition comes to hold within ms.
bool waitFor(const std::function<bool()>& condition, DWORD ms = 5000);

// Input at screen pixels; inputEventsSent() counts every event so far.
long inputEventsSent();
void moveTo(POINT p);
// Moves to the point, then presses or releases the button of a MOUSEEVENTF_ flag.
void mouseButton(DWORD flag, POINT p);
void click(POINT p, bool right = false);
// The wheel turned by notches (away from the user: positive) with the pointer at a point.
void wheel(POINT p, int notches);
// The control of a window's thread that has the keyboard.
HWND focusOf(HWND window);
// A left click in the middle of a control; false, and no click, when there is none.
bool clickOn(HWND control);
void doubleClick(POINT p);
// A left drag in small steps, as a hand makes one, resting restMs before letting go.
void drag(POINT from, POINT to, int steps = 10, DWORD restMs = 0);
// Rests on the start long enough for the ruler's zone timer (every 100 ms) to see it, then drags.
void hoverAndDrag(POINT from, POINT to, int steps = 10);
void key(WORD vk, bool shift = false, bool ctrl = false, bool alt = false, bool win = false);
// A key put down, or let go, alone: held through the input between.
void holdKey(WORD vk, bool down);
void typeText(const std::wstring& text);
// Input made by the X server, as the display's own keyboard and mouse make it (SendInput goes
// into Wine's queues past X and its keyboard focus): xdotool run with these arguments.
void throughX(const std::wstring& xdotoolArguments);

// What this process holds, as the system counts it: GDI objects, USER objects, kernel handles.
struct Resources {
  long gdi = 0, user = 0, kernel = 0;
  bool operator==(const Resources&) const = default;
  friend std::ostream& operator<<(std::ostream& os, const Resources& r) {
    return os << r.gdi << " GDI, " << r.user << " USER, " << r.kernel << " kernel";
  }
};
Resources resourcesOfThisProcess();

// The plain text on the clipboard; empty when there is none.
std::wstring clipboardText();
bool setClipboardText(const std::wstring& text);

// A plain window of this process over an area, painted by a function of a DC in its own
// thread, below the program's topmost windows: something known to measure.
class PaintedArea {
 public:
  PaintedArea(const Box& area, std::function<void(HDC)> paint);
  ~PaintedArea();
  PaintedArea(const PaintedArea&) = delete;
  PaintedArea& operator=(const PaintedArea&) = delete;

 private:
  std::function<void(HDC)> paint_;
  std::atomic<HWND> window_{nullptr};
  std::jthread thread_;
};

// Answers message boxes titled "Lindrel" in the background, keeping their texts. Header-only,
// so in-process Windows tests use it without the driver library.
class MessageBoxWatcher {
 public:
  std::vector<std::wstring> texts() const {
    std::lock_guard lock(mutex_);
    return texts_;
  }
  bool boxUp() const { return up_; }  // not yet answered

 private:
  std::atomic<bool> up_{false};
  mutable std::mutex mutex_;
  std::vector<std::wstring> texts_;
  // Last: stopped and joined before what it uses goes.
  std::jthread thread_{[this](const std::stop_token& stop) {
    for (; !stop.stop_requested(); ::Sleep(20)) {
      HWND box = ::FindWindowW(L"#32770", L"Lindrel");
      up_ = box != nullptr && ::IsWindowVisible(box);
      if (!up_) continue;
      wchar_t text[1024] = {};
      ::GetDlgItemTextW(box, 0xFFFF, text, 1024);
      std::unique_lock lock(mutex_);
      texts_.push_back(text);
      lock.unlock();
      ::PostMessageW(box, WM_COMMAND, IDOK, 0);
      for (int i = 0; i < 300 && ::IsWindow(box); ++i) ::Sleep(10);
    }
  }};
};

}  // namespace lindrel::e2e
