#pragma once
// Drives a running lindrel.exe from another process under the same Wine, as a user would:
// real input through SendInput, and what the screen, the windows and the clipboard show.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/Windows.h"

namespace lindrel::e2e {

struct Box {
  LONG left, top, right, bottom;
  LONG width() const { return right - left; }
  LONG height() const { return bottom - top; }
  bool operator==(const Box&) const = default;
};

// One lindrel.exe for the length of a test; it is ended when the object goes.
class Program {
 public:
  Program();
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool running() const;
  DWORD waitForExit(DWORD ms) const;  // the exit code, or STILL_ACTIVE
  // The program's visible top-level window of a class, waiting for it up to ms.
  HWND window(const wchar_t* className, DWORD ms = 10000) const;
  HWND ruler() const { return window(L"LindrelRuler"); }
  std::vector<HWND> windows() const;

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
// Lets the program and the display catch up.
void settle(DWORD ms = 300);
// Waits until the condition holds (true) or ms pass (false).
bool waitFor(const std::function<bool()>& condition, DWORD ms = 5000);

// Input, in screen pixels.
void moveTo(int x, int y);
void press(DWORD downFlag, int x, int y);
void release(DWORD upFlag, int x, int y);
void click(int x, int y, bool right = false);
void doubleClick(int x, int y);
// A left drag in small steps, as a hand makes one.
void drag(int fromX, int fromY, int toX, int toY, int steps = 10);
void key(WORD vk, bool shift = false, bool ctrl = false, bool alt = false);
void typeText(const std::wstring& text);

// The plain text on the clipboard, or none.
bool clipboardText(std::wstring& text);
// Puts plain text on the clipboard, as another program would.
bool setClipboardText(const std::wstring& text);

// Answers message boxes with the title "Lindrel" in the background, keeping their texts.
class MessageBoxWatcher {
 public:
  MessageBoxWatcher();
  ~MessageBoxWatcher();
  std::vector<std::wstring> texts() const;
  // Whether a box is up right now (not yet answered when answering is paused).
  bool boxUp() const;
  void pause(bool paused);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace lindrel::e2e
