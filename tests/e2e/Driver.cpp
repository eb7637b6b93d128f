#include "tests/e2e/Driver.h"

#include <atomic>
#include <cstring>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace lindrel::e2e {
namespace {

void send(INPUT* inputs, UINT count) { ::SendInput(count, inputs, sizeof(INPUT)); }

INPUT mouseInput(DWORD flags, int x, int y) {
  // Absolute coordinates over the primary screen, 0..65535.
  const int w = ::GetSystemMetrics(SM_CXSCREEN), h = ::GetSystemMetrics(SM_CYSCREEN);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = static_cast<LONG>((x * 65536 + w / 2) / w);
  in.mi.dy = static_cast<LONG>((y * 65536 + h / 2) / h);
  in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
  return in;
}

INPUT keyInput(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  if (vk == VK_LEFT || vk == VK_RIGHT || vk == VK_UP || vk == VK_DOWN) in.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
  return in;
}

}  // namespace

std::wstring besideThisProgram(const wchar_t* name) {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  folder.resize(folder.find_last_of(L"\\/") + 1);
  return folder + name;
}

Program::Program() {
  const std::wstring exe = besideThisProgram(L"lindrel.exe");
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_)) {
    throw std::runtime_error("cannot start lindrel.exe");
  }
  ::WaitForInputIdle(process_.hProcess, 10000);
}

Program::~Program() {
  if (running()) {
    ::TerminateProcess(process_.hProcess, 1);
    ::WaitForSingleObject(process_.hProcess, 5000);
  }
  ::CloseHandle(process_.hThread);
  ::CloseHandle(process_.hProcess);
  settle(200);
}

bool Program::running() const { return ::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }

DWORD Program::waitForExit(DWORD ms) const {
  ::WaitForSingleObject(process_.hProcess, ms);
  DWORD code = STILL_ACTIVE;
  ::GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

std::vector<HWND> Program::windows() const {
  struct Search {
    DWORD pid;
    std::vector<HWND> found;
  } search{process_.dwProcessId, {}};
  ::EnumWindows(
      [](HWND hwnd, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD pid = 0;
        ::GetWindowThreadProcessId(hwnd, &pid);
        if (pid == s->pid && ::IsWindowVisible(hwnd)) s->found.push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Program::window(const wchar_t* className, DWORD ms) const {
  HWND found = nullptr;
  waitFor(
      [&] {
        for (HWND h : windows()) {
          wchar_t name[64] = {};
          ::GetClassNameW(h, name, 64);
          if (std::wstring(name) == className) {
            found = h;
            return true;
          }
        }
        return false;
      },
      ms);
  return found;
}

Box rectOf(HWND hwnd) {
  RECT r{};
  ::GetWindowRect(hwnd, &r);
  return Box{r.left, r.top, r.right, r.bottom};
}

bool isTopmost(HWND hwnd) { return (::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

std::wstring textOf(HWND hwnd) {
  wchar_t buffer[4096] = {};
  ::SendMessageTimeoutW(hwnd, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000, nullptr);
  return buffer;
}

HWND child(HWND parent, const wchar_t* className, int index) {
  HWND h = nullptr;
  for (int i = 0; i <= index; ++i) {
    h = ::FindWindowExW(parent, h, className, nullptr);
    if (h == nullptr) return nullptr;
  }
  return h;
}

COLORREF screenPixel(int x, int y) {
  HDC screen = ::GetDC(nullptr);
  const COLORREF c = ::GetPixel(screen, x, y);
  ::ReleaseDC(nullptr, screen);
  return c;
}

void settle(DWORD ms) { ::Sleep(ms); }

bool waitFor(const std::function<bool()>& condition, DWORD ms) {
  const ULONGLONG end = ::GetTickCount64() + ms;
  while (!condition()) {
    if (::GetTickCount64() > end) return false;
    ::Sleep(20);
  }
  return true;
}

void moveTo(int x, int y) {
  INPUT in = mouseInput(MOUSEEVENTF_MOVE, x, y);
  send(&in, 1);
  settle(30);
}

void press(DWORD downFlag, int x, int y) {
  INPUT in[2] = {mouseInput(MOUSEEVENTF_MOVE, x, y), mouseInput(downFlag, x, y)};
  send(in, 2);
  settle(30);
}

void release(DWORD upFlag, int x, int y) {
  INPUT in[2] = {mouseInput(MOUSEEVENTF_MOVE, x, y), mouseInput(upFlag, x, y)};
  send(in, 2);
  settle(30);
}

void click(int x, int y, bool right) {
  press(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, x, y);
  release(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, x, y);
}

void doubleClick(int x, int y) {
  INPUT in[5] = {mouseInput(MOUSEEVENTF_MOVE, x, y), mouseInput(MOUSEEVENTF_LEFTDOWN, x, y),
                 mouseInput(MOUSEEVENTF_LEFTUP, x, y), mouseInput(MOUSEEVENTF_LEFTDOWN, x, y),
                 mouseInput(MOUSEEVENTF_LEFTUP, x, y)};
  send(in, 5);
  settle(100);
}

void drag(int fromX, int fromY, int toX, int toY, int steps) {
  press(MOUSEEVENTF_LEFTDOWN, fromX, fromY);
  for (int i = 1; i <= steps; ++i) {
    moveTo(fromX + (toX - fromX) * i / steps, fromY + (toY - fromY) * i / steps);
  }
  release(MOUSEEVENTF_LEFTUP, toX, toY);
}

void key(WORD vk, bool shift, bool ctrl, bool alt) {
  std::vector<INPUT> in;
  if (shift) in.push_back(keyInput(VK_SHIFT, false));
  if (ctrl) in.push_back(keyInput(VK_CONTROL, false));
  if (alt) in.push_back(keyInput(VK_MENU, false));
  in.push_back(keyInput(vk, false));
  in.push_back(keyInput(vk, true));
  if (alt) in.push_back(keyInput(VK_MENU, true));
  if (ctrl) in.push_back(keyInput(VK_CONTROL, true));
  if (shift) in.push_back(keyInput(VK_SHIFT, true));
  send(in.data(), static_cast<UINT>(in.size()));
  settle(60);
}

void typeText(const std::wstring& text) {
  for (wchar_t c : text) {
    INPUT in[2]{};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wScan = in[1].ki.wScan = c;
    in[0].ki.dwFlags = KEYEVENTF_UNICODE;
    in[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
    send(in, 2);
    settle(40);
  }
}

bool clipboardText(std::wstring& text) {
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (::OpenClipboard(nullptr)) {
      bool got = false;
      if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* p = static_cast<const wchar_t*>(::GlobalLock(data))) {
          // Exactly the text: the block may not hold more than the text and its zero.
          text.assign(p, ::wcsnlen(p, ::GlobalSize(data) / sizeof(wchar_t)));
          got = true;
          ::GlobalUnlock(data);
        }
      }
      ::CloseClipboard();
      return got;
    }
    ::Sleep(20);
  }
  return false;
}

bool setClipboardText(const std::wstring& text) {
  if (!::OpenClipboard(nullptr)) return false;
  ::EmptyClipboard();
  bool put = false;
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    if (void* p = ::GlobalLock(block)) {
      std::memcpy(p, text.c_str(), bytes);
      ::GlobalUnlock(block);
      put = ::SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    }
    if (!put) ::GlobalFree(block);  // the clipboard owns it only once it is set
  }
  ::CloseClipboard();
  return put;
}

struct MessageBoxWatcher::State {
  std::atomic<bool> stop{false};
  std::atomic<bool> paused{false};
  std::atomic<bool> up{false};
  mutable std::mutex mutex;
  std::vector<std::wstring> texts;
  std::thread thread;
};

MessageBoxWatcher::MessageBoxWatcher() : state_(std::make_unique<State>()) {
  state_->thread = std::thread([s = state_.get()] {
    while (!s->stop) {
      HWND box = ::FindWindowW(L"#32770", L"Lindrel");
      s->up = box != nullptr && ::IsWindowVisible(box);
      if (s->up && !s->paused) {
        wchar_t text[1024] = {};
        ::GetDlgItemTextW(box, 0xFFFF, text, 1024);
        {
          std::lock_guard lock(s->mutex);
          s->texts.push_back(text);
        }
        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
        for (int i = 0; i < 300 && ::IsWindow(box); ++i) ::Sleep(10);
      }
      ::Sleep(20);
    }
  });
}

MessageBoxWatcher::~MessageBoxWatcher() {
  state_->stop = true;
  state_->thread.join();
}

std::vector<std::wstring> MessageBoxWatcher::texts() const {
  std::lock_guard lock(state_->mutex);
  return state_->texts;
}

bool MessageBoxWatcher::boxUp() const { return state_->up; }
void MessageBoxWatcher::pause(bool paused) { state_->paused = paused; }

}  // namespace lindrel::e2e
